// The guard of elevated changes against Wine's real file system. Wine runs
// every program as an administrator and makes every file owned by the
// running user, whose links the guard trusts; Wine 8 makes hard links but
// neither junctions nor symbolic links.
#include <windows.h>
#include <winioctl.h>
#undef CopyFile
#undef DeleteFile

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "platform/win32/wide_text.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_system.h"
#include "tests/windows/platform/temporary_folder.h"

namespace platform {
namespace {

bool IsReparsePoint(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(Widen(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

// A junction made as Windows makes one: an empty folder given a mount-point
// reparse buffer naming the target.
bool MakeJunction(const std::string& link, const std::string& target) {
  if (!CreateDirectoryW(Widen(link).c_str(), nullptr)) return false;
  const HANDLE folder = CreateFileW(Widen(link).c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                    FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (folder == INVALID_HANDLE_VALUE) return false;
  const std::wstring substitute = L"\\??\\" + Widen(target);
  const std::wstring print = Widen(target);
  const WORD substitute_bytes = static_cast<WORD>(substitute.size() * sizeof(wchar_t));
  const WORD print_bytes = static_cast<WORD>(print.size() * sizeof(wchar_t));
  // Tag, data length, reserved; then the four offsets and lengths; then both names, each ended by a zero.
  const WORD data_bytes = static_cast<WORD>(8 + substitute_bytes + 2 + print_bytes + 2);
  std::vector<unsigned char> buffer(8 + data_bytes);
  const DWORD tag = IO_REPARSE_TAG_MOUNT_POINT;
  const WORD header[] = {data_bytes, 0, 0, substitute_bytes, static_cast<WORD>(substitute_bytes + 2), print_bytes};
  std::memcpy(buffer.data(), &tag, 4);
  std::memcpy(buffer.data() + 4, &header[0], 4);
  std::memcpy(buffer.data() + 8, &header[2], 8);
  std::memcpy(buffer.data() + 16, substitute.data(), substitute_bytes);
  std::memcpy(buffer.data() + 16 + substitute_bytes + 2, print.data(), print_bytes);
  DWORD returned = 0;
  const bool made = DeviceIoControl(folder, FSCTL_SET_REPARSE_POINT, buffer.data(),
                                    static_cast<DWORD>(buffer.size()), nullptr, 0, &returned, nullptr);
  CloseHandle(folder);
  return made;
}

// A link to the folder as a user could plant one: a symbolic link, else a
// junction. False where Windows (or Wine) makes neither.
bool MakeFolderLink(const std::string& link, const std::string& target) {
  constexpr DWORD kUnprivileged = 0x2;  // SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE
  CreateSymbolicLinkW(Widen(link).c_str(), Widen(target).c_str(), SYMBOLIC_LINK_FLAG_DIRECTORY | kUnprivileged);
  if (IsReparsePoint(link)) return true;
  RemoveDirectoryW(Widen(link).c_str());
  return MakeJunction(link, target) && IsReparsePoint(link);
}

class Win32GuardTest : public ::testing::Test {
 protected:
  void MakeSecondName(const std::string& existing, const std::string& name) {
    ASSERT_TRUE(CreateHardLinkW(Widen(name).c_str(), Widen(existing).c_str(), nullptr)) << GetLastError();
  }

  TemporaryFolder folder;
  Win32FileSystem files;  // guarded or not as the token says: under Wine, guarded
};

TEST_F(Win32GuardTest, UnderWineTheRunIsAnAdministratorsAndItsFileSystemGuarded) {
  Win32System system;
  EXPECT_EQ(system.RunningAccount(), Account::Administrator);
  // Not the system account: the user's temporary folder, as before.
  wchar_t temp[MAX_PATH + 1] = {};
  ASSERT_GT(GetTempPathW(MAX_PATH + 1, temp), 0u);
  EXPECT_EQ(system.TempFolder() + "\\", Narrow(temp));

  const auto product = folder / "acad.lsp";
  ASSERT_TRUE(files.WriteFile(product, "(princ)"));
  MakeSecondName(product, folder / "user.lsp");
  EXPECT_FALSE(files.WriteFile(product, "written"));
  EXPECT_EQ(files.LastError(), kErrorTooManyLinks);
}

// The attack of the guard contract run with the guard off, as a standard
// user's run is: the change goes through the product's name into the file
// the user chose, so the contract's refusals are not refusals of anything.
TEST_F(Win32GuardTest, WithTheGuardOffEveryChangeGoesThroughTheSecondNameIntoTheOtherFile) {
  Win32FileSystem unguarded(Win32FileSystem::Guarding::Off);
  const auto product = folder / "acad.lsp";
  const auto users = folder / "user.lsp";
  ASSERT_TRUE(files.WriteFile(product, "(princ)"));
  MakeSecondName(product, users);

  EXPECT_FALSE(files.SetAccess(product, kProtectedFileAccess));
  EXPECT_TRUE(files.AccessListsSet().empty());
  EXPECT_TRUE(unguarded.WriteFile(product, "written"));
  EXPECT_TRUE(unguarded.AppendFile(product, "+"));
  EXPECT_EQ(files.ReadFile(users), "written+");
  EXPECT_TRUE(unguarded.SetAttributes(product, kAttributeHidden));
  EXPECT_EQ(files.GetAttributes(users).value_or(0) & kAttributeHidden, kAttributeHidden);
  ASSERT_TRUE(unguarded.SetAttributes(product, kAttributeNormal));
  EXPECT_TRUE(unguarded.SetAccess(product, kProtectedFileAccess));
  EXPECT_EQ(unguarded.AccessListsSet().size(), 1u);
}

// Wine owns every file by the running user, whom the guard trusts; the seam
// that trusts no owner shows the refusal of a log a user made first.
TEST_F(Win32GuardTest, AnElevatedAppendAddsOnlyToALogATrustedOwnerOwns) {
  const auto log = folder / "Instalar.log";
  ASSERT_TRUE(files.AppendFile(log, "first\r\n"));
  Win32FileSystem trusting_no_owner(Win32FileSystem::Guarding::TrustingNoOwner);
  EXPECT_FALSE(trusting_no_owner.AppendFile(log, "second\r\n"));
  EXPECT_EQ(trusting_no_owner.LastError(), kErrorAccessDenied);
  EXPECT_EQ(files.ReadFile(log), "first\r\n");
  // A log it makes is its own whoever owns it.
  EXPECT_TRUE(trusting_no_owner.AppendFile(folder / "new.log", "new\r\n"));
  EXPECT_EQ(files.ReadFile(folder / "new.log"), "new\r\n");

  EXPECT_TRUE(files.AppendFile(log, "second\r\n"));
  EXPECT_EQ(files.ReadFile(log), "first\r\nsecond\r\n");
  // A log with a second name is not appended to, whoever owns it.
  MakeSecondName(log, folder / "elsewhere.log");
  EXPECT_FALSE(files.AppendFile(log, "third\r\n"));
  EXPECT_EQ(files.LastError(), kErrorTooManyLinks);
  EXPECT_EQ(files.ReadFile(folder / "elsewhere.log"), "first\r\nsecond\r\n");
}

TEST_F(Win32GuardTest, ALinkOnTheWayIsFollowedOnlyWhenATrustedOwnerMadeIt) {
  ASSERT_TRUE(files.CreateFolders(folder / "elsewhere"));
  const auto planted = folder / "geolume";
  if (!MakeFolderLink(planted, folder / "elsewhere")) {
    GTEST_SKIP() << "this Windows makes neither a symbolic link nor a junction (Wine 8 makes none)";
  }
  Win32FileSystem trusting_no_owner(Win32FileSystem::Guarding::TrustingNoOwner);
  EXPECT_FALSE(trusting_no_owner.WriteFile(planted + "\\acad.lsp", "(princ)"));
  EXPECT_EQ(trusting_no_owner.LastError(), kErrorLinkRefused);
  EXPECT_FALSE(trusting_no_owner.CreateFolders(planted + "\\suporte"));
  EXPECT_EQ(trusting_no_owner.LastError(), kErrorLinkRefused);
  EXPECT_FALSE(files.FileExists(folder / "elsewhere\\acad.lsp"));
  EXPECT_FALSE(files.FolderExists(folder / "elsewhere\\suporte"));
  // The running account made it: followed.
  EXPECT_TRUE(files.WriteFile(planted + "\\acad.lsp", "(princ)"));
  EXPECT_EQ(files.ReadFile(folder / "elsewhere\\acad.lsp"), "(princ)");
}

}  // namespace
}  // namespace platform
