#include <windows.h>
#include <aclapi.h>
#include <sddl.h>
// The interface's names, not the ANSI/wide switches of <windows.h>.
#undef CopyFile
#undef DeleteFile

#include "platform/win32/win32_file_system.h"

#include <algorithm>

#include "platform/win32/wide_text.h"

namespace platform {
namespace {

// CreateDirectoryW's limit, the tightest of the classic path limits.
constexpr size_t kClassicLimit = MAX_PATH - 12;

bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

bool IsDrivePath(const std::wstring& path) {
  return path.size() >= 3 && path[1] == L':' && IsSeparator(path[2]);
}

std::wstring FullPath(const std::wstring& path) {
  const DWORD needed = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (needed == 0) return path;
  std::wstring full(needed, L'\0');
  const DWORD written = GetFullPathNameW(path.c_str(), needed, full.data(), nullptr);
  if (written == 0 || written >= needed) return path;
  full.resize(written);
  return full;
}

// Short paths go to Windows as they are. Long absolute ones are normalised
// first ("\\?\" turns that off) and then given the prefix that lifts the limit.
std::wstring ApiPath(const std::string& path) {
  std::wstring wide = Widen(path);
  if (wide.size() < kClassicLimit || wide.rfind(L"\\\\?\\", 0) == 0) return wide;
  wide = FullPath(wide);
  if (IsDrivePath(wide)) return L"\\\\?\\" + wide;
  if (wide.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + wide.substr(2);
  return wide;
}

std::string WithoutTrailingSeparators(std::string path) {
  while (path.size() > 1 && (path.back() == '\\' || path.back() == '/')) path.pop_back();
  return path;
}

// The folder part of a path, or empty for a drive or a bare name.
std::string ParentOf(const std::string& path) {
  const auto cut = path.find_last_of("\\/");
  if (cut == std::string::npos) return {};
  const auto parent = WithoutTrailingSeparators(path.substr(0, cut + 1));
  return parent.size() == 2 && parent[1] == ':' ? std::string() : parent;
}

// A file handle closed when it goes.
class OpenFile {
 public:
  OpenFile(const std::string& path, DWORD access, DWORD sharing, DWORD disposition)
      : handle_(CreateFileW(ApiPath(path).c_str(), access, sharing, nullptr, disposition,
                            FILE_ATTRIBUTE_NORMAL, nullptr)) {}
  ~OpenFile() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
  }
  OpenFile(const OpenFile&) = delete;
  OpenFile& operator=(const OpenFile&) = delete;

  explicit operator bool() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE handle() const { return handle_; }

 private:
  HANDLE handle_;
};

// 1980-01-01 00:00:00 and 2107-12-31 23:59:58, the ends of the DOS range.
constexpr std::uint32_t kEarliestDosTime = 0x00210000;
constexpr std::uint32_t kLatestDosTime = 0xFF9FBF7D;

// A time outside the DOS range, which a copied medium can carry (the Unix
// zero time, say), takes the nearer end of the range: equal times stay
// equal, later times stay later, and the file can still be compared.
// The range is checked here: Wine's conversion wraps years after 2107 round.
std::optional<std::uint32_t> DosTimeOf(const FILETIME& local) {
  SYSTEMTIME parts{};
  if (!FileTimeToSystemTime(&local, &parts)) return std::nullopt;
  if (parts.wYear < 1980) return kEarliestDosTime;
  if (parts.wYear > 2107) return kLatestDosTime;
  WORD date = 0;
  WORD time = 0;
  if (!FileTimeToDosDateTime(&local, &date, &time)) return std::nullopt;
  return (static_cast<std::uint32_t>(date) << 16) | time;
}

std::optional<FileStamp> StampOfOpenFile(HANDLE file) {
  FILETIME written{};
  FILETIME local{};
  if (!GetFileTime(file, nullptr, nullptr, &written)) return std::nullopt;
  if (!FileTimeToLocalFileTime(&written, &local)) return std::nullopt;
  const auto dos_time = DosTimeOf(local);
  if (!dos_time) return std::nullopt;
  SetLastError(NO_ERROR);
  const DWORD size_low = GetFileSize(file, nullptr);
  if (size_low == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) return std::nullopt;
  return FileStamp{*dos_time, size_low};
}

// The running process's own user.
std::vector<unsigned char> OwnUser() {
  HANDLE token = nullptr;
  std::vector<unsigned char> user;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return user;
  DWORD size = 0;
  GetTokenInformation(token, TokenUser, nullptr, 0, &size);
  user.resize(size);
  if (size == 0 || !GetTokenInformation(token, TokenUser, user.data(), size, &size)) user.clear();
  CloseHandle(token);
  return user;
}

// The administrators, the system account, Windows' own installer service
// and the running account: none of them is the "other" a list must keep out.
bool IsTrusted(PSID sid) {
  if (sid == nullptr) return false;
  if (IsWellKnownSid(sid, WinBuiltinAdministratorsSid) || IsWellKnownSid(sid, WinLocalSystemSid)) return true;
  static const std::vector<unsigned char> own = OwnUser();
  if (!own.empty() && EqualSid(sid, reinterpret_cast<const TOKEN_USER*>(own.data())->User.Sid)) return true;
  PSID installer = nullptr;
  if (!ConvertStringSidToSidW(L"S-1-5-80-956008885-3418522649-1831038044-1853292631-2271478464", &installer)) {
    return false;
  }
  const bool same = EqualSid(sid, installer);
  LocalFree(installer);
  return same;
}

// What lets its holder write, add, delete or rename, or change the list or
// the owner.
constexpr ACCESS_MASK kChangeRights = FILE_WRITE_DATA | FILE_APPEND_DATA | FILE_WRITE_EA | FILE_DELETE_CHILD |
                                      FILE_WRITE_ATTRIBUTES | DELETE | WRITE_DAC | WRITE_OWNER | GENERIC_WRITE |
                                      GENERIC_ALL;

bool OthersReadOnly(PACL list) {
  if (list == nullptr) return false;  // no list at all lets everyone do everything
  for (DWORD i = 0; i < list->AceCount; ++i) {
    ACE_HEADER* header = nullptr;
    if (!GetAce(list, i, reinterpret_cast<void**>(&header))) return false;
    if (header->AceType != ACCESS_ALLOWED_ACE_TYPE || (header->AceFlags & INHERIT_ONLY_ACE) != 0) continue;
    const auto* allowed = reinterpret_cast<ACCESS_ALLOWED_ACE*>(header);
    if ((allowed->Mask & kChangeRights) != 0 && !IsTrusted(const_cast<DWORD*>(&allowed->SidStart))) return false;
  }
  return true;
}

}  // namespace

bool Win32FileSystem::Outcome(bool succeeded) {
  last_error_ = succeeded ? 0 : GetLastError();
  return succeeded;
}

bool Win32FileSystem::FileExists(const std::string& path) {
  const auto attributes = GetAttributes(path);
  return attributes && (*attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool Win32FileSystem::FolderExists(const std::string& path) {
  const auto attributes = GetAttributes(path);
  return attributes && (*attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::optional<std::vector<DirectoryEntry>> Win32FileSystem::ListFolder(
    const std::string& folder) {
  WIN32_FIND_DATAW found{};
  const HANDLE search = FindFirstFileW(ApiPath(WithoutTrailingSeparators(folder) + "\\*").c_str(),
                                       &found);
  std::vector<DirectoryEntry> entries;
  if (search == INVALID_HANDLE_VALUE) {
    // A folder with nothing in it at all (a drive's root) matches no entry.
    if (!Outcome(GetLastError() == ERROR_FILE_NOT_FOUND)) return std::nullopt;
    return entries;
  }
  do {
    const bool is_folder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    entries.push_back({Narrow(found.cFileName), is_folder});
  } while (FindNextFileW(search, &found));
  const DWORD error = GetLastError();
  FindClose(search);
  last_error_ = error == ERROR_NO_MORE_FILES ? 0 : error;
  if (last_error_ != 0) return std::nullopt;
  return entries;
}

bool Win32FileSystem::CreateFolders(const std::string& path) {
  const auto folder = WithoutTrailingSeparators(path);
  if (FolderExists(folder)) return true;
  const auto parent = ParentOf(folder);
  if (!parent.empty() && !FolderExists(parent) && !CreateFolders(parent)) return false;
  if (CreateDirectoryW(ApiPath(folder).c_str(), nullptr)) return Outcome(true);
  const DWORD error = GetLastError();
  if (error == ERROR_ALREADY_EXISTS && FolderExists(folder)) return true;
  last_error_ = error;
  return false;
}

bool Win32FileSystem::RemoveFolder(const std::string& path) {
  return Outcome(RemoveDirectoryW(ApiPath(path).c_str()));
}

bool Win32FileSystem::CopyFile(const std::string& source, const std::string& target) {
  return Outcome(CopyFileW(ApiPath(source).c_str(), ApiPath(target).c_str(), FALSE));
}

bool Win32FileSystem::CopyNewFile(const std::string& source, const std::string& target) {
  return Outcome(CopyFileW(ApiPath(source).c_str(), ApiPath(target).c_str(), TRUE));
}

bool Win32FileSystem::DeleteFile(const std::string& path) {
  return Outcome(DeleteFileW(ApiPath(path).c_str()));
}

bool Win32FileSystem::RenameFile(const std::string& from, const std::string& to) {
  return Outcome(MoveFileW(ApiPath(from).c_str(), ApiPath(to).c_str()));
}

std::optional<std::uint32_t> Win32FileSystem::GetAttributes(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(ApiPath(path).c_str());
  if (!Outcome(attributes != INVALID_FILE_ATTRIBUTES)) return std::nullopt;
  return attributes;
}

bool Win32FileSystem::SetAttributes(const std::string& path, std::uint32_t attributes) {
  return Outcome(SetFileAttributesW(ApiPath(path).c_str(), attributes));
}

std::optional<FileStamp> Win32FileSystem::ReadStamp(const std::string& path) {
  OpenFile file(path, GENERIC_READ, 0, OPEN_EXISTING);
  if (!Outcome(static_cast<bool>(file))) return std::nullopt;
  const auto stamp = StampOfOpenFile(file.handle());
  Outcome(stamp.has_value());
  return stamp;
}

std::optional<std::string> Win32FileSystem::ReadFile(const std::string& path) {
  OpenFile file(path, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING);
  if (!Outcome(static_cast<bool>(file))) return std::nullopt;
  std::string bytes;
  std::vector<char> buffer(1 << 16);
  for (;;) {
    DWORD read = 0;
    const auto size = static_cast<DWORD>(buffer.size());
    if (!Outcome(::ReadFile(file.handle(), buffer.data(), size, &read, nullptr))) {
      return std::nullopt;
    }
    if (read == 0) return bytes;
    bytes.append(buffer.data(), read);
  }
}

bool Win32FileSystem::WriteFile(const std::string& path, const std::string& bytes) {
  OpenFile file(path, GENERIC_WRITE, 0, CREATE_ALWAYS);
  if (!Outcome(static_cast<bool>(file))) return false;
  size_t done = 0;
  while (done < bytes.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1 << 20));
    DWORD written = 0;
    if (!::WriteFile(file.handle(), bytes.data() + done, chunk, &written, nullptr)) {
      return Outcome(false);
    }
    done += written;
  }
  return Outcome(true);
}

bool Win32FileSystem::AppendFile(const std::string& path, const std::string& bytes) {
  OpenFile file(path, FILE_APPEND_DATA, FILE_SHARE_READ, OPEN_ALWAYS);
  if (!Outcome(static_cast<bool>(file))) return false;
  DWORD written = 0;
  const bool appended = ::WriteFile(file.handle(), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                                    nullptr) &&
                        written == bytes.size();
  // A record written as the work goes must survive a run that stops.
  return Outcome(appended && FlushFileBuffers(file.handle()));
}

std::optional<FileStamp> Win32FileSystem::StampOf(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!Outcome(GetFileAttributesExW(ApiPath(path).c_str(), GetFileExInfoStandard, &data))) return std::nullopt;
  if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
    last_error_ = ERROR_FILE_NOT_FOUND;
    return std::nullopt;
  }
  FILETIME local{};
  const auto dos_time = FileTimeToLocalFileTime(&data.ftLastWriteTime, &local) ? DosTimeOf(local) : std::nullopt;
  if (!Outcome(dos_time.has_value())) return std::nullopt;
  return FileStamp{*dos_time, data.nFileSizeLow};
}

bool Win32FileSystem::DeleteAtRestart(const std::string& path) {
  return Outcome(MoveFileExW(ApiPath(path).c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT));
}

bool Win32FileSystem::ReplaceFile(const std::string& from, const std::string& to) {
  return Outcome(MoveFileExW(ApiPath(from).c_str(), ApiPath(to).c_str(), MOVEFILE_REPLACE_EXISTING));
}

bool Win32FileSystem::SetAccess(const std::string& path, const std::string& text) {
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(Widen(text).c_str(), SDDL_REVISION_1, &descriptor,
                                                            nullptr)) {
    return Outcome(false);
  }
  BOOL present = FALSE;
  BOOL defaulted = FALSE;
  PACL access_list = nullptr;
  PSID owner = nullptr;
  GetSecurityDescriptorDacl(descriptor, &present, &access_list, &defaulted);
  GetSecurityDescriptorOwner(descriptor, &owner, &defaulted);
  SECURITY_DESCRIPTOR_CONTROL control = 0;
  DWORD revision = 0;
  GetSecurityDescriptorControl(descriptor, &control, &revision);
  SECURITY_INFORMATION what = DACL_SECURITY_INFORMATION;
  what |= (control & SE_DACL_PROTECTED) ? PROTECTED_DACL_SECURITY_INFORMATION : UNPROTECTED_DACL_SECURITY_INFORMATION;
  if (owner != nullptr) what |= OWNER_SECURITY_INFORMATION;
  std::wstring name = ApiPath(path);
  const DWORD result = SetNamedSecurityInfoW(name.data(), SE_FILE_OBJECT, what, owner, nullptr, access_list, nullptr);
  LocalFree(descriptor);
  last_error_ = result;
  if (result != ERROR_SUCCESS) return false;
  access_lists_set_.emplace_back(text, path);
  return true;
}

std::optional<std::string> Win32FileSystem::ReadAccess(const std::string& path) {
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  std::wstring name = ApiPath(path);
  const DWORD result = GetNamedSecurityInfoW(name.data(), SE_FILE_OBJECT,
                                             OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION, nullptr,
                                             nullptr, nullptr, nullptr, &descriptor);
  last_error_ = result;
  if (result != ERROR_SUCCESS) return std::nullopt;
  LPWSTR text = nullptr;
  const bool converted = ConvertSecurityDescriptorToStringSecurityDescriptorW(
      descriptor, SDDL_REVISION_1, OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION, &text, nullptr);
  LocalFree(descriptor);
  if (!Outcome(converted)) return std::nullopt;
  std::string access = Narrow(text);
  LocalFree(text);
  return access;
}

std::optional<AccessFacts> Win32FileSystem::AccessOf(const std::string& path) {
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  PSID owner = nullptr;
  PACL list = nullptr;
  std::wstring name = ApiPath(path);
  const DWORD result = GetNamedSecurityInfoW(name.data(), SE_FILE_OBJECT,
                                             OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION, &owner, nullptr,
                                             &list, nullptr, &descriptor);
  last_error_ = result;
  if (result != ERROR_SUCCESS) return std::nullopt;
  const AccessFacts facts{IsTrusted(owner), OthersReadOnly(list)};
  LocalFree(descriptor);
  return facts;
}

std::uint32_t Win32FileSystem::LastError() { return last_error_; }

}  // namespace platform
