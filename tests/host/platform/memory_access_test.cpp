// Who is asking: owners, access lists, links and the elevated run's guard in
// the in-memory Windows, which the security tests rely on because Wine
// enforces none of them.
#include <gtest/gtest.h>

#include "platform/memory/memory_file_system.h"
#include "platform/memory/memory_security.h"

namespace platform {
namespace {

const MemoryAccount kUser = StandardUser();
const MemoryAccount kOtherUser = SecondStandardUser();
const MemoryAccount kAdmin = ElevatedAdministrator();

constexpr char kInheritedFromRoot[] =
    "(A;OICIID;FA;;;BA)(A;OICIID;FA;;;SY)(A;OICIID;0x1200a9;;;BU)(A;OICIID;0x1301bf;;;AU)";

TEST(AccessDescriptors, ReadAndPrintAsWindowsDoes) {
  const auto parsed = ParseDescriptor("O:S-1-5-32-544D:PAI(D;;WDWO;;;S-1-5-11)(A;OICIIO;GA;;;CO)(A;;GRGX;;;WD)");
  ASSERT_TRUE(parsed);
  EXPECT_EQ(parsed->owner, "BA");
  EXPECT_TRUE(parsed->list_protected);
  ASSERT_EQ(parsed->entries.size(), 3u);
  EXPECT_EQ(parsed->entries[0], (AccessEntry{true, 0, kWriteDac | kWriteOwner, "AU"}));
  // Generic rights stay generic only where they wait to be inherited.
  EXPECT_EQ(parsed->entries[1].mask, 0x10000000u);
  EXPECT_EQ(parsed->entries[2].mask, 0x1200a9u);
  const auto printed = PrintDescriptor(Compose("BA", true, parsed->entries, nullptr, true));
  EXPECT_EQ(printed, "O:BAD:PAI(D;;WDWO;;;AU)(A;OICIIO;GA;;;CO)(A;;0x1200a9;;;WD)");
  for (const char* broken : {"O:XD:P", "D:(A;;FA;;;BA", "D:(X;;FA;;;BA)", "D:(A;ZZ;FA;;;BA)", "D:(A;;QQ;;;BA)",
                             "D:(A;;FA;;;S-1-x)", "Q:BA"}) {
    EXPECT_FALSE(ParseDescriptor(broken)) << broken;
  }
}

TEST(AccessInheritance, FollowsTheRootAndWhatEachFolderPassesOn) {
  MemoryFileSystem files;
  EXPECT_EQ(files.DescriptorOf("c:\\"),
            "O:SYD:PAI(A;OICI;FA;;;BA)(A;OICI;FA;;;SY)(A;OICI;0x1200a9;;;BU)(A;OICIIO;0x1301bf;;;AU)(A;;LC;;;AU)");
  // A standard user may make a folder in the root, owns it and may change all below it.
  files.RunAs(kUser);
  ASSERT_TRUE(files.CreateFolders("c:\\geolume\\programa"));
  EXPECT_EQ(files.ReadAccess("c:\\geolume"), "O:" + kUser.sid + "D:AI" + kInheritedFromRoot);
  ASSERT_TRUE(files.WriteFile("c:\\geolume\\programa\\geolume.exe", "MZ"));
  EXPECT_EQ(files.ReadAccess("c:\\geolume\\programa\\geolume.exe"),
            "O:" + kUser.sid + "D:AI(A;ID;FA;;;BA)(A;ID;FA;;;SY)(A;ID;0x1200a9;;;BU)(A;ID;0x1301bf;;;AU)");
  // But he may not put files in the root itself.
  EXPECT_FALSE(files.WriteFile("c:\\planted.dll", "MZ"));
  EXPECT_EQ(files.LastError(), kErrorAccessDenied);

  // Creator owner, inherit-only and no-propagate entries, as Windows expands them.
  files.RunAs(kAdmin);
  files.SetAccessForTest("c:\\geolume", "D:P(A;OICIIO;GA;;;CO)(A;CINP;0x1200a9;;;BU)(A;OI;FA;;;BA)");
  EXPECT_EQ(files.DescriptorOf("c:\\geolume\\programa"),
            "O:" + kUser.sid + "D:AI(A;ID;FA;;;" + kUser.sid + ")(A;OICIIOID;GA;;;CO)(A;ID;0x1200a9;;;BU)" +
                "(A;OIIOID;FA;;;BA)");
  EXPECT_EQ(files.DescriptorOf("c:\\geolume\\programa\\geolume.exe"),
            "O:" + kUser.sid + "D:AI(A;ID;FA;;;" + kUser.sid + ")(A;ID;FA;;;BA)");
}

TEST(AccessInheritance, AChangedFolderListReachesEveryChildThatIsNotProtected) {
  MemoryFileSystem files;
  files.AddFile("c:\\program files (x86)\\geolume\\dados\\tabela.tab", "t");
  files.AddFile("c:\\program files (x86)\\geolume\\geolume.exe", "MZ");
  ASSERT_TRUE(files.SetAccess("c:\\program files (x86)\\geolume\\geolume.exe", kProtectedFileAccess));
  files.RunAs(kUser);
  EXPECT_FALSE(files.WriteFile("c:\\program files (x86)\\geolume\\dados\\tabela.tab", "x"));
  files.RunAs(kAdmin);
  ASSERT_TRUE(files.SetAccess("c:\\program files (x86)\\geolume", kUsersModifyFolderAccess));
  EXPECT_EQ(files.ReadAccess("c:\\program files (x86)\\geolume\\dados\\tabela.tab"),
            "O:SYD:AI(A;ID;0x1301bf;;;BU)(A;ID;FA;;;BA)(A;ID;FA;;;SY)(A;ID;0x1200a9;;;BU)");
  files.RunAs(kUser);
  EXPECT_TRUE(files.WriteFile("c:\\program files (x86)\\geolume\\dados\\tabela.tab", "x"));
  EXPECT_TRUE(files.WriteFile("c:\\program files (x86)\\geolume\\novo.txt", "x"));
  EXPECT_FALSE(files.WriteFile("c:\\program files (x86)\\geolume\\geolume.exe", "x"));
  EXPECT_EQ(files.LastError(), kErrorAccessDenied);
}

TEST(AccessChecks, AProtectedFolderStopsAStandardUserAndNotAnAdministrator) {
  MemoryFileSystem files;
  files.AddFile("c:\\program files\\geolume\\geolume.exe", "MZ");
  files.AddFolder("c:\\program files\\geolume\\vazia");
  files.RunAs(kUser);
  const auto before = files.Export();
  EXPECT_FALSE(files.WriteFile("c:\\program files\\geolume\\version.dll", "MZ"));
  EXPECT_FALSE(files.CreateFolders("c:\\program files\\geolume\\sub"));
  EXPECT_FALSE(files.RenameFile("c:\\program files\\geolume\\geolume.exe", "c:\\program files\\geolume\\x.exe"));
  EXPECT_FALSE(files.DeleteFile("c:\\program files\\geolume\\geolume.exe"));
  EXPECT_FALSE(files.RemoveFolder("c:\\program files\\geolume\\vazia"));
  EXPECT_FALSE(files.SetAttributes("c:\\program files\\geolume\\geolume.exe", kAttributeHidden));
  EXPECT_FALSE(files.AppendFile("c:\\program files\\geolume\\geolume.exe", "x"));
  EXPECT_FALSE(files.ReplaceFile("c:\\program files\\geolume\\geolume.exe", "c:\\program files\\geolume\\y.exe"));
  EXPECT_FALSE(files.SetAccess("c:\\program files\\geolume", "D:(A;OICI;FA;;;BU)"));
  EXPECT_EQ(files.LastError(), kErrorAccessDenied);
  EXPECT_EQ(files.Export(), before);
  // Moving his own file into the protected folder needs adding there too.
  files.AddFolder("c:\\users\\topografo");
  ASSERT_TRUE(files.WriteFile("c:\\users\\topografo\\version.dll", "MZ"));
  EXPECT_FALSE(files.RenameFile("c:\\users\\topografo\\version.dll", "c:\\program files\\geolume\\version.dll"));
  // Reading and running stay open to users.
  EXPECT_EQ(files.ReadFile("c:\\program files\\geolume\\geolume.exe"), "MZ");
  files.RunAs(kAdmin);
  EXPECT_TRUE(files.WriteFile("c:\\program files\\geolume\\version.dll", "MZ"));
  EXPECT_TRUE(files.RemoveFolder("c:\\program files\\geolume\\vazia"));
}

TEST(AccessChecks, DenyEntriesComeFirstAndOtherUsersFilesStayTheirs) {
  MemoryFileSystem files;
  files.AddFolder("c:\\dados");
  files.SetAccessForTest("c:\\dados", "D:P(A;OICI;FA;;;BU)(D;OICI;0x2;;;" + kUser.sid + ")");
  files.RunAs(kUser);
  EXPECT_FALSE(files.WriteFile("c:\\dados\\a.txt", "x"));
  files.RunAs(kOtherUser);
  EXPECT_TRUE(files.WriteFile("c:\\dados\\a.txt", "x"));

  // In the shared temporary folder users add, but never read what others add.
  files.RunAs(kAdmin);
  files.AddFolder("c:\\windows\\temp");
  files.RunAs(kOtherUser);
  ASSERT_TRUE(files.WriteFile("c:\\windows\\temp\\dele.txt", "segredo"));
  EXPECT_EQ(files.ReadFile("c:\\windows\\temp\\dele.txt"), "segredo");
  files.RunAs(kUser);
  EXPECT_FALSE(files.ReadFile("c:\\windows\\temp\\dele.txt"));
  EXPECT_FALSE(files.ListFolder("c:\\windows\\temp"));
  EXPECT_FALSE(files.WriteFile("c:\\windows\\temp\\dele.txt", "trocado"));
  EXPECT_TRUE(files.WriteFile("c:\\windows\\temp\\meu.txt", "x"));
  // His profile is his alone.
  files.AddFile("c:\\users\\desenhista\\nota.txt", "x", kOtherUser);
  EXPECT_EQ(files.Inspect("c:\\users\\desenhista")->owner, kOtherUser.sid);
  EXPECT_FALSE(files.ReadFile("c:\\users\\desenhista\\nota.txt"));
}

TEST(AccessOwners, OnlyElevatedRunsGiveObjectsAwayAndOwnersMayAlwaysChangeTheList) {
  MemoryFileSystem files;
  files.AddFile("c:\\geolume\\acad.lsp", "x", kUser);
  files.RunAs(kUser);
  // The owner may set a list that leaves him nothing, and still change it back.
  ASSERT_TRUE(files.SetAccess("c:\\geolume\\acad.lsp", "D:P(A;;FA;;;BA)"));
  EXPECT_FALSE(files.ReadFile("c:\\geolume\\acad.lsp"));
  EXPECT_TRUE(files.ReadAccess("c:\\geolume\\acad.lsp"));
  ASSERT_TRUE(files.SetAccess("c:\\geolume\\acad.lsp", "D:(A;;FA;;;" + kUser.sid + ")"));
  EXPECT_EQ(files.ReadFile("c:\\geolume\\acad.lsp"), "x");
  // Nobody but an elevated run gives an object to another account.
  EXPECT_FALSE(files.SetAccess("c:\\geolume\\acad.lsp", "O:BAD:P(A;;FA;;;BA)"));
  EXPECT_FALSE(files.SetAccess("c:\\geolume\\acad.lsp", "O:" + kOtherUser.sid));
  EXPECT_EQ(files.LastError(), kErrorAccessDenied);
  EXPECT_EQ(files.Inspect("c:\\geolume\\acad.lsp")->owner, kUser.sid);
  // Taking one's own ownership of another's object needs WRITE_OWNER on it.
  files.RunAs(kOtherUser);
  EXPECT_FALSE(files.SetAccess("c:\\geolume\\acad.lsp", "O:" + kOtherUser.sid));
  files.RunAs(kAdmin);
  EXPECT_FALSE(files.SetAccess("c:\\geolume\\acad.lsp", "O:" + kOtherUser.sid));
  ASSERT_TRUE(files.SetAccess("c:\\geolume\\acad.lsp", kProtectedFileAccess));
  EXPECT_EQ(files.ReadAccess("c:\\geolume\\acad.lsp"), "O:BAD:PAI(A;;FA;;;BA)(A;;FA;;;SY)(A;;0x1200a9;;;BU)");
  files.RunAs(kUser);
  EXPECT_FALSE(files.SetAccess("c:\\geolume\\acad.lsp", "D:(A;;FA;;;BU)"));
  EXPECT_FALSE(files.WriteFile("c:\\geolume\\acad.lsp", "(load \"x\")"));
}

class ElevatedGuard : public ::testing::Test {
 protected:
  void SetUp() override {
    files.AddFile("c:\\windows\\system32\\config.dat", "sistema");
    files.AddFolder("c:\\geolume");
    files.RunAs(kUser);
    // Made before the first installation: a user's folder holding his links.
    ASSERT_TRUE(files.CreateFolders("c:\\geolume\\suporte"));
  }

  MemoryFileSystem files;
};

TEST_F(ElevatedGuard, RefusesAUsersJunctionAndFollowsAnAdministrators) {
  ASSERT_TRUE(files.AddJunction("c:\\geolume\\suporte\\sys", "c:\\windows\\system32", kUser));
  EXPECT_EQ(files.GetAttributes("c:\\geolume\\suporte\\sys"), kAttributeDirectory | kAttributeReparsePoint);
  EXPECT_EQ(files.ReadFile("c:\\geolume\\suporte\\sys\\config.dat"), "sistema");
  // He cannot write through it: the list at the end of the path decides.
  EXPECT_FALSE(files.WriteFile("c:\\geolume\\suporte\\sys\\config.dat", "x"));
  files.RunAs(kAdmin);
  EXPECT_FALSE(files.WriteFile("c:\\geolume\\suporte\\sys\\config.dat", "x"));
  EXPECT_EQ(files.LastError(), kErrorLinkRefused);
  EXPECT_FALSE(files.CopyFile("c:\\windows\\system32\\config.dat", "c:\\geolume\\suporte\\sys\\novo.dll"));
  EXPECT_EQ(files.LastError(), kErrorLinkRefused);
  EXPECT_FALSE(files.DeleteFile("c:\\geolume\\suporte\\sys\\config.dat"));
  EXPECT_FALSE(files.CreateFolders("c:\\geolume\\suporte\\sys\\sub"));
  EXPECT_FALSE(files.SetAccess("c:\\geolume\\suporte\\sys", kProtectedFolderAccess));
  EXPECT_EQ(files.LastError(), kErrorLinkRefused);
  EXPECT_EQ(files.Inspect("c:\\windows\\system32\\config.dat")->content, "sistema");
  // Reading through it changes nothing and is not refused.
  EXPECT_EQ(files.ReadFile("c:\\geolume\\suporte\\sys\\config.dat"), "sistema");

  ASSERT_TRUE(files.AddJunction("c:\\geolume\\sistema", "c:\\windows\\system32", kAdmin));
  EXPECT_TRUE(files.WriteFile("c:\\geolume\\sistema\\config.dat", "novo"));
  EXPECT_EQ(files.Inspect("c:\\windows\\system32\\config.dat")->content, "novo");

  // Without the protection the elevated run follows the user's junction.
  files.SwitchOffProtection();
  EXPECT_TRUE(files.WriteFile("c:\\geolume\\suporte\\sys\\config.dat", "plantado"));
  EXPECT_EQ(files.Inspect("c:\\windows\\system32\\config.dat")->content, "plantado");
}

TEST_F(ElevatedGuard, RefusesAHardLinkedFileAndAFilePlantedByAUser) {
  EXPECT_FALSE(files.AddSymbolicLink("c:\\geolume\\suporte\\s.dat", "c:\\windows\\system32\\config.dat", kUser));
  EXPECT_EQ(files.LastError(), 1314u);
  ASSERT_TRUE(files.AddHardLink("c:\\geolume\\suporte\\acad.lsp", "c:\\windows\\system32\\config.dat", kUser));
  EXPECT_EQ(files.Inspect("c:\\geolume\\suporte\\acad.lsp")->names, 2);
  EXPECT_EQ(files.Inspect("c:\\geolume\\suporte\\acad.lsp")->owner, "SY");
  ASSERT_TRUE(files.WriteFile("c:\\geolume\\suporte\\log.txt", "planted\r\n"));
  files.RunAs(kAdmin);
  EXPECT_FALSE(files.WriteFile("c:\\geolume\\suporte\\acad.lsp", "(load)"));
  EXPECT_EQ(files.LastError(), kErrorTooManyLinks);
  EXPECT_FALSE(files.SetAccess("c:\\geolume\\suporte\\acad.lsp", kProtectedFileAccess));
  EXPECT_EQ(files.LastError(), kErrorTooManyLinks);
  EXPECT_FALSE(files.AppendFile("c:\\geolume\\suporte\\log.txt", "x"));
  EXPECT_EQ(files.LastError(), kErrorAccessDenied);
  EXPECT_EQ(files.Inspect("c:\\windows\\system32\\config.dat")->content, "sistema");
  // Replacing a name leaves the other name's content alone.
  files.RunAs(kUser);
  ASSERT_TRUE(files.WriteFile("c:\\geolume\\suporte\\original.lsp", "(old)"));
  ASSERT_TRUE(files.AddHardLink("c:\\geolume\\suporte\\copia.lsp", "c:\\geolume\\suporte\\original.lsp", kUser));
  ASSERT_TRUE(files.WriteFile("c:\\geolume\\suporte\\new.lsp", "(princ)"));
  ASSERT_TRUE(files.ReplaceFile("c:\\geolume\\suporte\\new.lsp", "c:\\geolume\\suporte\\copia.lsp"));
  EXPECT_EQ(files.ReadFile("c:\\geolume\\suporte\\copia.lsp"), "(princ)");
  EXPECT_EQ(files.ReadFile("c:\\geolume\\suporte\\original.lsp"), "(old)");
  EXPECT_EQ(files.Inspect("c:\\geolume\\suporte\\original.lsp")->names, 1);
  // Nor may he remove the name of a file only administrators may delete.
  EXPECT_FALSE(files.DeleteFile("c:\\geolume\\suporte\\acad.lsp"));

  files.RunAs(kAdmin);
  files.SwitchOffProtection();
  EXPECT_TRUE(files.AppendFile("c:\\geolume\\suporte\\log.txt", "x"));
}

TEST_F(ElevatedGuard, LinksAreFollowedExceptWhenDeletedOrRenamedAndExportShowsThem) {
  files.RunAs(kAdmin);
  ASSERT_TRUE(files.AddSymbolicLink("c:\\geolume\\config.lnk", "..\\windows\\system32\\config.dat", kAdmin));
  EXPECT_EQ(files.ReadFile("c:\\geolume\\config.lnk"), "sistema");
  EXPECT_TRUE(files.FileExists("c:\\geolume\\config.lnk"));
  EXPECT_EQ(files.GetAttributes("c:\\geolume\\config.lnk"), kAttributeReparsePoint);
  EXPECT_NE(files.Export().find("c:\\geolume\\config.lnk attributes=0x0400 link=..\\windows\\system32\\config.dat"),
            std::string::npos)
      << files.Export();
  ASSERT_TRUE(files.RenameFile("c:\\geolume\\config.lnk", "c:\\geolume\\c.lnk"));
  ASSERT_TRUE(files.DeleteFile("c:\\geolume\\c.lnk"));
  EXPECT_TRUE(files.FileExists("c:\\windows\\system32\\config.dat"));
  // A junction deleted by its user goes, what it pointed at stays.
  files.RunAs(kUser);
  ASSERT_TRUE(files.AddJunction("c:\\geolume\\suporte\\j", "c:\\windows\\system32", kUser));
  ASSERT_TRUE(files.RemoveFolder("c:\\geolume\\suporte\\j"));
  EXPECT_TRUE(files.FolderExists("c:\\windows\\system32"));
  // Junctions need a folder he may add to; loops end with an error.
  EXPECT_FALSE(files.AddJunction("c:\\windows\\j", "c:\\geolume", kUser));
  EXPECT_EQ(files.LastError(), kErrorAccessDenied);
  ASSERT_TRUE(files.AddJunction("c:\\geolume\\suporte\\loop", "c:\\geolume\\suporte\\loop", kUser));
  EXPECT_FALSE(files.FileExists("c:\\geolume\\suporte\\loop\\x"));
  EXPECT_EQ(files.LastError(), 1921u);
}

}  // namespace
}  // namespace platform
