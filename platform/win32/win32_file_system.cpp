#include <windows.h>
#include <aclapi.h>
#include <sddl.h>
// The interface's names, not the ANSI/wide switches of <windows.h>.
#undef CopyFile
#undef DeleteFile

#include "platform/win32/win32_file_system.h"

#include <algorithm>

#include "platform/win32/api_path.h"
#include "platform/win32/checked_path.h"
#include "platform/win32/link_guard.h"
#include "platform/win32/wide_text.h"

namespace platform {
namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

std::wstring ApiPath(const std::string& path) { return platform::ApiPath(Widen(path)); }

std::string WithoutTrailingSeparators(std::string path) {
  while (path.size() > 1 && (path.back() == '\\' || path.back() == '/')) path.pop_back();
  return path;
}

// A file handle closed when it goes.
class OpenFile {
 public:
  OpenFile(const std::string& path, DWORD access, DWORD sharing, DWORD disposition,
           DWORD flags = FILE_ATTRIBUTE_NORMAL)
      : handle_(CreateFileW(ApiPath(path).c_str(), access, sharing, nullptr, disposition, flags, nullptr)) {}
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

bool WriteAll(HANDLE file, const char* bytes, size_t size) {
  size_t done = 0;
  while (done < size) {
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(size - done, 1 << 20));
    DWORD written = 0;
    if (!::WriteFile(file, bytes + done, chunk, &written, nullptr)) return false;
    done += written;
  }
  return true;
}

bool CopyBytes(HANDLE from, HANDLE to, std::uint64_t size) {
  std::vector<char> buffer(static_cast<size_t>(std::clamp<std::uint64_t>(size, 4096, 1 << 20)));
  for (;;) {
    DWORD read = 0;
    if (!::ReadFile(from, buffer.data(), static_cast<DWORD>(buffer.size()), &read, nullptr)) return false;
    if (read == 0) return true;
    if (!WriteAll(to, buffer.data(), read)) return false;
  }
}

bool Truncate(HANDLE file) {
  FILE_END_OF_FILE_INFO end{};
  return SetFileInformationByHandle(file, FileEndOfFileInfo, &end, sizeof end);
}

bool Dispose(HANDLE file) {
  FILE_DISPOSITION_INFO disposition{TRUE};
  return SetFileInformationByHandle(file, FileDispositionInfo, &disposition, sizeof disposition);
}

// Windows' refusals of a file written anew over one that hides itself, which
// opening the name without truncating it does not make.
bool RefuseIfHidden(const CheckedPath& file, DWORD refused_attributes) {
  if (!file.existed() || (file.attributes() & refused_attributes) == 0) return true;
  SetLastError(ERROR_ACCESS_DENIED);
  return false;
}

bool RenameByHandle(HANDLE file, const std::wstring& source, const std::wstring& target, bool replace) {
  const std::wstring name = NativePath(target);
  std::vector<unsigned char> buffer(sizeof(FILE_RENAME_INFO) + name.size() * sizeof(wchar_t));
  auto* rename = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
  rename->ReplaceIfExists = replace;
  rename->RootDirectory = nullptr;
  rename->FileNameLength = static_cast<DWORD>(name.size() * sizeof(wchar_t));
  std::copy(name.begin(), name.end(), rename->FileName);
  if (SetFileInformationByHandle(file, FileRenameInfo, rename, static_cast<DWORD>(buffer.size()))) return true;
  const DWORD error = GetLastError();
  if (error != ERROR_CALL_NOT_IMPLEMENTED && error != ERROR_NOT_SUPPORTED && error != ERROR_INVALID_FUNCTION) {
    return false;
  }
  // Where the handle call is missing, the checked names, whose folders are held.
  return MoveFileExW(platform::ApiPath(source).c_str(), platform::ApiPath(target).c_str(),
                     replace ? MOVEFILE_REPLACE_EXISTING : 0);
}

// Whether `path` names something below `folder`, as Windows compares names.
bool IsBelow(const std::wstring& path, const std::wstring& folder) {
  if (path.size() <= folder.size() || path[folder.size()] != L'\\') return false;
  return CompareStringOrdinal(path.data(), static_cast<int>(folder.size()), folder.data(),
                              static_cast<int>(folder.size()), TRUE) == CSTR_EQUAL;
}

// The descriptor's own entries followed by those the file inherits now.
// Set through a handle, Windows may not look up the parent to add these
// back, and an unprotected list would then lose what the parent passes on.
bool WithInheritedEntries(HANDLE file, PACL own, std::vector<DWORD>& merged) {
  PACL current = nullptr;
  PSECURITY_DESCRIPTOR held = nullptr;
  if (GetSecurityInfo(file, SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr, &current, nullptr,
                      &held) != ERROR_SUCCESS) {
    return false;
  }
  const DWORD size = (own ? own->AclSize : sizeof(ACL)) + (current ? current->AclSize : 0);
  merged.assign(size / sizeof(DWORD) + 1, 0);
  auto* list = reinterpret_cast<PACL>(merged.data());
  bool built = InitializeAcl(list, size, ACL_REVISION_DS);
  auto append = [&](PACL from, bool inherited_only) {
    for (DWORD i = 0; built && from && i < from->AceCount; ++i) {
      void* entry = nullptr;
      if (!GetAce(from, i, &entry)) continue;
      const auto* header = static_cast<const ACE_HEADER*>(entry);
      if (inherited_only && (header->AceFlags & INHERITED_ACE) == 0) continue;
      built = AddAce(list, ACL_REVISION_DS, MAXDWORD, entry, header->AceSize);
    }
  };
  append(own, false);
  append(current, true);
  LocalFree(held);
  return built;
}

// What lets its holder write, add, delete or rename, or change the list or
// the owner.
constexpr ACCESS_MASK kChangeRights = FILE_WRITE_DATA | FILE_APPEND_DATA | FILE_WRITE_EA | FILE_DELETE_CHILD |
                                      FILE_WRITE_ATTRIBUTES | DELETE | WRITE_DAC | WRITE_OWNER | GENERIC_WRITE |
                                      GENERIC_ALL;

// The administrators, the system account, TrustedInstaller and the running
// account: none of them is the "other" a list must keep out.
const LinkGuard& TrustedOwners() {
  static const LinkGuard trusted = LinkGuard::Checking();
  return trusted;
}

bool OthersReadOnly(PACL list) {
  if (list == nullptr) return false;  // no list at all lets everyone do everything
  for (DWORD i = 0; i < list->AceCount; ++i) {
    ACE_HEADER* header = nullptr;
    if (!GetAce(list, i, reinterpret_cast<void**>(&header))) return false;
    if (header->AceType != ACCESS_ALLOWED_ACE_TYPE || (header->AceFlags & INHERIT_ONLY_ACE) != 0) continue;
    auto* allowed = reinterpret_cast<ACCESS_ALLOWED_ACE*>(header);
    if ((allowed->Mask & kChangeRights) != 0 && !TrustedOwners().Trusts(&allowed->SidStart)) return false;
  }
  return true;
}

}  // namespace

Win32FileSystem::Win32FileSystem(Guarding guarding) {
  if (guarding == Guarding::ByAccount) guard_ = LinkGuard::ForThisProcess();
  if (guarding == Guarding::TrustingNoOwner) guard_.checking = true;
}

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
  CheckedPath folder(guard_, path);
  return Outcome(folder.HoldFolders(true));
}

bool Win32FileSystem::RemoveFolder(const std::string& path) {
  CheckedPath folder(guard_, path);
  if (!folder.HoldFolders() ||
      !folder.Open(DELETE, kShareAll, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT)) {
    return Outcome(false);
  }
  if (!folder.IsFolder()) {
    SetLastError(ERROR_DIRECTORY);
    return Outcome(false);
  }
  return Outcome(Dispose(folder.handle()));
}

bool Win32FileSystem::CopyFile(const std::string& source, const std::string& target) {
  return Copy(source, target, true);
}

bool Win32FileSystem::CopyNewFile(const std::string& source, const std::string& target) {
  return Copy(source, target, false);
}

// CopyFileW would follow a link planted at the target: the copy is written
// through the checked handle, with the source's attributes and last-write time.
bool Win32FileSystem::Copy(const std::string& source, const std::string& target, bool overwrite) {
  OpenFile from(source, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN);
  FILE_BASIC_INFO source_basic{};
  LARGE_INTEGER size{};
  if (!from || !GetFileInformationByHandleEx(from.handle(), FileBasicInfo, &source_basic, sizeof source_basic) ||
      !GetFileSizeEx(from.handle(), &size)) {
    return Outcome(false);
  }
  CheckedPath to(guard_, target);
  if (!to.HoldFolders() ||
      !to.Open(GENERIC_WRITE | FILE_WRITE_ATTRIBUTES | DELETE, 0, overwrite ? OPEN_ALWAYS : CREATE_NEW) ||
      !RefuseIfHidden(to, FILE_ATTRIBUTE_HIDDEN)) {
    return Outcome(false);
  }
  FILE_BASIC_INFO basic{};
  basic.LastWriteTime = source_basic.LastWriteTime;
  basic.FileAttributes = (source_basic.FileAttributes &
                          (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) |
                         FILE_ATTRIBUTE_ARCHIVE;
  const bool copied = (!to.existed() || Truncate(to.handle())) && CopyBytes(from.handle(), to.handle(), static_cast<std::uint64_t>(size.QuadPart)) &&
                      SetFileInformationByHandle(to.handle(), FileBasicInfo, &basic, sizeof basic);
  // A half-written new file would pass for a copy the next time.
  if (!copied && !to.existed()) {
    const DWORD error = GetLastError();
    Dispose(to.handle());
    SetLastError(error);
  }
  return Outcome(copied);
}

bool Win32FileSystem::DeleteFile(const std::string& path) {
  CheckedPath file(guard_, path);
  return Outcome(file.HoldFolders() && file.Open(DELETE, kShareAll, OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT) &&
                 Dispose(file.handle()));
}

bool Win32FileSystem::RenameFile(const std::string& from, const std::string& to) { return Rename(from, to, false); }

bool Win32FileSystem::Rename(const std::string& from, const std::string& to, bool replace) {
  CheckedPath source(guard_, from);
  CheckedPath target(guard_, to);
  // A folder cannot go inside itself; held, it would only meet its own handle.
  if (IsBelow(target.full_path(), source.full_path())) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return Outcome(false);
  }
  if (!source.HoldFolders() ||
      !source.Open(DELETE | SYNCHRONIZE, kShareAll, OPEN_EXISTING,
                   FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT) ||
      !target.HoldFolders() || (replace && !target.CheckReplaceable())) {
    return Outcome(false);
  }
  return Outcome(RenameByHandle(source.handle(), source.full_path(), target.full_path(), replace));
}

std::optional<std::uint32_t> Win32FileSystem::GetAttributes(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(ApiPath(path).c_str());
  if (!Outcome(attributes != INVALID_FILE_ATTRIBUTES)) return std::nullopt;
  return attributes;
}

bool Win32FileSystem::SetAttributes(const std::string& path, std::uint32_t attributes) {
  CheckedPath file(guard_, path);
  if (!file.HoldFolders() || !file.Open(FILE_WRITE_ATTRIBUTES, kShareAll, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS)) {
    return Outcome(false);
  }
  FILE_BASIC_INFO basic{};  // times left as they are
  // No bit at all would leave the attributes as they are; "normal" clears them.
  basic.FileAttributes = attributes != 0 ? attributes : FILE_ATTRIBUTE_NORMAL;
  return Outcome(SetFileInformationByHandle(file.handle(), FileBasicInfo, &basic, sizeof basic));
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

// Opened without truncating, so that a file with another name is refused
// before its bytes are lost.
bool Win32FileSystem::WriteFile(const std::string& path, const std::string& bytes) {
  CheckedPath file(guard_, path);
  return Outcome(file.HoldFolders() && file.Open(GENERIC_WRITE, 0, OPEN_ALWAYS) &&
                 RefuseIfHidden(file, FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM) &&
                 (!file.existed() || Truncate(file.handle())) && WriteAll(file.handle(), bytes.data(), bytes.size()));
}

bool Win32FileSystem::AppendFile(const std::string& path, const std::string& bytes) {
  CheckedPath file(guard_, path);
  if (!file.HoldFolders() || !file.Open(FILE_APPEND_DATA, FILE_SHARE_READ, OPEN_ALWAYS) || !file.CheckOwnFile()) {
    return Outcome(false);
  }
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
  CheckedPath file(guard_, path);
  return Outcome(file.HoldFolders() &&
                 file.Open(0, kShareAll, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT) &&
                 MoveFileExW(file.api_path().c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT));
}

bool Win32FileSystem::ReplaceFile(const std::string& from, const std::string& to) { return Rename(from, to, true); }

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
  // Set on the handle checked, never by a name that a planted link redirects.
  CheckedPath file(guard_, path);
  const DWORD access = READ_CONTROL | WRITE_DAC | (owner != nullptr ? WRITE_OWNER : 0);
  DWORD result = ERROR_SUCCESS;
  std::vector<DWORD> merged;
  const bool protect = (control & SE_DACL_PROTECTED) != 0;
  if (file.HoldFolders() && file.Open(access, kShareAll, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS) &&
      (protect || WithInheritedEntries(file.handle(), access_list, merged))) {
    PACL list = protect ? access_list : reinterpret_cast<PACL>(merged.data());
    result = SetSecurityInfo(file.handle(), SE_FILE_OBJECT, what, owner, nullptr, list, nullptr);
  } else {
    result = GetLastError();
  }
  LocalFree(descriptor);
  last_error_ = result;
  if (result != ERROR_SUCCESS) return false;
  access_lists_set_.emplace_back(text, path);
  return true;
}

// Read from the name itself: a link is not followed to what it points at.
std::optional<std::string> Win32FileSystem::ReadAccess(const std::string& path) {
  OpenFile file(path, READ_CONTROL, kShareAll, OPEN_EXISTING,
                FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT);
  if (!Outcome(static_cast<bool>(file))) return std::nullopt;
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  const DWORD result = GetSecurityInfo(file.handle(), SE_FILE_OBJECT,
                                       OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION, nullptr, nullptr,
                                       nullptr, nullptr, &descriptor);
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

// Read from the name itself, never through a link in its place.
std::optional<AccessFacts> Win32FileSystem::AccessOf(const std::string& path) {
  OpenFile file(path, READ_CONTROL, kShareAll, OPEN_EXISTING,
                FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT);
  if (!Outcome(static_cast<bool>(file))) return std::nullopt;
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  PSID owner = nullptr;
  PACL list = nullptr;
  const DWORD result = GetSecurityInfo(file.handle(), SE_FILE_OBJECT,
                                       OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION, &owner, nullptr,
                                       &list, nullptr, &descriptor);
  last_error_ = result;
  if (result != ERROR_SUCCESS) return std::nullopt;
  const AccessFacts facts{TrustedOwners().Trusts(owner), OthersReadOnly(list)};
  LocalFree(descriptor);
  return facts;
}

std::uint32_t Win32FileSystem::LastError() { return last_error_; }

}  // namespace platform
