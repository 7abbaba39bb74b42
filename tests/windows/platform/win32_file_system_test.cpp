// The Win32 file system against Wine's real one, in a temporary folder.
#include <windows.h>
#undef CopyFile
#undef DeleteFile

#include "platform/win32/win32_file_system.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/win32/wide_text.h"
#include "tests/windows/platform/temporary_folder.h"

namespace platform {
namespace {

// Wine reports every file with the archive bit; Windows keeps it as set.
std::uint32_t WithoutArchive(std::optional<std::uint32_t> attributes) {
  return attributes.value_or(0xFFFFFFFF) & ~kAttributeArchive;
}

// A file opened by the test itself, as another program would hold it.
class HeldFile {
 public:
  HeldFile(const std::string& path, DWORD sharing)
      : handle_(CreateFileW(Widen(path).c_str(), GENERIC_READ, sharing, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr)) {}
  ~HeldFile() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
  }
  HeldFile(const HeldFile&) = delete;
  HeldFile& operator=(const HeldFile&) = delete;
  bool held() const { return handle_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE handle_;
};

// Sets the file's last-write time to a local time, as a medium's file would have.
void SetLocalWriteTime(const std::string& path, WORD year, WORD month, WORD day, WORD hour,
                       WORD minute, WORD second) {
  SYSTEMTIME local{year, month, 0, day, hour, minute, second, 0};
  FILETIME local_time{};
  FILETIME utc{};
  SystemTimeToFileTime(&local, &local_time);
  LocalFileTimeToFileTime(&local_time, &utc);
  const HANDLE file = CreateFileW(Widen(path).c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  SetFileTime(file, nullptr, nullptr, &utc);
  CloseHandle(file);
}

std::vector<std::string> Names(const std::vector<DirectoryEntry>& entries) {
  std::vector<std::string> names;
  for (const auto& entry : entries) names.push_back(entry.name + (entry.is_folder ? "\\" : ""));
  std::sort(names.begin(), names.end());
  return names;
}

class Win32FileSystemTest : public ::testing::Test {
 protected:
  TemporaryFolder folder;
  Win32FileSystem files;
};

TEST_F(Win32FileSystemTest, CopyKeepsTheSourceTimeAndAttributes) {
  const auto source = folder / "Geolume.exe";
  ASSERT_TRUE(files.WriteFile(source, "program bytes"));
  SetLocalWriteTime(source, 2003, 5, 17, 9, 30, 42);
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
  SetLocalWriteTime(source, 2003, 5, 17, 9, 30, 42);
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
  SetLocalWriteTime(early, 1970, 1, 1, 0, 0, 0);
  SetLocalWriteTime(late, 2110, 6, 1, 12, 0, 0);
  EXPECT_EQ(files.ReadStamp(early)->dos_date_time, 0x00210000u);  // 1980-01-01 00:00:00
  EXPECT_EQ(files.ReadStamp(late)->dos_date_time, 0xFF9FBF7Du);   // 2107-12-31 23:59:58
  ASSERT_TRUE(files.CopyFile(early, folder / "copy.txt"));
  EXPECT_EQ(files.ReadStamp(folder / "copy.txt")->dos_date_time, 0x00210000u);
}

TEST_F(Win32FileSystemTest, FilesHeldOpenRefuseTheExclusiveOpen) {
  const auto path = folder / "in use.dll";
  ASSERT_TRUE(files.WriteFile(path, "dll"));
  {
    HeldFile held(path, 0);
    ASSERT_TRUE(held.held());
    EXPECT_FALSE(files.ReadStamp(path));
    EXPECT_EQ(files.LastError(), kErrorSharingViolation);
    EXPECT_FALSE(files.ReadFile(path));
    EXPECT_EQ(files.LastError(), kErrorSharingViolation);
    EXPECT_FALSE(files.CopyFile(path, folder / "copy.dll"));
    EXPECT_EQ(files.LastError(), kErrorSharingViolation);
    EXPECT_FALSE(files.DeleteFile(path));
    EXPECT_EQ(files.LastError(), kErrorSharingViolation);
  }
  {
    // Letting others read does not let in an open that shares with nobody.
    HeldFile held(path, FILE_SHARE_READ);
    ASSERT_TRUE(held.held());
    EXPECT_FALSE(files.ReadStamp(path));
    EXPECT_EQ(files.LastError(), kErrorSharingViolation);
    EXPECT_EQ(files.ReadFile(path), "dll");
    EXPECT_TRUE(files.CopyFile(path, folder / "copy.dll"));
    EXPECT_FALSE(files.WriteFile(path, "x"));
    EXPECT_EQ(files.LastError(), kErrorSharingViolation);
    EXPECT_FALSE(files.RenameFile(path, folder / "moved.dll"));
    EXPECT_EQ(files.LastError(), kErrorSharingViolation);
    EXPECT_TRUE(files.SetAttributes(path, kAttributeNormal));
  }
  EXPECT_TRUE(files.ReadStamp(path));
  EXPECT_EQ(files.LastError(), 0u);
}

TEST_F(Win32FileSystemTest, AttributesDeletionAndRenamingFollowWindows) {
  const auto path = folder / "descritivo.cfg";
  ASSERT_TRUE(files.WriteFile(path, "cfg"));
  EXPECT_EQ(files.GetAttributes(path), kAttributeArchive);
  ASSERT_TRUE(files.SetAttributes(path, kAttributeReadOnly | kAttributeHidden));
  EXPECT_EQ(WithoutArchive(files.GetAttributes(path)), kAttributeReadOnly | kAttributeHidden);
  EXPECT_FALSE(files.DeleteFile(path));
  EXPECT_EQ(files.LastError(), kErrorAccessDenied);
  ASSERT_TRUE(files.SetAttributes(path, kAttributeNormal));
  EXPECT_EQ(WithoutArchive(files.GetAttributes(path)) & ~kAttributeNormal, 0u);

  ASSERT_TRUE(files.WriteFile(folder / "acad-Renomeado-pelo-Geolume-1.lsp", "old"));
  ASSERT_TRUE(files.WriteFile(folder / "acad.lsp", "new"));
  EXPECT_FALSE(files.RenameFile(folder / "acad.lsp", folder / "ACAD-renomeado-PELO-geolume-1.LSP"));
  EXPECT_EQ(files.LastError(), kErrorAlreadyExists);
  EXPECT_TRUE(files.RenameFile(folder / "acad.lsp", folder / "acad-Renomeado-pelo-Geolume-2.lsp"));
  EXPECT_FALSE(files.FileExists(folder / "acad.lsp"));
  EXPECT_EQ(files.ReadFile(folder / "acad-renomeado-pelo-geolume-2.lsp"), "new");
  EXPECT_TRUE(files.DeleteFile(path));
  EXPECT_FALSE(files.DeleteFile(path));
  EXPECT_EQ(files.LastError(), kErrorFileNotFound);
  EXPECT_FALSE(files.GetAttributes(folder / "none\\x.cfg"));
  EXPECT_EQ(files.LastError(), kErrorPathNotFound);
}

TEST_F(Win32FileSystemTest, FoldersListCreateAndRemove) {
  ASSERT_TRUE(files.CreateFolders(folder / "Sistema Topográfico Geolume\\sub\\"));
  ASSERT_TRUE(files.WriteFile(folder / "Sistema Topográfico Geolume\\Geolume.lnk", "x"));
  EXPECT_TRUE(files.FolderExists(folder / "sistema topográfico geolume"));
  EXPECT_TRUE(files.FileExists(folder / "Sistema Topográfico Geolume\\\\Geolume.lnk"));
  const auto entries = files.ListFolder(folder / "Sistema Topográfico Geolume\\");
  ASSERT_TRUE(entries);
  EXPECT_EQ(Names(*entries), (std::vector<std::string>{"..\\", ".\\", "Geolume.lnk", "sub\\"}));
  EXPECT_FALSE(files.ListFolder(folder / "none"));
  EXPECT_EQ(files.LastError(), kErrorPathNotFound);

  EXPECT_FALSE(files.RemoveFolder(folder / "Sistema Topográfico Geolume"));
  EXPECT_EQ(files.LastError(), kErrorDirNotEmpty);
  EXPECT_TRUE(files.RemoveFolder(folder / "Sistema Topográfico Geolume\\sub"));
  EXPECT_FALSE(files.FolderExists(folder / "Sistema Topográfico Geolume\\sub"));
  ASSERT_TRUE(files.WriteFile(folder / "file", ""));
  EXPECT_FALSE(files.CreateFolders(folder / "file\\sub"));
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

}  // namespace
}  // namespace platform
