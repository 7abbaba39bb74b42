// Hostile registries under the real Instalar.exe window: thousands of
// profiles, a tree nested to the registry's depth limit, search paths and
// counts of the wrong type or size. Each case asserts the boxes shown, what
// was written, what was kept, and that the program still ends cleanly.
#include <windows.h>
#undef CopyFile
#undef DeleteFile

#include <gtest/gtest.h>

#include "cad/cad_messages.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_registry.h"
#include "testing/cad/nothing_lost.h"
#include "tests/windows/cad/installer_window.h"
#include "testing/windows_support/registry_export.h"
#include "tests/windows/cad/seeded_cad_machine.h"

namespace {

using cad_machine::kUser;
using cad_window::Box;

constexpr char kMerged[] = ";C:\\geolume;C:\\geolume\\simbolos";
constexpr char kAcad2021[] = "C:\\Program Files\\Autodesk\\AutoCAD 2021\\support";
constexpr char kAutoCadProfiles[] = "\\Software\\Autodesk\\AutoCAD\\R24.0\\ACAD-4101:416\\Profiles\\";
constexpr char kAutoCadProfile[] = "\\Software\\Autodesk\\AutoCAD\\R24.0\\ACAD-4101:416\\Profiles\\<<Quebrado>>";
constexpr char kBricsCadConfig[] = "\\Software\\Bricsys\\BricsCAD\\V23x64\\Profiles\\Default\\Config";
constexpr char kGstarCadProfile[] = "\\SOFTWARE\\Gstarsoft\\GstarCAD\\R23\\Profiles\\Default";

std::string Numbered(int number) {
  std::string digits = std::to_string(number);
  return std::string(4 - digits.size(), '0') + digits;
}

class HostileRegistryWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(wintest::MakeFolders("C:\\geolume"));
    ASSERT_TRUE(window.ChoosePortugues());
  }
  void TearDown() override { EXPECT_EQ(window.Leave(), 0) << "the program ends cleanly"; }

  void Raw(const std::string& key, const std::string& name, DWORD type, const std::string& bytes) {
    seed.Key(key);
    HKEY opened = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, platform::Widen(key.substr(1)).c_str(), 0, KEY_SET_VALUE, &opened),
              ERROR_SUCCESS);
    RegSetValueExW(opened, platform::Widen(name).c_str(), 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                   static_cast<DWORD>(bytes.size()));
    RegCloseKey(opened);
  }
  // Text as the registry stores it: UTF-16 with its terminating zero.
  static std::string Utf16(const std::string& text) {
    const std::wstring wide = platform::Widen(text);
    return std::string(reinterpret_cast<const char*>(wide.c_str()), (wide.size() + 1) * sizeof(wchar_t));
  }
  void AutoCadProfile(const std::string& key, const std::string& acad) {
    seed.Key(key + "\\Editor Configuration");
    seed.Text(key + "\\General", "ACAD", acad);
    seed.Key(key + "\\Variables");
  }
  void GstarCadProfile(const std::string& key, const std::string& gcad) {
    seed.Key(key + "\\Editor Configuration");
    seed.Text(key + "\\General", "GCAD", gcad);
  }
  void SeedOneOfEach() {
    AutoCadProfile(kAutoCadProfile, std::string(kAcad2021) + ";C:\\Suporte\\A");
    seed.Text(kBricsCadConfig, "SRCHPATH", "C:\\Suporte\\B");
    GstarCadProfile(kGstarCadProfile, "C:\\GstarCAD\\R23\\support;C:\\Suporte\\G");
    seed.File("C:\\Suporte\\A\\acad.lsp", "(princ \"a\")");
    seed.File("C:\\Suporte\\B\\on_start.lsp", "(princ \"b\")");
    seed.File("C:\\Suporte\\G\\acad.lsp", "(princ \"g\")");
  }
  std::string Text(const std::string& key, const std::string& name) {
    const auto value = registry.ReadValue(kUser, key, name);
    if (!value) return "<missing>";
    EXPECT_EQ(value->type, platform::RegistryValueType::String) << key << " " << name;
    return value->text;
  }
  void TakeSnapshot() { before = nothing_lost::Take(registry, files); }
  std::vector<std::string> Lost() { return nothing_lost::Lost(before, registry, files); }
  // Configurar, and the boxes up to the closing "Information" one.
  std::vector<std::string> Configure() {
    std::vector<std::string> texts;
    if (!window.Press("Configurar")) return texts;
    for (const Box& box : window.BoxesUntil("Information")) texts.push_back(box.text);
    return texts;
  }
  // An error on the error display: its text, after checking its title.
  std::string ErrorShown() {
    const Box box = window.WaitForBox();
    EXPECT_EQ(box.caption, "Instalar");
    EXPECT_TRUE(window.Close(box));
    return box.text;
  }

  platform::Win32Registry registry;
  platform::Win32FileSystem files;
  cad_machine::Seeder seed{registry, files};
  wintest::Process installer = wintest::Process::Start(wintest::MakeMedium("C:\\medium"));
  cad_window::InstallerWindow window{installer};
  nothing_lost::Snapshot before;
};

// A second run over as many is left to the host test and to the nothing-lost
// case: under a loaded Wine one run of this size already takes minutes.
TEST_F(HostileRegistryWindow, ThousandsOfProfilesAreListedAndConfigured) {
  constexpr int kAutoCad = 1000, kBricsCad = 100, kGstarCad = 100;
  for (int i = 0; i < kAutoCad; ++i) {
    AutoCadProfile(kAutoCadProfiles + ("<<P" + Numbered(i) + ">>"), std::string(kAcad2021) + ";C:\\A" + Numbered(i));
  }
  for (int i = 0; i < kBricsCad; ++i) {
    seed.Text("\\Software\\Bricsys\\BricsCAD\\V23x64\\Profiles\\B" + Numbered(i) + "\\Config", "SRCHPATH",
              "C:\\B" + Numbered(i));
  }
  for (int i = 0; i < kGstarCad; ++i) {
    GstarCadProfile("\\SOFTWARE\\Gstarsoft\\GstarCAD\\R23\\Profiles\\G" + Numbered(i), "C:\\G" + Numbered(i));
  }
  seed.File("C:\\A0999\\acad.lsp", "(princ \"ultimo\")");
  TakeSnapshot();

  ASSERT_TRUE(window.OpenPanel(kAutoCad + kBricsCad + kGstarCad, cad_window::kRunTimeoutMs));
  const auto lines = wintest::CheckListLines(window.List());
  EXPECT_EQ(lines[0].text, "AUTOCAD 2021 <<P0000>>");
  EXPECT_EQ(lines[kAutoCad - 1].text, "AUTOCAD 2021 <<P0999>>");
  EXPECT_EQ(lines[kAutoCad].text, "BRICSCAD V23X64 - B0000");
  EXPECT_EQ(lines[kAutoCad + kBricsCad].text, "C:\\G0000");
  int ticked = 0;
  for (const auto& line : lines) ticked += line.checked ? 1 : 0;
  EXPECT_EQ(ticked, kAutoCad + kBricsCad + kGstarCad);

  EXPECT_EQ(Configure(), std::vector<std::string>{cad::messages::kConfigured});
  EXPECT_TRUE(window.ActionsShown());
  for (int i = 0; i < kAutoCad; ++i) {
    ASSERT_EQ(Text(kAutoCadProfiles + ("<<P" + Numbered(i) + ">>\\General"), "ACAD"),
              std::string(kAcad2021) + ";C:\\A" + Numbered(i) + kMerged);
  }
  for (int i = 0; i < kBricsCad; ++i) {
    ASSERT_EQ(Text("\\Software\\Bricsys\\BricsCAD\\V23x64\\Profiles\\B" + Numbered(i) + "\\Config", "SRCHPATH"),
              "C:\\B" + Numbered(i) + kMerged);
  }
  for (int i = 0; i < kGstarCad; ++i) {
    ASSERT_EQ(Text("\\SOFTWARE\\Gstarsoft\\GstarCAD\\R23\\Profiles\\G" + Numbered(i) + "\\Dialogs\\Appload\\Startup",
                   "1Startup"),
              "c:\\geolume\\geolume15.vlx");
  }
  EXPECT_EQ(wintest::ReadWholeFile("C:\\A0999\\acad-Renomeado-pelo-Geolume-1.lsp"), "(princ \"ultimo\")");
  EXPECT_EQ(Lost(), std::vector<std::string>{});

}

TEST_F(HostileRegistryWindow, TreeNestedToTheRegistrysDepthLimitIsSearchedToTheBottom) {
  // Windows keeps at most 512 levels; the profile sits just above the limit.
  std::string nested;
  for (int level = 0; level < 500; ++level) nested += "n\\";
  const std::string deep = kAutoCadProfiles + nested + "<<Fundo>>";
  AutoCadProfile(kAutoCadProfiles + std::string("<<Raso>>"), kAcad2021);
  AutoCadProfile(deep, std::string(kAcad2021) + ";C:\\Fundo");
  seed.File("C:\\Fundo\\acad.lsp", "(princ \"fundo\")");
  TakeSnapshot();

  ASSERT_TRUE(window.OpenPanel(2));
  const auto lines = wintest::CheckListLines(window.List());
  EXPECT_EQ(lines[0].text, "AUTOCAD 2021 <<Raso>>");
  EXPECT_EQ(lines[1].text, "AUTOCAD 2021 <<Fundo>>");
  EXPECT_EQ(Configure(), std::vector<std::string>{cad::messages::kConfigured});
  EXPECT_EQ(Text(deep + "\\General", "ACAD"), std::string(kAcad2021) + ";C:\\Fundo" + kMerged);
  EXPECT_EQ(Text(deep + "\\Variables", "LISPSYS"), "0");
  EXPECT_EQ(wintest::ReadWholeFile("C:\\Fundo\\acad-Renomeado-pelo-Geolume-1.lsp"), "(princ \"fundo\")");
  EXPECT_EQ(Lost(), std::vector<std::string>{});
  EXPECT_TRUE(window.ActionsShown());
}

TEST_F(HostileRegistryWindow, SearchPathThatIsNoTextIsNamedAndStopsTheListingOrTheRun) {
  SeedOneOfEach();
  TakeSnapshot();
  const std::string autocad_general = std::string(kAutoCadProfile) + "\\General";
  const std::string gstar_general = std::string(kGstarCadProfile) + "\\General";
  const std::string number("\x2a\0\0\0", 4);
  const std::string binary("\x43\x3a\x00\xff", 4);
  struct Spoiled {
    std::string key, name, former;
  };
  // Read for the list's lines: the listing stops, the actions stay.
  for (const Spoiled& spoiled : {Spoiled{autocad_general, "ACAD", std::string(kAcad2021) + ";C:\\Suporte\\A"},
                                 Spoiled{gstar_general, "GCAD", "C:\\GstarCAD\\R23\\support;C:\\Suporte\\G"}}) {
    for (const auto& [type, bytes] : {std::pair{DWORD{REG_DWORD}, number}, std::pair{DWORD{REG_BINARY}, binary}}) {
      SCOPED_TRACE(spoiled.name + " of type " + std::to_string(type));
      Raw(spoiled.key, spoiled.name, type, bytes);
      const std::string registry_before = registry_export::HostTrees();
      ASSERT_TRUE(window.Press("Configurar CAD"));
      EXPECT_EQ(ErrorShown(), "Tipo de dado inválido no valor '" + spoiled.name + "' de HKEY_CURRENT_USER" + spoiled.key + ".");
      EXPECT_TRUE(window.ActionsShown());
      EXPECT_EQ(window.List(), nullptr) << "the panel is not shown";
      EXPECT_TRUE(registry_export::HostTrees() == registry_before);
      seed.Text(spoiled.key, spoiled.name, spoiled.former);
    }
  }
  // Read only by the run: it stops there, the panel stays, AutoCAD is done.
  for (const auto& [type, bytes] : {std::pair{DWORD{REG_DWORD}, number}, std::pair{DWORD{REG_BINARY}, binary}}) {
    SCOPED_TRACE("SRCHPATH of type " + std::to_string(type));
    Raw(kBricsCadConfig, "SRCHPATH", type, bytes);
    ASSERT_TRUE(window.OpenPanel(3));
    ASSERT_TRUE(window.Press("Configurar"));
    EXPECT_EQ(ErrorShown(), "Tipo de dado inválido no valor 'SRCHPATH' de HKEY_CURRENT_USER" + std::string(kBricsCadConfig) + ".");
    EXPECT_NE(window.List(), nullptr) << "the panel stays";
    EXPECT_EQ(Text(autocad_general, "ACAD"), std::string(kAcad2021) + ";C:\\Suporte\\A" + kMerged);
    EXPECT_EQ(Text(gstar_general, "GCAD"), "C:\\GstarCAD\\R23\\support;C:\\Suporte\\G");
    EXPECT_FALSE(wintest::FileExists("C:\\geolume\\acad.lsp"));
    ASSERT_TRUE(window.Press("Cancelar"));
    EXPECT_TRUE(window.ActionsShown());
  }
  seed.Text(kBricsCadConfig, "SRCHPATH", "C:\\Suporte\\B");
  EXPECT_EQ(Lost(), std::vector<std::string>{});
}

TEST_F(HostileRegistryWindow, ExpandableAnd32KiBSearchPathsAreReadAsTextAndMergedWhole) {
  std::string long_path = std::string(kAcad2021) + ";C:\\Suporte\\A";
  for (int folder = 0; long_path.size() < 32 * 1024; ++folder) long_path += ";C:\\Longo\\Pasta" + Numbered(folder);
  long_path.resize(32 * 1024);
  const std::string acad = "%APPDATA%\\Autodesk\\AutoCAD 2021\\R24.0\\ptb\\support;C:\\Suporte\\A";
  const std::string gcad = "%APPDATA%\\Gstarsoft\\GstarCAD\\R23\\support;C:\\Suporte\\G";
  const std::string srchpath = "C:\\Suporte\\B;" + long_path;
  const std::string long_profile = kAutoCadProfiles + std::string("<<Longo>>");
  SeedOneOfEach();
  Raw(std::string(kAutoCadProfile) + "\\General", "ACAD", REG_EXPAND_SZ, Utf16(acad));
  Raw(std::string(kGstarCadProfile) + "\\General", "GCAD", REG_EXPAND_SZ, Utf16(gcad));
  AutoCadProfile(long_profile, long_path);
  seed.Text(kBricsCadConfig, "SRCHPATH", srchpath);
  TakeSnapshot();

  ASSERT_TRUE(window.OpenPanel(4));
  std::vector<std::string> texts;
  for (const auto& line : wintest::CheckListLines(window.List())) texts.push_back(line.text);
  EXPECT_EQ(texts, (std::vector<std::string>{"AUTOCAD 2021 <<Longo>>", "AUTOCAD 2021 <<Quebrado>>",
                                             "BRICSCAD V23X64 - Default", "GSTARCAD R23"}));
  EXPECT_EQ(Configure(), std::vector<std::string>{cad::messages::kConfigured});
  EXPECT_EQ(Text(std::string(kAutoCadProfile) + "\\General", "ACAD"), acad + kMerged);
  EXPECT_EQ(Text(std::string(kGstarCadProfile) + "\\General", "GCAD"), gcad + kMerged);
  EXPECT_EQ(Text(long_profile + "\\General", "ACAD"), long_path + kMerged);
  EXPECT_EQ(Text(kBricsCadConfig, "SRCHPATH"), srchpath + kMerged);
  EXPECT_EQ(wintest::ReadWholeFile("C:\\Suporte\\A\\acad-Renomeado-pelo-Geolume-1.lsp"), "(princ \"a\")");
  EXPECT_EQ(wintest::ReadWholeFile("C:\\Suporte\\B\\on_start-Renomeado-pelo-Geolume-1.lsp"), "(princ \"b\")");
  EXPECT_EQ(wintest::ReadWholeFile("C:\\Suporte\\G\\acad-Renomeado-pelo-Geolume-1.lsp"), "(princ \"g\")");
  EXPECT_EQ(Lost(), std::vector<std::string>{});
}

TEST_F(HostileRegistryWindow, StartupSuiteCountThatIsNoCountStopsEachRunAndTouchesNoEntry) {
  SeedOneOfEach();
  const std::string suite = std::string(kGstarCadProfile) + "\\Dialogs\\Appload\\Startup";
  seed.Text(suite, "1Startup", "C:\\Suporte\\G\\cotas.vlx");
  ASSERT_TRUE(window.OpenPanel(3));
  for (const std::string count : {"abc", "-3", "999999999"}) {
    SCOPED_TRACE(count);
    seed.Text(suite, "NumStartup", count);
    TakeSnapshot();
    ASSERT_TRUE(window.Press("Configurar"));
    EXPECT_EQ(ErrorShown(), "O grupo de inicialização do perfil do GstarCAD HKEY_CURRENT_USER" +
                                std::string(kGstarCadProfile) + " tem 'NumStartup' = '" + count +
                                "', que não é uma contagem de no máximo 4 dígitos decimais.");
    EXPECT_NE(window.List(), nullptr) << "the panel stays for another try";
    EXPECT_EQ(Text(suite, "NumStartup"), count);
    EXPECT_EQ(Text(suite, "1Startup"), "C:\\Suporte\\G\\cotas.vlx");
    EXPECT_FALSE(registry.ReadValue(kUser, suite, "2Startup"));
    EXPECT_FALSE(registry.ReadValue(kUser, suite, "-2Startup"));
    EXPECT_EQ(Text(std::string(kGstarCadProfile) + "\\General", "GCAD"),
              std::string("C:\\GstarCAD\\R23\\support;C:\\Suporte\\G") + kMerged);
    EXPECT_FALSE(wintest::FileExists("C:\\geolume\\acad.lsp"));
    EXPECT_EQ(Lost(), std::vector<std::string>{});
  }
  ASSERT_TRUE(window.Press("Cancelar"));
  EXPECT_TRUE(window.ActionsShown());
}

}  // namespace
