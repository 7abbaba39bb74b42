#include <string>
#include <vector>

#include "install/component_registration.h"
#include "install/viewer_control_registration.h"
#include "tests/host/install/install_fixture.h"

namespace {

using install_testing::InstallTest;
using platform::RegistryRoot;

constexpr char kClassKey[] = "\\CLSID\\{6F55C185-A9A7-11D3-91F8-0000E878EB25}";

class RegistrationTest : public InstallTest {
 protected:
  std::string Value(const std::string& key, const std::string& name = "") {
    auto value = windows.registry.ReadValue(RegistryRoot::ClassesRoot, key, name);
    if (!value) return "(missing)";
    return value->type == platform::RegistryValueType::String ? value->text : "(not a string)";
  }
  const std::vector<std::string>& Started() { return windows.processes.Started(); }

  // As an installation leaves it: only administrators may change it or its folder.
  void AddInstalledFile(const std::string& path) {
    windows.files.AddFile(path, "");
    ASSERT_TRUE(windows.files.SetAccess(path, platform::kProtectedFileAccess));
    ASSERT_TRUE(windows.files.SetAccess("c:\\geolume", platform::kProtectedFolderAccess));
  }
};

TEST_F(RegistrationTest, ViewerControlGetsItsFourteenEntriesWithoutItsFile) {
  windows.registry.SetString(RegistryRoot::ClassesRoot, std::string(kClassKey) + "\\Version", "", "0.9");
  install::RegisterViewerControl(windows.registry);
  const std::string c = kClassKey;
  const std::vector<std::vector<std::string>> expected = {
      {"\\Visor de Arquivos", "", "fv Control"},
      {"\\Visor de Arquivos\\Clsid", "", "{6F55C185-A9A7-11D3-91F8-0000E878EB25}"},
      {c, "", "fv Control"},
      {c + "\\Control", "", ""},
      {c + "\\InprocServer32", "", "C:\\GEOLUME\\FVC.OCX"},
      {c + "\\InprocServer32", "ThreadingModel", "Apartment"},
      {c + "\\ProgID", "", "Visor de Arquivos"},
      {c + "\\Version", "", "1.0"},
      {c + "\\TypeLib", "", "{6F55C185-A9A7-11D3-91F8-0000E878EB25}"},
      {c + "\\MiscStatus", "", "0"},
      {c + "\\MiscStatus\\1", "", "205201"},
      {c + "\\ToolboxBitmap32", "", "C:\\GEOLUME\\FVC.OCX,1"},
      {c + "\\Verb", "", ""},
      {c + "\\Verb\\0", "", "Properties,0,2"},
  };
  for (const auto& row : expected) EXPECT_EQ(Value(row[0], row[1]), row[2]) << row[0] << " " << row[1];
}

TEST_F(RegistrationTest, ViewerControlFailureThrowsAndKeepsTheEarlierRows) {
  windows.registry.AddKey(RegistryRoot::ClassesRoot, "\\CLSID");
  windows.registry.SetUnwritable(RegistryRoot::ClassesRoot, "\\CLSID");
  EXPECT_THROW(install::RegisterViewerControl(windows.registry), std::runtime_error);
  EXPECT_EQ(Value("\\Visor de Arquivos\\Clsid"), "{6F55C185-A9A7-11D3-91F8-0000E878EB25}");
}

TEST_F(RegistrationTest, ServerRegisteredBeforeIsStartedOnceWithoutFallback) {
  AddInstalledFile("c:\\geolume\\plotsum.exe");
  windows.registry.AddKey(RegistryRoot::ClassesRoot, "plotsum.plotsum");
  install::RegisterComServer(Context(), install::kPlotsumServer);
  EXPECT_EQ(Started(), (std::vector<std::string>{"c:\\geolume\\plotsum.exe /regserver"}));
}

TEST_F(RegistrationTest, UnregisteredServerGetsTheSystemFoldersRegsvr32Too) {
  AddInstalledFile("c:\\geolume\\drafter.exe");
  install::RegisterComServer(Context(), install::kDrafterServer);
  EXPECT_EQ(Started(), (std::vector<std::string>{
                           "c:\\geolume\\drafter.exe /regserver",
                           "C:\\windows\\system32\\regsvr32 \"c:\\geolume\\drafter.exe\" -s"}));
}

TEST_F(RegistrationTest, ProgIdIsLookedForAfterTheLaunch) {
  AddInstalledFile("c:\\geolume\\plotsum.exe");
  // A server quick enough to have registered itself by the time of the test.
  windows.processes.OnStart([this](const std::string&) {
    windows.registry.AddKey(RegistryRoot::ClassesRoot, "plotsum.plotsum");
  });
  install::RegisterComServer(Context(), install::kPlotsumServer);
  EXPECT_EQ(Started().size(), 1u);
}

TEST_F(RegistrationTest, MissingFilesStartNothing) {
  install::RegisterComServer(Context(), install::kPlotsumServer);
  install::RegisterComServer(Context(), install::kDrafterServer);
  install::RegisterTextControl(Context());
  EXPECT_TRUE(Started().empty());
  EXPECT_TRUE(backend.messages.empty());
}

TEST_F(RegistrationTest, TextControlNeverRegisteredStartsRegsvr32Twice) {
  AddInstalledFile("c:\\geolume\\tx4ole17.ocx");
  const std::string command = "C:\\windows\\system32\\regsvr32 \"c:\\geolume\\tx4ole17.ocx\" -s";
  install::RegisterTextControl(Context());
  EXPECT_EQ(Started(), (std::vector<std::string>{command, command}));
  windows.registry.AddKey(RegistryRoot::ClassesRoot, "TIS.TX.TextControl.17");
  install::RegisterTextControl(Context());
  EXPECT_EQ(Started().size(), 3u);
}

TEST_F(RegistrationTest, ErrorIsShownWithTheRowsTextAndTheRunGoesOn) {
  Portuguese();
  AddMedium();
  AddMediumFile("programa\\", "plotsum.exe");
  AddMediumFile("programa\\", "drafter.exe");
  windows.processes.OnStart([](const std::string& command) {
    if (command.find("plotsum") != std::string::npos) throw std::runtime_error("cannot start");
  });
  Run();
  ASSERT_EQ(backend.messages.size(), 1u);
  EXPECT_EQ(backend.messages[0].text, "Erro ao registrar plotsum.exe");
  EXPECT_EQ(backend.messages[0].caption, "Instalar");
  EXPECT_EQ(Started().back(), "C:\\windows\\system32\\regsvr32 \"c:\\geolume\\drafter.exe\" -s");
  EXPECT_EQ(main.State(), shell::CentralState::CadSetup);
}

}  // namespace

namespace {

// Run as administrator, a server a user could have replaced would run his code.
TEST_F(RegistrationTest, AServerUsersCouldChangeIsNotStartedAndTheRowsErrorShows) {
  // Made by a user before the folder was protected: his, so he may change it.
  windows.files.AddFile("c:\\geolume\\plotsum.exe", "", platform::StandardUser());
  ASSERT_TRUE(windows.files.SetAccess("c:\\geolume", platform::kProtectedFolderAccess));
  install::RegisterComServer(Context(), install::kPlotsumServer);
  EXPECT_TRUE(Started().empty());
  ASSERT_EQ(backend.messages.size(), 1u);
  EXPECT_EQ(backend.messages[0].text, "Erro ao registrar plotsum.exe");
}

}  // namespace
