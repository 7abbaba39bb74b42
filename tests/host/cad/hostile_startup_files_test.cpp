// Startup files that will not go quietly: a foreign "acad.lsp" held open by
// another program, fifty set-aside copies already present, the product's own
// file that cannot be read or written. Through the CAD panel, asserting the
// boxes, the error display, what was written and what was kept.
#include "cad/cad_messages.h"
#include "cad/own_startup_files.h"
#include "tests/host/cad/hostile_panel.h"

namespace {

using cad_testing::StringAt;
using platform::FileSharing;
using shell::CentralState;

constexpr char kMerged[] = ";C:\\geolume;C:\\geolume\\simbolos";
constexpr char kForeign[] = "(princ \"suporte do escritorio\")\r\n";
constexpr char kSearchPath[] = "C:\\Program Files\\Autodesk\\AutoCAD 2021\\support;d:\\suporte;d:\\livre";
constexpr char kOldRootStartup[] = "(load \"versao antiga\")\r\n";

std::string NotMoved(const std::string& file) {
  return "Não foi possível renonear o arquivo " + file + "\rPor favor renomeie ou apague o arquivo manualmente.";
}

class HostileStartupFiles : public cad_testing::HostilePanel {
 protected:
  void SetUp() override {
    HostilePanel::SetUp();
    profile = cad_testing::AddAutoCadProfile(registry, "R24.0\\ACAD-1", "<<Unnamed Profile>>", kSearchPath);
    files.AddFile("d:\\suporte\\acad.lsp", kForeign);
    files.AddFile("d:\\livre\\acad.lsp", "(princ \"livre\")");
  }
  std::string SearchPath() { return StringAt(registry, profile + "\\General", "ACAD"); }
  void ExpectConfiguredWithTheFreeFileSetAside() {
    EXPECT_EQ(SearchPath(), std::string(kSearchPath) + kMerged);
    EXPECT_EQ(files.ReadFile("d:\\livre\\acad-Renomeado-pelo-Geolume-1.lsp"), "(princ \"livre\")");
    EXPECT_EQ(files.ReadFile(cad::kAcadStartupFile), cad::kAcadStartupText);
    EXPECT_EQ(files.ReadFile(cad::kOnStartStartupFile), cad::kOnStartStartupText);
    EXPECT_EQ(form.State(), CentralState::Actions);
  }

  std::string profile;
};

TEST_F(HostileStartupFiles, ForeignFileHeldOpenForReadingIsReportedKeptAndTheRunGoesOn) {
  TakeSnapshot();
  files.HoldOpen("d:\\suporte\\acad.lsp", FileSharing::Read);
  OpenPanel();
  Configure();
  EXPECT_EQ(Errors(), std::vector<std::string>{});
  EXPECT_EQ(Shown(), (std::vector<std::string>{NotMoved("d:\\suporte\\acad.lsp"), cad::messages::kConfiguredPartly}));
  EXPECT_EQ(files.ReadFile("d:\\suporte\\acad.lsp"), kForeign);
  EXPECT_FALSE(files.FileExists("d:\\suporte\\acad-Renomeado-pelo-Geolume-1.lsp"));
  ExpectConfiguredWithTheFreeFileSetAside();
  files.Release("d:\\suporte\\acad.lsp");
  EXPECT_EQ(Lost(), std::vector<std::string>{});
}

TEST_F(HostileStartupFiles, ForeignFileHeldOpenExclusivelyCannotBeJudgedAndStopsTheRun) {
  TakeSnapshot();
  files.HoldOpen("d:\\suporte\\acad.lsp", FileSharing::None);
  OpenPanel();
  Configure();
  EXPECT_EQ(Errors(), std::vector<std::string>{"Cannot read the startup file d:\\suporte\\acad.lsp (error 32)"});
  EXPECT_EQ(Shown(), std::vector<std::string>{});
  EXPECT_EQ(form.State(), CentralState::CadSetup);
  // The sweep stopped at that folder: the search path and the rest wait.
  EXPECT_EQ(SearchPath(), kSearchPath);
  EXPECT_EQ(files.ReadFile("d:\\livre\\acad.lsp"), "(princ \"livre\")");
  EXPECT_FALSE(files.FileExists(cad::kAcadStartupFile));
  files.Release("d:\\suporte\\acad.lsp");
  EXPECT_EQ(Lost(), std::vector<std::string>{});

  // Once the other program lets go, the same panel finishes the work.
  Configure();
  EXPECT_EQ(Errors(), std::vector<std::string>{});
  EXPECT_EQ(Shown(), std::vector<std::string>{cad::messages::kConfigured});
  EXPECT_EQ(files.ReadFile("d:\\suporte\\acad-Renomeado-pelo-Geolume-1.lsp"), kForeign);
  ExpectConfiguredWithTheFreeFileSetAside();
  EXPECT_EQ(Lost(), std::vector<std::string>{});
}

TEST_F(HostileStartupFiles, FiftySetAsideCopiesLeaveTheNextFileInPlaceAndEveryCopyKept) {
  for (int k = 1; k <= 50; ++k) {
    files.AddFile("d:\\suporte\\acad-Renomeado-pelo-Geolume-" + std::to_string(k) + ".lsp",
                  "(princ \"copia " + std::to_string(k) + "\")");
  }
  TakeSnapshot();
  OpenPanel();
  Configure();
  EXPECT_EQ(Errors(), std::vector<std::string>{});
  EXPECT_EQ(Shown(), (std::vector<std::string>{NotMoved("d:\\suporte\\acad.lsp"), cad::messages::kConfiguredPartly}));
  EXPECT_EQ(files.ReadFile("d:\\suporte\\acad.lsp"), kForeign);
  for (int k = 1; k <= 50; ++k) {
    EXPECT_EQ(files.ReadFile("d:\\suporte\\acad-Renomeado-pelo-Geolume-" + std::to_string(k) + ".lsp"),
              "(princ \"copia " + std::to_string(k) + "\")");
  }
  EXPECT_FALSE(files.FileExists("d:\\suporte\\acad-Renomeado-pelo-Geolume-51.lsp"));
  ExpectConfiguredWithTheFreeFileSetAside();
  EXPECT_EQ(Lost(), std::vector<std::string>{});
}

TEST_F(HostileStartupFiles, OwnFileThatCannotBeReadOrReplacedIsReportedAndStopsTheRunAtTheEnd) {
  // The installation root on the search path, its "acad.lsp" locked.
  cad_testing::AddAutoCadProfile(registry, "R24.0\\ACAD-1", "Topografia", "c:\\geolume;d:\\topo");
  files.AddFile(cad::kAcadStartupFile, kOldRootStartup);
  TakeSnapshot();
  files.HoldOpen(cad::kAcadStartupFile, FileSharing::None);
  OpenPanel();
  Configure();
  EXPECT_EQ(Shown(), (std::vector<std::string>{NotMoved("c:\\geolume\\acad.lsp")}));
  EXPECT_EQ(Errors(), std::vector<std::string>{"Cannot write the startup file c:\\geolume\\acad.lsp (error 32)"});
  EXPECT_EQ(form.State(), CentralState::CadSetup);
  // Every profile was configured before the startup files came to be written.
  EXPECT_EQ(SearchPath(), std::string(kSearchPath) + kMerged);
  EXPECT_EQ(StringAt(registry, "\\Software\\Autodesk\\AutoCAD\\R24.0\\ACAD-1\\Profiles\\Topografia\\General", "ACAD"),
            std::string("c:\\geolume;d:\\topo;C:\\geolume\\simbolos"));
  files.Release(cad::kAcadStartupFile);
  EXPECT_EQ(files.ReadFile(cad::kAcadStartupFile), kOldRootStartup);
  EXPECT_FALSE(files.FileExists(cad::kOnStartStartupFile));
  EXPECT_EQ(Lost(), std::vector<std::string>{});
}

TEST_F(HostileStartupFiles, CopyOfTheOwnFileThatCannotBeReadStopsTheRunBeforeItsProfileIsWritten) {
  files.AddFile("d:\\livre\\acad.lsp", cad::kAcadStartupText);
  TakeSnapshot();
  files.HoldOpen("d:\\livre\\acad.lsp", FileSharing::None);
  OpenPanel();
  Configure();
  EXPECT_EQ(Errors(), std::vector<std::string>{"Cannot read the startup file d:\\livre\\acad.lsp (error 32)"});
  EXPECT_EQ(Shown(), std::vector<std::string>{});
  EXPECT_EQ(form.State(), CentralState::CadSetup);
  EXPECT_EQ(files.ReadFile("d:\\suporte\\acad-Renomeado-pelo-Geolume-1.lsp"), kForeign);
  EXPECT_EQ(SearchPath(), kSearchPath);
  files.Release("d:\\livre\\acad.lsp");
  EXPECT_EQ(files.ReadFile("d:\\livre\\acad.lsp"), cad::kAcadStartupText);
  EXPECT_EQ(Lost(), std::vector<std::string>{});
}

}  // namespace
