// The Win32 file system against Wine's real one, in a temporary folder.
#include <windows.h>
#undef CopyFile
#undef DeleteFile

#include "platform/win32/win32_file_system.h"

#include <gtest/gtest.h>

#include "tests/windows/platform/local_write_time.h"
#include "tests/windows/platform/temporary_folder.h"

namespace platform {
namespace {

// Wine reports every file with the archive bit; Windows keeps it as set.
std::uint32_t WithoutArchive(std::optional<std::uint32_t> attributes) {
  return attributes.value_or(0xFFFFFFFF) & ~kAttributeArchive;
}

class Win32FileSystemTest : public ::testing::Test {
 protected:
  TemporaryFolder folder;
  Win32FileSystem files;
};

TEST_F(Win32FileSystemTest, CopyKeepsTheSourceTimeAndAttributes) {
  const auto source = folder / "Geolume.exe";
  ASSERT_TRUE(files.WriteFile(source, "program bytes"));
  ASSERT_TRUE(SetLocalWriteTime(source, {2003, 5, 0, 17, 9, 30, 42, 0}));
  ASSERT_TRUE(files.CreateFolders(folder / "geolume\\programa\\especial"));
  const auto target = folder / "GEOLUME\\programa\\especial\\geolume.exe";
  ASSERT_TRUE(files.WriteFile(target, "older"));

  ASSERT_TRUE(files.CopyFile(source, target));
  EXPECT_EQ(files.ReadFile(target), "program bytes");
  const auto stamp = files.ReadStamp(target);
  ASSERT_TRUE(stamp);
  const std::uint32_t date = ((2003 - 1980) << 9) | (5 << 5) | 17;
  const std::uint32_t time = (9 << 11) | (30 << 5) | 21;
  EXPECT_EQ(stamp->dos_date_time, (date << 16) | time);
  EXPECT_EQ(stamp->size_low, 13u);
  EXPECT_EQ(files.ReadStamp(source)->dos_date_time, stamp->dos_date_time);

  ASSERT_TRUE(files.SetAttributes(source, kAttributeReadOnly));
  ASSERT_TRUE(files.CopyFile(source, folder / "copy.exe"));
  EXPECT_EQ(files.GetAttributes(folder / "copy.exe"), kAttributeReadOnly | kAttributeArchive);
  // Copying over that read-only copy fails with 5 on Windows (and in memory),
  // but Wine running as root lets it through, so it is not checked here.
  EXPECT_FALSE(files.CopyFile(source, folder / "missing\\copy.exe"));
  EXPECT_EQ(files.LastError(), kErrorPathNotFound);
}

TEST_F(Win32FileSystemTest, CopyOfANewFileRefusesEveryNameThatIsThereAndOtherwiseCopiesAlike) {
  const auto source = folder / "Tabela.tab";
  ASSERT_TRUE(files.WriteFile(source, "table"));
  ASSERT_TRUE(SetLocalWriteTime(source, {2003, 5, 0, 17, 9, 30, 42, 0}));
  ASSERT_TRUE(files.WriteFile(folder / "TABELA OLD.TAB", "old"));
  ASSERT_TRUE(files.CreateFolders(folder / "sub"));
  EXPECT_FALSE(files.CopyNewFile(source, folder / "tabela old.tab"));
  EXPECT_EQ(files.LastError(), kErrorFileExists);
  EXPECT_EQ(files.ReadFile(folder / "tabela old.tab"), "old");
  // A folder that bears the name refuses it too.
  EXPECT_FALSE(files.CopyNewFile(source, folder / "SUB"));
  EXPECT_TRUE(files.LastError() == kErrorFileExists || files.LastError() == kErrorAccessDenied) << files.LastError();
  EXPECT_FALSE(files.CopyNewFile(folder / "missing.tab", folder / "new.tab"));
  EXPECT_EQ(files.LastError(), kErrorFileNotFound);
  ASSERT_TRUE(files.CopyNewFile(source, folder / "new.tab"));
  EXPECT_EQ(files.ReadFile(folder / "new.tab"), "table");
  EXPECT_EQ(files.ReadStamp(folder / "new.tab")->dos_date_time, files.ReadStamp(source)->dos_date_time);
  EXPECT_EQ(files.ReadStamp(folder / "new.tab")->size_low, 5u);
}

TEST_F(Win32FileSystemTest, TimesOutsideTheDosRangeStampAsItsNearerEnd) {
  const auto early = folder / "unix zero.txt";
  const auto late = folder / "far future.txt";
  ASSERT_TRUE(files.WriteFile(early, "e"));
  ASSERT_TRUE(files.WriteFile(late, "l"));
  ASSERT_TRUE(SetLocalWriteTime(early, {1970, 1, 0, 1, 0, 0, 0, 0}));
  ASSERT_TRUE(SetLocalWriteTime(late, {2110, 6, 0, 1, 12, 0, 0, 0}));
  EXPECT_EQ(files.ReadStamp(early)->dos_date_time, 0x00210000u);  // 1980-01-01 00:00:00
  EXPECT_EQ(files.ReadStamp(late)->dos_date_time, 0xFF9FBF7Du);   // 2107-12-31 23:59:58
  ASSERT_TRUE(files.CopyFile(early, folder / "copy.txt"));
  EXPECT_EQ(files.ReadStamp(folder / "copy.txt")->dos_date_time, 0x00210000u);
}

TEST_F(Win32FileSystemTest, LongPathsWork) {
  std::string deep = folder.path();
  while (deep.size() < 300) deep += "\\pasta com um nome bem comprido";
  ASSERT_TRUE(files.CreateFolders(deep));
  EXPECT_TRUE(files.FolderExists(deep));
  const auto file = deep + "\\acad.lsp";
  ASSERT_TRUE(files.WriteFile(file, "(princ)\r\n"));
  EXPECT_EQ(files.ReadFile(file), "(princ)\r\n");
  ASSERT_TRUE(files.CopyFile(file, deep + "\\copy.lsp"));
  EXPECT_EQ(files.ReadStamp(deep + "\\copy.lsp")->size_low, 9u);
  EXPECT_EQ(files.ListFolder(deep)->size(), 4u);
  EXPECT_TRUE(files.RenameFile(deep + "\\copy.lsp", deep + "\\moved.lsp"));
  EXPECT_TRUE(files.SetAttributes(deep + "\\moved.lsp", kAttributeReadOnly));
  EXPECT_EQ(WithoutArchive(files.GetAttributes(deep + "\\moved.lsp")), kAttributeReadOnly);
  EXPECT_TRUE(files.SetAttributes(deep + "\\moved.lsp", kAttributeNormal));
  EXPECT_TRUE(files.DeleteFile(deep + "\\moved.lsp"));
  EXPECT_TRUE(files.DeleteFile(file));
  EXPECT_TRUE(files.RemoveFolder(deep));
}

// Wine takes the access list and says it was set, but reads back one of its
// own making (system, the user, everyone read), so the list is checked as the
// platform layer set it; what a protected file still lets its owner do (the
// installer runs elevated) is checked on the real file.
TEST_F(Win32FileSystemTest, AProtectedFileGetsTheListOnlyAdministratorsMayChangeAndStillServesTheInstaller) {
  const auto file = folder / "acad.lsp";
  ASSERT_TRUE(files.WriteFile(file, "(princ)\r\n"));
  ASSERT_TRUE(files.SetAccess(file, platform::kProtectedFileAccess)) << files.LastError();
  ASSERT_EQ(files.AccessListsSet().size(), 1u);
  EXPECT_EQ(files.AccessListsSet()[0].first, "O:BAD:P(A;;FA;;;BA)(A;;FA;;;SY)(A;;0x1200a9;;;BU)");
  EXPECT_EQ(files.AccessListsSet()[0].second, file);
  EXPECT_TRUE(files.WriteFile(file, "(princ \"de novo\")\r\n"));
  EXPECT_TRUE(files.SetAccess(file, platform::kProtectedFileAccess));
  EXPECT_TRUE(files.DeleteFile(file));
  EXPECT_FALSE(files.SetAccess(file, platform::kProtectedFileAccess));
  EXPECT_EQ(files.LastError(), static_cast<std::uint32_t>(ERROR_FILE_NOT_FOUND));
}

// An unprotected list is added to what the folder passes on; set through the
// handle, the inherited entries are given back with it.
TEST_F(Win32FileSystemTest, AListAddedToWhatTheFolderPassesOnIsSetOnFilesAndFolders) {
  ASSERT_TRUE(files.CreateFolders(folder / "tabelas"));
  ASSERT_TRUE(files.WriteFile(folder / "tabelas\\pontos.tab", "1 0 0"));
  EXPECT_TRUE(files.SetAccess(folder / "tabelas", platform::kUsersModifyFolderAccess)) << files.LastError();
  EXPECT_TRUE(files.SetAccess(folder / "tabelas\\pontos.tab", platform::kUsersWriteFileAccess)) << files.LastError();
  ASSERT_EQ(files.AccessListsSet().size(), 2u);
  EXPECT_EQ(files.AccessListsSet()[1].first, "D:(A;;0x1201bf;;;BU)");
  EXPECT_EQ(files.ReadFile(folder / "tabelas\\pontos.tab"), "1 0 0");
}

}  // namespace
}  // namespace platform
