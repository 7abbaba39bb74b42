// Startup files that will not go quietly, under the real Instalar.exe window:
// a foreign "acad.lsp" held open by another program (this test), fifty
// set-aside copies already present, the product's own file locked.
#include <windows.h>
#undef CopyFile
#undef DeleteFile

#include <gtest/gtest.h>

#include "cad/cad_messages.h"
#include "cad/own_startup_files.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_registry.h"
#include "testing/cad/nothing_lost.h"
#include "tests/windows/cad/installer_window.h"
#include "tests/windows/cad/seeded_cad_machine.h"

namespace {

using cad_machine::kUser;

constexpr char kMerged[] = ";C:\\geolume;C:\\geolume\\simbolos";
constexpr char kProfile[] = "\\Software\\Autodesk\\AutoCAD\\R24.0\\ACAD-4101:416\\Profiles\\<<Unnamed Profile>>";
constexpr char kSearchPath[] = "C:\\Program Files\\Autodesk\\AutoCAD 2021\\support;C:\\Suporte;C:\\Livre";
constexpr char kForeign[] = "(princ \"suporte do escritorio\")\r\n";
constexpr char kFree[] = "(princ \"livre\")";

std::string NotMoved(const std::string& file) {
  return cad::messages::kStartupFileNotMoved + file + cad::messages::kMoveItManually;
}

class HostileStartupFilesWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    seed.Key(std::string(kProfile) + "\\Editor Configuration");
    seed.Text(std::string(kProfile) + "\\General", "ACAD", kSearchPath);
    seed.Key(std::string(kProfile) + "\\Variables");
    seed.File("C:\\Suporte\\acad.lsp", kForeign);
    seed.File("C:\\Livre\\acad.lsp", kFree);
    ASSERT_TRUE(wintest::MakeFolders("C:\\geolume"));
    ASSERT_TRUE(window.ChoosePortugues());
  }
  void TearDown() override { EXPECT_EQ(window.Leave(), 0) << "the program ends cleanly"; }

  std::string SearchPath() {
    const auto value = registry.ReadValue(kUser, std::string(kProfile) + "\\General", "ACAD");
    return value ? value->text : "<missing>";
  }
  std::vector<std::string> Configure() {
    std::vector<std::string> texts;
    if (!window.Press("Configurar")) return texts;
    for (const auto& box : window.BoxesUntil("Information")) texts.push_back(box.text);
    return texts;
  }
  // The boxes of a run that ends on the error display (titled like the plain ones).
  std::vector<std::string> BoxesUntilTheError(const std::string& error_start) {
    std::vector<std::string> texts;
    for (;;) {
      const auto box = window.WaitForBox();
      if (!box.window || !window.Close(box)) return texts;
      EXPECT_EQ(box.caption, "Instalar");
      texts.push_back(box.text);
      if (box.text.rfind(error_start, 0) == 0) return texts;
    }
  }
  void ExpectConfiguredWithTheFreeFileSetAside() {
    EXPECT_EQ(SearchPath(), std::string(kSearchPath) + kMerged);
    EXPECT_EQ(wintest::ReadWholeFile("C:\\Livre\\acad-Renomeado-pelo-Geolume-1.lsp"), kFree);
    EXPECT_EQ(wintest::ReadWholeFile("C:\\geolume\\acad.lsp"), cad::kAcadStartupText);
    EXPECT_EQ(wintest::ReadWholeFile("C:\\geolume\\on_start.lsp"), cad::kOnStartStartupText);
    EXPECT_TRUE(window.ActionsShown());
  }
  std::vector<std::string> Lost() { return nothing_lost::Lost(before, registry, files); }

  platform::Win32Registry registry;
  platform::Win32FileSystem files;
  cad_machine::Seeder seed{registry, files};
  wintest::Process installer = wintest::Process::Start(wintest::MakeMedium("C:\\medium"));
  cad_window::InstallerWindow window{installer};
  nothing_lost::Snapshot before;
};

TEST_F(HostileStartupFilesWindow, ForeignFileHeldOpenIsReportedAndKeptOrStopsTheRunWhenItCannotBeRead) {
  before = nothing_lost::Take(registry, files);
  {
    // Shared for reading, as an editor holds it: it can be judged but not moved.
    wintest::HeldOpenFile editor("C:\\Suporte\\acad.lsp", FILE_SHARE_READ);
    ASSERT_TRUE(editor.Held());
    ASSERT_TRUE(window.OpenPanel(1));
    EXPECT_EQ(Configure(), (std::vector<std::string>{NotMoved("C:\\Suporte\\acad.lsp"), cad::messages::kConfiguredPartly}));
    EXPECT_EQ(wintest::ReadWholeFile("C:\\Suporte\\acad.lsp"), kForeign);
    EXPECT_FALSE(wintest::FileExists("C:\\Suporte\\acad-Renomeado-pelo-Geolume-1.lsp"));
    ExpectConfiguredWithTheFreeFileSetAside();
  }
  EXPECT_EQ(Lost(), std::vector<std::string>{});
  {
    // Shared with nobody: it cannot even be read to tell whose it is.
    wintest::HeldOpenFile locked("C:\\Suporte\\acad.lsp", 0);
    ASSERT_TRUE(locked.Held());
    ASSERT_TRUE(window.OpenPanel(1));
    ASSERT_TRUE(window.Press("Configurar"));
    EXPECT_EQ(BoxesUntilTheError("Cannot"),
              std::vector<std::string>{"Cannot read the startup file C:\\Suporte\\acad.lsp (error 32)"});
    EXPECT_NE(window.List(), nullptr) << "the panel stays";
    locked.Release();
    EXPECT_EQ(wintest::ReadWholeFile("C:\\Suporte\\acad.lsp"), kForeign);
    EXPECT_EQ(Lost(), std::vector<std::string>{});
    // Let go, the same panel finishes the work.
    EXPECT_EQ(Configure(), std::vector<std::string>{cad::messages::kConfigured});
  }
  EXPECT_EQ(wintest::ReadWholeFile("C:\\Suporte\\acad-Renomeado-pelo-Geolume-1.lsp"), kForeign);
  EXPECT_EQ(Lost(), std::vector<std::string>{});
}

TEST_F(HostileStartupFilesWindow, FiftySetAsideCopiesLeaveTheNextFileInPlaceAndEveryCopyKept) {
  for (int k = 1; k <= 50; ++k) {
    seed.File("C:\\Suporte\\acad-Renomeado-pelo-Geolume-" + std::to_string(k) + ".lsp",
              "(princ \"copia " + std::to_string(k) + "\")");
  }
  before = nothing_lost::Take(registry, files);
  ASSERT_TRUE(window.OpenPanel(1));
  EXPECT_EQ(Configure(), (std::vector<std::string>{NotMoved("C:\\Suporte\\acad.lsp"), cad::messages::kConfiguredPartly}));
  EXPECT_EQ(wintest::ReadWholeFile("C:\\Suporte\\acad.lsp"), kForeign);
  for (int k = 1; k <= 50; ++k) {
    EXPECT_EQ(wintest::ReadWholeFile("C:\\Suporte\\acad-Renomeado-pelo-Geolume-" + std::to_string(k) + ".lsp"),
              "(princ \"copia " + std::to_string(k) + "\")");
  }
  EXPECT_FALSE(wintest::FileExists("C:\\Suporte\\acad-Renomeado-pelo-Geolume-51.lsp"));
  ExpectConfiguredWithTheFreeFileSetAside();
  EXPECT_EQ(Lost(), std::vector<std::string>{});
}

TEST_F(HostileStartupFilesWindow, OwnFileLockedByAnotherProgramIsReportedAndStopsTheRunAtTheEnd) {
  // The installation root on a second profile's search path.
  const std::string topo = "\\Software\\Autodesk\\AutoCAD\\R24.0\\ACAD-4101:416\\Profiles\\Topografia";
  seed.Key(topo + "\\Editor Configuration");
  seed.Text(topo + "\\General", "ACAD", "C:\\geolume;C:\\Topo");
  seed.Key(topo + "\\Variables");
  seed.File("C:\\geolume\\acad.lsp", "(load \"versao antiga\")\r\n");
  before = nothing_lost::Take(registry, files);
  {
    wintest::HeldOpenFile locked("C:\\geolume\\acad.lsp", 0);
    ASSERT_TRUE(locked.Held());
    ASSERT_TRUE(window.OpenPanel(2));
    ASSERT_TRUE(window.Press("Configurar"));
    // The new file goes in by a rename over the old, which Windows refuses
    // while another program holds the old one open (5, access denied).
    EXPECT_EQ(BoxesUntilTheError("Cannot"),
              (std::vector<std::string>{NotMoved("C:\\geolume\\acad.lsp"),
                                        "Cannot write the startup file c:\\geolume\\acad.lsp (error 5)"}));
    EXPECT_NE(window.List(), nullptr) << "the panel stays";
    // Every profile was done before the startup files came to be written.
    EXPECT_EQ(SearchPath(), std::string(kSearchPath) + kMerged);
    const auto topo_path = registry.ReadValue(kUser, topo + "\\General", "ACAD");
    ASSERT_TRUE(topo_path);
    EXPECT_EQ(topo_path->text, "C:\\geolume;C:\\Topo;C:\\geolume\\simbolos");
  }
  EXPECT_EQ(wintest::ReadWholeFile("C:\\geolume\\acad.lsp"), "(load \"versao antiga\")\r\n");
  EXPECT_FALSE(wintest::FileExists("C:\\geolume\\on_start.lsp"));
  EXPECT_EQ(Lost(), std::vector<std::string>{});
  // Let go, a second run replaces it.
  EXPECT_EQ(Configure(), std::vector<std::string>{cad::messages::kConfigured});
  EXPECT_EQ(wintest::ReadWholeFile("C:\\geolume\\acad.lsp"), cad::kAcadStartupText);
  EXPECT_TRUE(window.ActionsShown());
}

}  // namespace
