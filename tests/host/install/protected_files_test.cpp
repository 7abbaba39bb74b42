// What CAD hosts load and what users' clicks start gets the access list that
// only administrators may change; everything else keeps what it inherits.
#include "install/protected_files.h"
#include "tests/host/install/install_fixture.h"
#include "uninstall/logon_setup.h"
#include "uninstall/uninstall_messages.h"

namespace {

using install_testing::InstallTest;

TEST(ProtectedProductFiles, AreEveryProgramLibraryAndCadApplicationOfTheRootAndSymbols) {
  for (const char* path : {"c:\\geolume\\acad.lsp", "C:\\GEOLUME\\On_Start.lsp", "c:\\geolume\\geolume15.vlx",
                           "c:\\Geolume\\x.FAS", "c:\\geolume\\geolume15.des", "c:\\geolume\\simbolos\\a.arx",
                           "c:\\geolume\\Simbolos\\b.dll", "c:\\geolume\\geolume.exe", "c:\\geolume\\nv2010.exe",
                           "c:\\geolume\\planner.exe", "c:\\geolume\\perfil_tipo.exe", "c:\\geolume\\outro.exe",
                           "c:\\geolume\\acaddoc.lsp", "c:\\geolume\\simbolos\\acad.rx", "c:\\geolume\\tx4ole17.ocx",
                           "c:\\geolume\\menu.mnl", "c:\\geolume\\simbolos\\x.cuix"}) {
    EXPECT_TRUE(install::IsProtectedProductFile(path)) << path;
  }
  for (const char* path : {"c:\\geolume\\TabelaPessoasGeorreferenciamento.tbp", "c:\\geolume\\geolume.ini",
                           "c:\\geolume\\Demos\\a.dll", "c:\\geolume\\simbolos\\arvore.sld", "c:\\geolume\\perfil_tipo\\outro.exe",
                           "c:\\geolumex\\acad.lsp", "d:\\geolume\\acad.lsp", "c:\\geolume\\acad.lsp.bak"}) {
    EXPECT_FALSE(install::IsProtectedProductFile(path)) << path;
  }
}

class ProtectedFilesRun : public InstallTest {
 protected:
  void SetUp() override {
    InstallTest::SetUp();
    Portuguese();
    AddMedium();
    AddMediumFile("simbolos\\Port\\", "arvore.vlx");
    AddMediumFile("demos\\Port\\", "exemplo.dll");
  }

  bool Protected(const std::string& path) {
    auto entry = windows.files.Inspect(path);
    return entry && entry->protected_access;
  }
};

TEST_F(ProtectedFilesRun, TheInstallationProtectsExactlyTheFilesOthersMustNotChange) {
  Run();
  EXPECT_TRUE(backend.messages.empty()) << backend.messages[0].text;
  EXPECT_TRUE(Protected("c:\\geolume\\geolume.exe"));
  EXPECT_TRUE(Protected("c:\\geolume\\special.dll"));
  EXPECT_TRUE(Protected("c:\\geolume\\Simbolos\\arvore.vlx"));
  EXPECT_FALSE(Protected("c:\\geolume\\shared.txt"));
  EXPECT_FALSE(Protected("c:\\geolume\\Demos\\exemplo.dll"));
  EXPECT_FALSE(Protected("c:\\geolume\\Simbolos\\item.dat"));
  // A second installation, elevated, replaces protected files as any other.
  windows.files.WriteFile("D:\\programa\\geolume.exe", "versao nova");
  Run();
  EXPECT_TRUE(backend.messages.empty()) << backend.messages[0].text;
  EXPECT_EQ(Content("c:\\geolume\\geolume.exe"), "versao nova");
  EXPECT_TRUE(Protected("c:\\geolume\\geolume.exe"));
}

TEST_F(ProtectedFilesRun, AnAccessListThatCannotBeSetIsSaidAndTheRunGoesOn) {
  // A machine whose program and system folders users may change, so that
  // only the access lists stop a standard user's run.
  for (const char* folder : {"c:\\program files (x86)", "c:\\windows\\system32", "c:\\users"}) {
    windows.files.AddFolder(folder);
    windows.files.SetAccessForTest(folder, "D:P(A;OICI;FA;;;BU)");
  }
  windows.files.SetStandardUser(true);
  Run();
  // The two code folders (the user may add an entry to the other folders,
  // which he owns, but make nothing the administrators'), the three code
  // files, then the logon program every user's logon would run, which cannot
  // be protected either: no logon is told to run it, and the registration
  // says so.
  ASSERT_EQ(backend.messages.size(), 6u);
  EXPECT_EQ(backend.messages[5].text, uninstall::messages::kNotRegistered);
  EXPECT_FALSE(windows.registry.KeyExists(platform::RegistryRoot::LocalMachine, uninstall::kCadSetupKey));
  EXPECT_EQ(backend.messages[0].text,
            "Não foi possível proteger a pasta c:\\Geolume contra alterações de usuários sem privilégios de "
            "administrador (erro 5).");
  EXPECT_EQ(backend.messages[2].text,
            "Não foi possível proteger o arquivo c:\\Geolume\\geolume.exe contra alterações de usuários sem "
            "privilégios de administrador (erro 5).");
  EXPECT_EQ(backend.messages[2].caption, "Erro na Instalação");
  EXPECT_EQ(Content("c:\\geolume\\geolume.exe"), "programa\\geolume.exe");
  EXPECT_EQ(Content("c:\\geolume\\Tutorial\\item.dat"), "tutorial\\Port\\item.dat");
}

}  // namespace
