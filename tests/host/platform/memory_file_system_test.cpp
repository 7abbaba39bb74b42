#include "platform/memory/memory_file_system.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

const std::uint32_t kOld = MakeDosDateTime(2003, 5, 17, 9, 30, 42);

TEST(MemoryFileSystem, DosDateTimesPackDateHighAndOrderByTime) {
  EXPECT_EQ(MakeDosDateTime(2024, 1, 15, 12, 0, 0), MemoryFileSystem::kDefaultClock);
  EXPECT_EQ(kOld >> 16, ((2003u - 1980u) << 9) | (5u << 5) | 17u);
  EXPECT_EQ(kOld & 0xFFFF, (9u << 11) | (30u << 5) | 21u);
  EXPECT_LT(MakeDosDateTime(2003, 5, 17, 9, 30, 42), MakeDosDateTime(2003, 5, 18, 0, 0, 0));
}

TEST(MemoryFileSystem, PathsIgnoreCaseAndToleratePathNoise) {
  MemoryFileSystem files;
  files.AddFile("c:\\Geolume\\Programa\\Acad.LSP", "x");
  EXPECT_TRUE(files.FileExists("C:\\GEOLUME\\programa\\acad.lsp"));
  EXPECT_TRUE(files.FileExists("c:\\geolume\\\\programa\\acad.lsp"));
  EXPECT_TRUE(files.FileExists("c:/geolume/programa/./x/../acad.lsp"));
  EXPECT_TRUE(files.FolderExists("c:\\GEOLUME\\"));
  EXPECT_TRUE(files.FolderExists("C:"));
  EXPECT_FALSE(files.FolderExists("c:\\geolume\\programa\\acad.lsp"));
  EXPECT_FALSE(files.FileExists("c:\\geolume"));
  EXPECT_FALSE(files.FileExists("geolume\\programa\\acad.lsp"));
  EXPECT_EQ(files.Inspect("C:\\GEOLUME\\PROGRAMA\\ACAD.LSP")->path,
            "c:\\Geolume\\Programa\\Acad.LSP");

  files.AddFile("c:\\sistema topográfico\\é.txt", "y");
  EXPECT_TRUE(files.FileExists("C:\\SISTEMA TOPOGRÁFICO\\É.TXT"));
  EXPECT_FALSE(files.FileExists("c:\\a|b.txt"));
  EXPECT_EQ(files.LastError(), 123u);
}

TEST(MemoryFileSystem, DeniedListingStillLetsFilesBeReachedByName) {
  MemoryFileSystem files;
  files.AddFile("d:\\demos\\Port\\a.cad", "a");
  files.DenyListing("D:\\DEMOS\\port");
  EXPECT_FALSE(files.ListFolder("d:\\demos\\Port\\").has_value());
  EXPECT_EQ(files.LastError(), 5u);
  EXPECT_EQ(files.ReadFile("d:\\demos\\Port\\a.cad"), "a");
  EXPECT_TRUE(files.ListFolder("d:\\demos").has_value());
}

TEST(MemoryFileSystem, CreateFoldersMakesParentsAndRemoveFolderNeedsAnEmptyFolder) {
  MemoryFileSystem files;
  EXPECT_TRUE(files.CreateFolders("c:\\Program Files (x86)\\Sistema Topográfico Geolume"));
  EXPECT_TRUE(files.CreateFolders("C:\\program files (x86)\\"));
  EXPECT_TRUE(files.FolderExists("c:\\program files (x86)\\sistema topográfico geolume"));
  EXPECT_FALSE(files.CreateFolders("q:\\x"));
  EXPECT_EQ(files.LastError(), kErrorPathNotFound);
  files.AddFile("c:\\file", "");
  EXPECT_FALSE(files.CreateFolders("c:\\file\\sub"));
  EXPECT_EQ(files.LastError(), kErrorAlreadyExists);

  EXPECT_FALSE(files.RemoveFolder("c:\\Program Files (x86)"));
  EXPECT_EQ(files.LastError(), kErrorDirNotEmpty);
  EXPECT_TRUE(files.RemoveFolder("c:\\Program Files (x86)\\Sistema Topográfico Geolume"));
  EXPECT_FALSE(files.FolderExists("c:\\Program Files (x86)\\Sistema Topográfico Geolume"));
  EXPECT_FALSE(files.RemoveFolder("c:\\Program Files (x86)\\Sistema Topográfico Geolume"));
  EXPECT_EQ(files.LastError(), kErrorFileNotFound);
  EXPECT_FALSE(files.RemoveFolder("c:\\file"));
}

TEST(MemoryFileSystem, CopyKeepsTimeAndContentAndAddsArchive) {
  MemoryFileSystem files;
  files.AddFile("d:\\medium\\Geolume.EXE", "program", kOld, kAttributeReadOnly | kAttributeHidden);
  files.AddFile("c:\\geolume\\geolume.exe", "older program", MemoryFileSystem::kDefaultClock, 0);
  ASSERT_TRUE(files.CopyFile("d:\\medium\\geolume.exe", "C:\\GEOLUME\\GEOLUME.EXE"));
  const auto copy = files.Inspect("c:\\geolume\\geolume.exe");
  EXPECT_EQ(copy->path, "c:\\geolume\\geolume.exe");
  EXPECT_EQ(copy->content, "program");
  EXPECT_EQ(copy->dos_date_time, kOld);
  EXPECT_EQ(copy->attributes, kAttributeReadOnly | kAttributeHidden | kAttributeArchive);
  const auto stamp = files.ReadStamp("c:\\geolume\\geolume.exe");
  ASSERT_TRUE(stamp);
  EXPECT_EQ(stamp->dos_date_time, kOld);
  EXPECT_EQ(stamp->size_low, 7u);

  // The copy came out read-only, so copying over it again is refused.
  EXPECT_FALSE(files.CopyFile("d:\\medium\\geolume.exe", "c:\\geolume\\geolume.exe"));
  EXPECT_EQ(files.LastError(), kErrorAccessDenied);
  ASSERT_TRUE(files.SetAttributes("c:\\geolume\\geolume.exe", kAttributeNormal));
  EXPECT_TRUE(files.CopyFile("d:\\medium\\geolume.exe", "c:\\geolume\\geolume.exe"));
}

TEST(MemoryFileSystem, CopyOfANewFileRefusesEveryNameThatIsThereAndOtherwiseCopiesAlike) {
  MemoryFileSystem files;
  files.AddFile("c:\\medium\\a.txt", "new", kOld, kAttributeHidden);
  files.AddFile("c:\\geolume\\A.TXT", "old", MemoryFileSystem::kDefaultClock, kAttributeReadOnly);
  files.AddFolder("c:\\geolume\\sub");
  // A file of another case and a folder both bear the name.
  EXPECT_FALSE(files.CopyNewFile("c:\\medium\\a.txt", "c:\\geolume\\a.txt"));
  EXPECT_EQ(files.LastError(), kErrorFileExists);
  EXPECT_EQ(files.Inspect("c:\\geolume\\a.txt")->content, "old");
  EXPECT_FALSE(files.CopyNewFile("c:\\medium\\a.txt", "c:\\geolume\\SUB"));
  EXPECT_EQ(files.LastError(), kErrorFileExists);
  // The source is opened first: its errors come before the target's.
  EXPECT_FALSE(files.CopyNewFile("c:\\medium\\missing.txt", "c:\\geolume\\a.txt"));
  EXPECT_EQ(files.LastError(), kErrorFileNotFound);
  EXPECT_FALSE(files.CopyNewFile("c:\\medium\\a.txt", "c:\\nofolder\\a.txt"));
  EXPECT_EQ(files.LastError(), kErrorPathNotFound);
  // A failure meant for the target's copy is met by either copy.
  files.FailCopyOnce("c:\\geolume\\b.txt", 1224);
  EXPECT_FALSE(files.CopyNewFile("c:\\medium\\a.txt", "c:\\geolume\\b.txt"));
  EXPECT_EQ(files.LastError(), 1224u);
  EXPECT_FALSE(files.FileExists("c:\\geolume\\b.txt"));
  ASSERT_TRUE(files.CopyNewFile("c:\\medium\\a.txt", "c:\\geolume\\b.txt"));
  const auto copy = files.Inspect("c:\\geolume\\b.txt");
  EXPECT_EQ(copy->content, "new");
  EXPECT_EQ(copy->dos_date_time, kOld);
  EXPECT_EQ(copy->attributes, kAttributeHidden | kAttributeArchive);
  EXPECT_EQ(files.calls["CopyNewFile"], 6);
  EXPECT_EQ(files.calls["CopyFile"], 0);
}

TEST(MemoryFileSystem, CopyFailuresLeaveTheTargetAlone) {
  MemoryFileSystem files;
  files.AddFile("c:\\medium\\a.txt", "new");
  files.AddFile("c:\\geolume\\a.txt", "old");
  EXPECT_FALSE(files.CopyFile("c:\\medium\\missing.txt", "c:\\geolume\\a.txt"));
  EXPECT_EQ(files.LastError(), kErrorFileNotFound);
  EXPECT_FALSE(files.CopyFile("c:\\medium\\a.txt", "c:\\nofolder\\a.txt"));
  EXPECT_EQ(files.LastError(), kErrorPathNotFound);
  EXPECT_FALSE(files.CopyFile("c:\\medium\\a.txt", "c:\\geolume"));
  EXPECT_EQ(files.LastError(), kErrorAccessDenied);

  ASSERT_TRUE(files.SetAttributes("c:\\geolume\\a.txt", kAttributeHidden));
  EXPECT_FALSE(files.CopyFile("c:\\medium\\a.txt", "c:\\geolume\\a.txt"));
  EXPECT_EQ(files.LastError(), kErrorAccessDenied);
  ASSERT_TRUE(files.SetAttributes("c:\\geolume\\a.txt", kAttributeNormal));

  files.FailCopyOnce("C:\\Geolume\\A.txt", 1224);
  EXPECT_FALSE(files.CopyFile("c:\\medium\\a.txt", "c:\\geolume\\a.txt"));
  EXPECT_EQ(files.LastError(), 1224u);
  EXPECT_EQ(files.Inspect("c:\\geolume\\a.txt")->content, "old");
  EXPECT_TRUE(files.CopyFile("c:\\medium\\a.txt", "c:\\geolume\\a.txt"));
  EXPECT_EQ(files.Inspect("c:\\geolume\\a.txt")->content, "new");
}

TEST(MemoryFileSystem, ReadOnlyFoldersRefuseChangesInsideButStillRead) {
  MemoryFileSystem files;
  files.AddFile("d:\\suporte\\acad.lsp", "foreign");
  files.AddFile("d:\\suporte\\sub\\deep.txt", "deep");
  files.SetFolderReadOnly("d:\\suporte");
  const auto before = files.Export();

  EXPECT_FALSE(files.RenameFile("d:\\suporte\\acad.lsp", "d:\\suporte\\acad-1.lsp"));
  EXPECT_EQ(files.LastError(), kErrorAccessDenied);
  EXPECT_FALSE(files.DeleteFile("d:\\suporte\\acad.lsp"));
  EXPECT_EQ(files.LastError(), kErrorAccessDenied);
  EXPECT_FALSE(files.WriteFile("d:\\suporte\\new.lsp", "x"));
  EXPECT_FALSE(files.WriteFile("d:\\suporte\\sub\\deep.txt", "x"));
  EXPECT_FALSE(files.CreateFolders("d:\\suporte\\new"));
  EXPECT_FALSE(files.CopyFile("d:\\suporte\\acad.lsp", "d:\\suporte\\sub\\acad.lsp"));
  EXPECT_FALSE(files.SetAttributes("d:\\suporte\\acad.lsp", kAttributeReadOnly));
  EXPECT_FALSE(files.RemoveFolder("d:\\suporte\\sub"));
  EXPECT_EQ(files.LastError(), kErrorAccessDenied);
  EXPECT_EQ(files.Export(), before);

  EXPECT_EQ(files.ReadFile("d:\\suporte\\acad.lsp"), "foreign");
  EXPECT_TRUE(files.CopyFile("d:\\suporte\\acad.lsp", "d:\\elsewhere.lsp"));
  files.SetFolderReadOnly("d:\\suporte", false);
  EXPECT_TRUE(files.RenameFile("d:\\suporte\\acad.lsp", "d:\\suporte\\acad-1.lsp"));
}

TEST(MemoryFileSystem, AttributesAndWritesBehaveAsOnWindows) {
  MemoryFileSystem files;
  files.AddFolder("c:\\geolume");
  files.SetClock(kOld);
  ASSERT_TRUE(files.WriteFile("c:\\geolume\\acad.lsp", "line\r\n"));
  EXPECT_EQ(files.GetAttributes("c:\\geolume\\acad.lsp"), kAttributeArchive);
  EXPECT_EQ(files.ReadStamp("c:\\geolume\\acad.lsp")->dos_date_time, kOld);
  EXPECT_EQ(files.GetAttributes("c:\\geolume"), kAttributeDirectory);

  ASSERT_TRUE(files.SetAttributes("c:\\geolume\\acad.lsp", kAttributeNormal));
  EXPECT_EQ(files.GetAttributes("c:\\geolume\\acad.lsp"), kAttributeNormal);
  ASSERT_TRUE(files.SetAttributes("c:\\geolume\\acad.lsp", kAttributeHidden));
  EXPECT_FALSE(files.WriteFile("c:\\geolume\\acad.lsp", "x"));
  EXPECT_EQ(files.LastError(), kErrorAccessDenied);
  EXPECT_FALSE(files.WriteFile("c:\\missing\\acad.lsp", "x"));
  EXPECT_EQ(files.LastError(), kErrorPathNotFound);
  EXPECT_FALSE(files.ReadStamp("c:\\geolume"));
  EXPECT_EQ(files.LastError(), kErrorAccessDenied);
}

TEST(MemoryFileSystem, ExportDescribesTheWholeTree) {
  MemoryFileSystem files;
  files.AddFile("c:\\B\\x.txt", "abc", kOld, kAttributeReadOnly);
  files.AddFolder("c:\\a");
  const auto entries = files.Entries();
  ASSERT_EQ(entries.size(), 4u);
  EXPECT_EQ(entries[0].path, "c:\\");
  EXPECT_EQ(entries[1].path, "c:\\a\\");
  EXPECT_EQ(entries[2].path, "c:\\B\\");
  EXPECT_EQ(entries[3].path, "c:\\B\\x.txt");
  const auto exported = files.Export();
  EXPECT_NE(exported.find("c:\\B\\x.txt attributes=0x0001 time=0x"), std::string::npos);
  files.AddFile("c:\\B\\x.txt", "abd", kOld, kAttributeReadOnly);
  EXPECT_NE(files.Export(), exported);
}

}  // namespace
}  // namespace platform
