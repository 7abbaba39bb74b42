// Hostile registries under the CAD panel: thousands of profiles, a tree nested
// as deep as a stack would not bear, search paths and counts of the wrong
// type or size. Each case asserts what the user saw, what was written and
// what was kept.
#include <pthread.h>

#include <functional>

#include "cad/cad_messages.h"
#include "cad/own_startup_files.h"
#include "cad/profile_display_text.h"
#include "tests/host/cad/hostile_panel.h"

namespace {

using cad_testing::kUser;
using cad_testing::StringAt;
using shell::CentralState;

constexpr char kMerged[] = ";C:\\geolume;C:\\geolume\\simbolos";
constexpr char kAcad2021[] = "C:\\Program Files\\Autodesk\\AutoCAD 2021\\support";
constexpr char kAutoCadProfile[] = "\\Software\\Autodesk\\AutoCAD\\R24.0\\ACAD-1\\Profiles\\<<Quebrado>>";
constexpr char kBricsCadConfig[] = "\\Software\\Bricsys\\BricsCAD\\V23x64\\Profiles\\Default\\Config";
constexpr char kGstarCadProfile[] = "\\SOFTWARE\\Gstarsoft\\GstarCAD\\R23\\Profiles\\Default";

std::string Numbered(int number) {
  std::string digits = std::to_string(number);
  return std::string(4 - digits.size(), '0') + digits;
}

// Runs the work on a thread with a small stack, as a deep recursion would
// overflow it: a crash there fails the test.
void OnSmallStack(const std::function<void()>& work) {
  pthread_attr_t attributes;
  pthread_attr_init(&attributes);
  pthread_attr_setstacksize(&attributes, 64 * 1024);
  pthread_t thread;
  auto run = [](void* argument) -> void* {
    (*static_cast<const std::function<void()>*>(argument))();
    return nullptr;
  };
  ASSERT_EQ(pthread_create(&thread, &attributes, run, const_cast<std::function<void()>*>(&work)), 0);
  pthread_join(thread, nullptr);
  pthread_attr_destroy(&attributes);
}

class HostileRegistry : public cad_testing::HostilePanel {
 protected:
  // One profile of each host, AutoCAD's first, with foreign startup files.
  void SeedOneOfEach() {
    cad_testing::AddAutoCadProfile(registry, "R24.0\\ACAD-1", "<<Quebrado>>",
                                   std::string(kAcad2021) + ";d:\\a");
    cad_testing::AddBricsCadProfile(registry, "V23x64", "Default", "d:\\b");
    cad_testing::AddGstarCadProfile(registry, "R23", "Default", "C:\\GstarCAD\\R23\\support;d:\\g");
    files.AddFile("d:\\a\\acad.lsp", "(princ \"a\")");
    files.AddFile("d:\\b\\on_start.lsp", "(princ \"b\")");
    files.AddFile("d:\\g\\acad.lsp", "(princ \"g\")");
  }
};

TEST_F(HostileRegistry, ThousandsOfProfilesAreAllListedConfiguredAndLeftAloneTheSecondTime) {
  constexpr int kAutoCad = 1200, kBricsCad = 400, kGstarCad = 400;
  std::vector<std::string> autocad, bricscad, gstarcad;
  for (int i = 0; i < kAutoCad; ++i) {
    autocad.push_back(cad_testing::AddAutoCadProfile(registry, "R24.0\\ACAD-1", "<<P" + Numbered(i) + ">>",
                                                     std::string(kAcad2021) + ";d:\\a" + Numbered(i)));
  }
  for (int i = 0; i < kBricsCad; ++i) {
    bricscad.push_back(cad_testing::AddBricsCadProfile(registry, "V23x64", "B" + Numbered(i), "d:\\b" + Numbered(i)));
  }
  for (int i = 0; i < kGstarCad; ++i) {
    gstarcad.push_back(cad_testing::AddGstarCadProfile(registry, "R23", "G" + Numbered(i), "d:\\g" + Numbered(i)));
  }
  files.AddFile("d:\\a1199\\acad.lsp", "(princ \"ultimo\")");
  TakeSnapshot();

  OpenPanel();
  ASSERT_EQ(form.State(), CentralState::CadSetup);
  const auto& items = form.cadlist.Items();
  ASSERT_EQ(items.Count(), kAutoCad + kBricsCad + kGstarCad);
  EXPECT_EQ(items[0], "AUTOCAD 2021 <<P0000>>");
  EXPECT_EQ(items[kAutoCad - 1], "AUTOCAD 2021 <<P1199>>");
  EXPECT_EQ(items[kAutoCad], "BRICSCAD V23X64 - B0000");
  EXPECT_EQ(items[kAutoCad + kBricsCad], "D:\\G0000");
  for (int line = 0; line < items.Count(); ++line) ASSERT_TRUE(form.cadlist.Checked(line)) << line;

  Configure();
  EXPECT_EQ(Errors(), std::vector<std::string>{});
  EXPECT_EQ(Shown(), std::vector<std::string>{cad::messages::kConfigured});
  EXPECT_EQ(form.State(), CentralState::Actions);
  for (int i = 0; i < kAutoCad; ++i) {
    ASSERT_EQ(StringAt(registry, autocad[i] + "\\General", "ACAD"),
              std::string(kAcad2021) + ";d:\\a" + Numbered(i) + kMerged);
    ASSERT_EQ(StringAt(registry, autocad[i] + "\\Variables", "TRUSTEDPATHS"), "C:\\geolume");
  }
  for (int i = 0; i < kBricsCad; ++i) {
    ASSERT_EQ(StringAt(registry, bricscad[i], "SRCHPATH"), "d:\\b" + Numbered(i) + kMerged);
  }
  for (int i = 0; i < kGstarCad; ++i) {
    ASSERT_EQ(StringAt(registry, gstarcad[i] + "\\Dialogs\\Appload\\Startup", "1Startup"),
              "c:\\geolume\\geolume15.vlx");
  }
  EXPECT_EQ(files.ReadFile("d:\\a1199\\acad-Renomeado-pelo-Geolume-1.lsp"), "(princ \"ultimo\")");
  EXPECT_EQ(Lost(), std::vector<std::string>{});

  const std::string once = registry.Export();
  OpenPanel();
  Configure();
  EXPECT_EQ(Shown(), std::vector<std::string>{cad::messages::kConfigured});
  EXPECT_EQ(registry.Export(), once);
}

TEST_F(HostileRegistry, DeeplyNestedTreeIsSearchedToTheBottomWithoutExhaustingTheStack) {
  std::string nested;
  for (int level = 0; level < 1500; ++level) nested += "n\\";
  const auto shallow = cad_testing::AddAutoCadProfile(registry, "R24.0\\ACAD-1", "<<Raso>>", kAcad2021);
  const auto deep = cad_testing::AddAutoCadProfile(registry, "R24.0\\ACAD-1", nested + "<<Fundo>>",
                                                   std::string(kAcad2021) + ";d:\\fundo");
  files.AddFile("d:\\fundo\\acad.lsp", "(princ \"fundo\")");
  TakeSnapshot();

  std::vector<cad::CadProfile> found;
  OnSmallStack([&] { found = cad::ListedCadProfiles(registry); });
  ASSERT_EQ(found.size(), 2u);
  EXPECT_EQ(found[0].keyPath, shallow);
  EXPECT_EQ(found[1].keyPath, deep);

  OpenPanel();
  EXPECT_EQ(form.cadlist.Items().Lines(),
            (std::vector<std::string>{"AUTOCAD 2021 <<Raso>>", "AUTOCAD 2021 <<Fundo>>"}));
  Configure();
  EXPECT_EQ(Errors(), std::vector<std::string>{});
  EXPECT_EQ(Shown(), std::vector<std::string>{cad::messages::kConfigured});
  EXPECT_EQ(StringAt(registry, deep + "\\General", "ACAD"), std::string(kAcad2021) + ";d:\\fundo" + kMerged);
  EXPECT_EQ(StringAt(registry, deep + "\\Variables", "LISPSYS"), "0");
  EXPECT_EQ(files.ReadFile("d:\\fundo\\acad-Renomeado-pelo-Geolume-1.lsp"), "(princ \"fundo\")");
  EXPECT_EQ(Lost(), std::vector<std::string>{});
}

// A search path that is no text stops the listing or the run (the listing
// reads "ACAD" and "GCAD" for the lines; "SRCHPATH" only the run reads).
struct SpoiledValue {
  const char* key;
  const char* name;
  bool as_number;
};

TEST_F(HostileRegistry, SearchPathThatIsNoTextStopsTheListingNamingKeyAndValue) {
  const std::string autocad_general = std::string(kAutoCadProfile) + "\\General";
  const std::string gstarcad_general = std::string(kGstarCadProfile) + "\\General";
  for (const auto& spoiled : {SpoiledValue{autocad_general.c_str(), "ACAD", true},
                              SpoiledValue{autocad_general.c_str(), "ACAD", false},
                              SpoiledValue{gstarcad_general.c_str(), "GCAD", true},
                              SpoiledValue{gstarcad_general.c_str(), "GCAD", false}}) {
    SCOPED_TRACE(std::string(spoiled.name) + (spoiled.as_number ? " as a number" : " as binary"));
    registry.DeleteKey(kUser, "\\Software");
    registry.DeleteKey(kUser, "\\SOFTWARE");
    SeedOneOfEach();
    if (spoiled.as_number) registry.SetDword(kUser, spoiled.key, spoiled.name, 42);
    if (!spoiled.as_number) registry.SetBinary(kUser, spoiled.key, spoiled.name, {0x43, 0x3a, 0x00, 0xff});
    TakeSnapshot();
    const std::string registry_before = registry.Export();
    const std::string files_before = files.Export();

    OpenPanel();
    EXPECT_EQ(Errors(), std::vector<std::string>{"Tipo de dado inválido no valor '" + std::string(spoiled.name) +
                                                 "' de HKEY_CURRENT_USER" + spoiled.key + "."});
    EXPECT_EQ(Shown(), std::vector<std::string>{});
    // The handler stopped before the panel: the actions stay and still work.
    EXPECT_EQ(form.State(), CentralState::Actions);
    EXPECT_TRUE(form.lblConfigurar.Visible());
    EXPECT_EQ(registry.Export(), registry_before);
    EXPECT_EQ(files.Export(), files_before);
    EXPECT_EQ(Lost(), std::vector<std::string>{});
  }
}

TEST_F(HostileRegistry, ListingThatStopsLeavesAnEmptyListThatCannotBeConfigured) {
  SeedOneOfEach();
  OpenPanel();
  ASSERT_TRUE(form.Button1.Enabled());
  registry.SetBinary(kUser, std::string(kAutoCadProfile) + "\\General", "ACAD", {0x43});
  // As the end of an installation lists the profiles, with the panel shown.
  app.Dispatch([this] { form.cad_panel.ListCadProfiles(); });
  EXPECT_EQ(Errors().size(), 1u);
  EXPECT_EQ(form.cadlist.Items().Count(), 0);
  EXPECT_FALSE(form.Button1.Enabled());
  Press(form.Button2);
  EXPECT_EQ(form.State(), CentralState::Actions);
}

TEST_F(HostileRegistry, SettingThatIsNoTextStopsTheRunWhereItIsReadAndKeepsWhatWasWritten) {
  const std::string variables = std::string(kAutoCadProfile) + "\\Variables";
  const std::string suite = std::string(kGstarCadProfile) + "\\Dialogs\\Appload\\Startup";
  for (const auto& spoiled : {SpoiledValue{kBricsCadConfig, "SRCHPATH", true},
                              SpoiledValue{kBricsCadConfig, "SRCHPATH", false},
                              SpoiledValue{variables.c_str(), "TRUSTEDPATHS", true},
                              SpoiledValue{suite.c_str(), "NumStartup", true}}) {
    SCOPED_TRACE(std::string(spoiled.name) + (spoiled.as_number ? " as a number" : " as binary"));
    registry.DeleteKey(kUser, "\\Software");
    registry.DeleteKey(kUser, "\\SOFTWARE");
    files.DeleteFile(cad::kAcadStartupFile);
    SeedOneOfEach();
    if (spoiled.as_number) registry.SetDword(kUser, spoiled.key, spoiled.name, 1);
    if (!spoiled.as_number) registry.SetBinary(kUser, spoiled.key, spoiled.name, {0x64, 0x00});
    TakeSnapshot();

    OpenPanel();
    ASSERT_EQ(form.cadlist.Items().Count(), 3);
    Configure();
    EXPECT_EQ(Errors(), std::vector<std::string>{"Tipo de dado inválido no valor '" + std::string(spoiled.name) +
                                                 "' de HKEY_CURRENT_USER" + spoiled.key + "."});
    EXPECT_EQ(Shown(), std::vector<std::string>{}) << "no closing box";
    EXPECT_EQ(form.State(), CentralState::CadSetup) << "the panel stays open";
    // AutoCAD's search path is written before any of these is read.
    EXPECT_EQ(StringAt(registry, std::string(kAutoCadProfile) + "\\General", "ACAD"),
              std::string(kAcad2021) + ";d:\\a" + kMerged);
    EXPECT_FALSE(files.FileExists(cad::kAcadStartupFile));
    EXPECT_EQ(Lost(), std::vector<std::string>{});
    Press(form.Button2);
    EXPECT_EQ(form.State(), CentralState::Actions) << "Cancelar still works";
  }
}

TEST_F(HostileRegistry, ExpandableSearchPathsAreReadAsTheirTextAndWrittenBackWithTheProductFolders) {
  const std::string acad = "%APPDATA%\\Autodesk\\AutoCAD 2021\\R24.0\\ptb\\support;d:\\a";
  const std::string srchpath = "%ProgramFiles%\\Bricsys\\BricsCAD V23\\Support;d:\\b";
  const std::string gcad = "%APPDATA%\\Gstarsoft\\GstarCAD\\R23\\support";
  registry.SetExpandString(kUser, cad_testing::AddAutoCadProfile(registry, "R24.0\\ACAD-1", "<<X>>") + "\\General",
                           "ACAD", acad);
  registry.SetExpandString(kUser, cad_testing::AddBricsCadProfile(registry, "V23x64", "Default", ""), "SRCHPATH",
                           srchpath);
  const auto gstar = cad_testing::AddGstarCadProfile(registry, "R23", "Default", "");
  registry.SetExpandString(kUser, gstar + "\\General", "GCAD", gcad);
  files.AddFile("d:\\a\\acad.lsp", "(princ)");
  TakeSnapshot();

  OpenPanel();
  EXPECT_EQ(form.cadlist.Items().Lines(),
            (std::vector<std::string>{"AUTOCAD 2021 <<X>>", "BRICSCAD V23X64 - Default", "GSTARCAD R23"}));
  Configure();
  EXPECT_EQ(Errors(), std::vector<std::string>{});
  EXPECT_EQ(Shown(), std::vector<std::string>{cad::messages::kConfigured});
  const std::string autocad = "\\Software\\Autodesk\\AutoCAD\\R24.0\\ACAD-1\\Profiles\\<<X>>";
  EXPECT_EQ(StringAt(registry, autocad + "\\General", "ACAD"), acad + kMerged);
  EXPECT_EQ(StringAt(registry, kBricsCadConfig, "SRCHPATH"), srchpath + kMerged);
  EXPECT_EQ(StringAt(registry, gstar + "\\General", "GCAD"), gcad + kMerged);
  EXPECT_EQ(files.ReadFile("d:\\a\\acad-Renomeado-pelo-Geolume-1.lsp"), "(princ)");
  EXPECT_EQ(Lost(), std::vector<std::string>{});
}

TEST_F(HostileRegistry, SearchPathsOf32KiBAreSweptListedAndMergedWhole) {
  std::string acad = std::string(kAcad2021) + ";d:\\a";
  for (int folder = 0; acad.size() < 32 * 1024; ++folder) acad += ";d:\\longo\\pasta" + Numbered(folder % 10000);
  acad.resize(32 * 1024);
  const std::string gcad = "C:\\GstarCAD\\R23\\support;d:\\g;" + acad;
  const std::string srchpath = "d:\\b;" + acad;
  const auto autocad = cad_testing::AddAutoCadProfile(registry, "R24.0\\ACAD-1", "<<Longo>>", acad);
  cad_testing::AddBricsCadProfile(registry, "V23x64", "Default", srchpath);
  const auto gstar = cad_testing::AddGstarCadProfile(registry, "R23", "Default", gcad);
  files.AddFile("d:\\a\\acad.lsp", "(princ \"a\")");
  files.AddFile("d:\\b\\on_start.lsp", "(princ \"b\")");
  files.AddFile("d:\\g\\acad.lsp", "(princ \"g\")");
  TakeSnapshot();

  OpenPanel();
  EXPECT_EQ(form.cadlist.Items().Lines(),
            (std::vector<std::string>{"AUTOCAD 2021 <<Longo>>", "BRICSCAD V23X64 - Default", "GSTARCAD R23"}));
  Configure();
  EXPECT_EQ(Errors(), std::vector<std::string>{});
  EXPECT_EQ(Shown(), std::vector<std::string>{cad::messages::kConfigured});
  EXPECT_EQ(StringAt(registry, autocad + "\\General", "ACAD"), acad + kMerged);
  EXPECT_EQ(StringAt(registry, kBricsCadConfig, "SRCHPATH"), srchpath + kMerged);
  EXPECT_EQ(StringAt(registry, gstar + "\\General", "GCAD"), gcad + kMerged);
  EXPECT_EQ(files.ReadFile("d:\\a\\acad-Renomeado-pelo-Geolume-1.lsp"), "(princ \"a\")");
  EXPECT_EQ(files.ReadFile("d:\\b\\on_start-Renomeado-pelo-Geolume-1.lsp"), "(princ \"b\")");
  EXPECT_EQ(files.ReadFile("d:\\g\\acad-Renomeado-pelo-Geolume-1.lsp"), "(princ \"g\")");
  EXPECT_EQ(Lost(), std::vector<std::string>{});
}

TEST_F(HostileRegistry, StartupSuiteCountThatIsNoCountStopsTheRunAndTouchesNoEntry) {
  SeedOneOfEach();
  const std::string suite = std::string(kGstarCadProfile) + "\\Dialogs\\Appload\\Startup";
  registry.SetString(kUser, suite, "1Startup", "d:\\g\\cotas.vlx");
  for (const std::string count : {"abc", "-3", "999999999"}) {
    SCOPED_TRACE(count);
    registry.SetString(kUser, suite, "NumStartup", count);
    TakeSnapshot();
    OpenPanel();
    Configure();
    EXPECT_EQ(Errors(), std::vector<std::string>{
                            "O grupo de inicialização do perfil do GstarCAD HKEY_CURRENT_USER" +
                            std::string(kGstarCadProfile) + " tem 'NumStartup' = '" + count +
                            "', que não é uma contagem de no máximo 4 dígitos decimais."});
    EXPECT_EQ(Shown(), std::vector<std::string>{});
    EXPECT_EQ(form.State(), CentralState::CadSetup);
    EXPECT_EQ(StringAt(registry, suite, "NumStartup"), count);
    EXPECT_EQ(StringAt(registry, suite, "1Startup"), "d:\\g\\cotas.vlx");
    EXPECT_FALSE(registry.ReadValue(kUser, suite, "2Startup"));
    EXPECT_FALSE(registry.ReadValue(kUser, suite, "-2Startup"));
    EXPECT_FALSE(registry.ReadValue(kUser, suite, "1000000000Startup"));
    // Everything before the suite was done, the startup files were not written.
    EXPECT_EQ(StringAt(registry, std::string(kGstarCadProfile) + "\\General", "GCAD"),
              std::string("C:\\GstarCAD\\R23\\support;d:\\g") + kMerged);
    EXPECT_FALSE(files.FileExists(cad::kAcadStartupFile));
    EXPECT_EQ(Lost(), std::vector<std::string>{});
  }
}

// The refusals speak the user's language and still name the key and the value.
TEST_F(HostileRegistry, RefusalsAreShownInSpanishAfterSpanishIsChosen) {
  Press(form.lblEspanhol);
  SeedOneOfEach();
  const std::string general = std::string(kAutoCadProfile) + "\\General";
  registry.SetDword(kUser, general, "ACAD", 42);
  OpenPanel();
  EXPECT_EQ(Errors(), std::vector<std::string>{"Tipo de dato no válido en el valor 'ACAD' de HKEY_CURRENT_USER" +
                                               general + "."});
  registry.SetString(kUser, general, "ACAD", kAcad2021);
  const std::string suite = std::string(kGstarCadProfile) + "\\Dialogs\\Appload\\Startup";
  registry.SetString(kUser, suite, "NumStartup", "abc");
  OpenPanel();
  Configure();
  EXPECT_EQ(Errors(), std::vector<std::string>{"El grupo de inicio del perfil de GstarCAD HKEY_CURRENT_USER" +
                                               std::string(kGstarCadProfile) +
                                               " tiene 'NumStartup' = 'abc', que no es un número de como "
                                               "máximo 4 dígitos decimales."});
}

}  // namespace
