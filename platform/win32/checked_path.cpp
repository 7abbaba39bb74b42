#include "platform/win32/checked_path.h"

#include <aclapi.h>
#include <sddl.h>

#include "platform/file_system.h"
#include "platform/win32/api_path.h"
#include "platform/win32/process_token.h"
#include "platform/win32/wide_text.h"

namespace platform {
namespace {

constexpr wchar_t kTrustedInstaller[] = L"S-1-5-80-956008885-3418522649-1831038044-1853292631-2271478464";

bool StartsWith(const std::wstring& text, const wchar_t* start) { return text.rfind(start, 0) == 0; }

// Where the text stands after `count` more names from `start`, each ended by
// a backslash.
size_t AfterNames(const std::wstring& path, size_t start, int count) {
  size_t position = start;
  for (int i = 0; i < count; ++i) {
    position = path.find(L'\\', position);
    if (position == std::wstring::npos) return path.size();
    ++position;
  }
  return position;
}

// The length of the root of a full path: "C:\", "\\server\share\" and their
// "\\?\" forms.
size_t RootLength(const std::wstring& full) {
  if (StartsWith(full, L"\\\\?\\UNC\\")) return AfterNames(full, 8, 2);
  if (StartsWith(full, L"\\\\?\\")) return AfterNames(full, 4, 1);
  if (StartsWith(full, L"\\\\")) return AfterNames(full, 2, 2);
  return AfterNames(full, 0, 1);
}

std::wstring WithoutTrailingSeparators(std::wstring path) {
  while (path.size() > 1 && (path.back() == L'\\' || path.back() == L'/')) path.pop_back();
  return path;
}

std::vector<unsigned char> WellKnownSid(WELL_KNOWN_SID_TYPE type) {
  std::vector<unsigned char> sid(SECURITY_MAX_SID_SIZE);
  DWORD size = static_cast<DWORD>(sid.size());
  if (!CreateWellKnownSid(type, nullptr, sid.data(), &size)) return {};
  sid.resize(size);
  return sid;
}

std::vector<unsigned char> SidFromText(const wchar_t* text) {
  PSID sid = nullptr;
  if (!ConvertStringSidToSidW(text, &sid)) return {};
  const auto* bytes = static_cast<const unsigned char*>(sid);
  std::vector<unsigned char> copy(bytes, bytes + GetLengthSid(sid));
  LocalFree(sid);
  return copy;
}

// The attributes alone: GetFileInformationByHandle asks for the volume as
// well, which costs Wine milliseconds on every call.
bool AttributesOf(HANDLE handle, DWORD& attributes) {
  FILE_ATTRIBUTE_TAG_INFO tag{};
  if (!GetFileInformationByHandleEx(handle, FileAttributeTagInfo, &tag, sizeof tag)) return false;
  attributes = tag.FileAttributes;
  return true;
}

}  // namespace

Handle& Handle::operator=(Handle&& other) noexcept {
  if (this != &other) {
    Close();
    handle_ = other.handle_;
    other.handle_ = INVALID_HANDLE_VALUE;
  }
  return *this;
}

void Handle::Close() {
  if (handle_ == INVALID_HANDLE_VALUE) return;
  // Closing must not hide why the call that owns the handle failed.
  const DWORD error = GetLastError();
  CloseHandle(handle_);
  handle_ = INVALID_HANDLE_VALUE;
  SetLastError(error);
}

LinkGuard LinkGuard::Checking() {
  LinkGuard guard;
  guard.checking = true;
  for (auto sid : {WellKnownSid(WinBuiltinAdministratorsSid), WellKnownSid(WinLocalSystemSid),
                   SidFromText(kTrustedInstaller), UserSidOfThisProcess()}) {
    if (!sid.empty()) guard.trusted_owners.push_back(std::move(sid));
  }
  return guard;
}

LinkGuard LinkGuard::ForThisProcess() {
  if (AccountOfThisProcess() == Account::StandardUser) return LinkGuard{};
  return Checking();
}

bool LinkGuard::Trusts(void* owner) const {
  if (!owner || !IsValidSid(owner)) return false;
  for (const auto& sid : trusted_owners) {
    if (EqualSid(owner, const_cast<unsigned char*>(sid.data()))) return true;
  }
  return false;
}

CheckedPath::CheckedPath(const LinkGuard& guard, const std::string& path)
    : guard_(guard), api_path_(ApiPath(Widen(path))), full_path_(FullPath(Widen(path))) {}

bool CheckedPath::HoldFolders(bool creating) {
  if (!guard_.checking && !creating) return true;
  const std::wstring full = WithoutTrailingSeparators(full_path_);
  const size_t root = RootLength(full);
  if (root > full.size()) return true;
  if (!HoldFolder(full.substr(0, root), false)) return false;
  // Every folder below the root up to the last name's, and the last name
  // itself when it is a folder to be made.
  for (size_t end = full.find(L'\\', root); end != std::wstring::npos; end = full.find(L'\\', end + 1)) {
    if (!HoldFolder(full.substr(0, end), creating)) return false;
  }
  return !creating || root >= full.size() || HoldFolder(full, true);
}

bool CheckedPath::HoldFolder(const std::wstring& folder, bool creating) {
  const DWORD access = FILE_LIST_DIRECTORY | FILE_READ_ATTRIBUTES | READ_CONTROL | SYNCHRONIZE;
  // Listing access makes the missing delete sharing count: no one renames,
  // deletes or replaces the folder while it is held.
  const DWORD flags = FILE_FLAG_BACKUP_SEMANTICS | (guard_.checking ? FILE_FLAG_OPEN_REPARSE_POINT : 0);
  const std::wstring path = ApiPath(folder);
  auto open = [&] {
    return Handle(CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              flags, nullptr));
  };
  Handle held = open();
  if (!held && creating && GetLastError() == ERROR_FILE_NOT_FOUND) {
    if (!CreateDirectoryW(path.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) return false;
    held = open();
  }
  if (!held) {
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND) SetLastError(ERROR_PATH_NOT_FOUND);
    return false;
  }
  DWORD attributes = 0;
  if (!AttributesOf(held.get(), attributes)) return false;
  if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
    SetLastError(creating ? ERROR_ALREADY_EXISTS : ERROR_PATH_NOT_FOUND);
    return false;
  }
  if (!CheckLink(held.get(), attributes)) return false;
  folders_.push_back(std::move(held));
  return true;
}

bool CheckedPath::Open(DWORD access, DWORD sharing, DWORD disposition, DWORD flags) {
  access |= FILE_READ_ATTRIBUTES;
  if (guard_.checking) {
    access |= READ_CONTROL;
    flags |= FILE_FLAG_OPEN_REPARSE_POINT;
  }
  file_ = Handle(CreateFileW(api_path_.c_str(), access, sharing, nullptr, disposition, flags | FILE_ATTRIBUTE_NORMAL,
                             nullptr));
  if (!file_) return false;
  existed_ = disposition == OPEN_EXISTING || GetLastError() == ERROR_ALREADY_EXISTS;
  if (!AttributesOf(file_.get(), attributes_)) return false;
  if (!guard_.checking) return true;
  if (!CheckLink(file_.get(), attributes_)) return false;
  if (!IsFolder()) {
    FILE_STANDARD_INFO standard{};
    if (!GetFileInformationByHandleEx(file_.get(), FileStandardInfo, &standard, sizeof standard)) return false;
    names_ = standard.NumberOfLinks;
  }
  if (names_ > 1) {
    SetLastError(kErrorTooManyLinks);
    return false;
  }
  return true;
}

bool CheckedPath::CheckReplaceable() {
  if (!guard_.checking) return true;
  const DWORD sharing = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
  const Handle name(CreateFileW(api_path_.c_str(), FILE_READ_ATTRIBUTES | READ_CONTROL, sharing, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
  if (!name) return GetLastError() == ERROR_FILE_NOT_FOUND;
  DWORD attributes = 0;
  return AttributesOf(name.get(), attributes) && CheckLink(name.get(), attributes);
}

bool CheckedPath::CheckOwnFile() const {
  if (!guard_.checking || !existed_) return true;
  if (attributes_ & FILE_ATTRIBUTE_REPARSE_POINT) {
    SetLastError(ERROR_ACCESS_DENIED);
    return false;
  }
  if (names_ > 1) {
    SetLastError(kErrorTooManyLinks);
    return false;
  }
  if (!OwnedByTrusted(file_.get())) {
    SetLastError(ERROR_ACCESS_DENIED);
    return false;
  }
  return true;
}

// Junctions and symbolic links are followed where those who may already
// change everything made them: mount points, Windows' own placeholders.
bool CheckedPath::CheckLink(HANDLE handle, DWORD attributes) const {
  if (!guard_.checking || (attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) return true;
  if (OwnedByTrusted(handle)) return true;
  SetLastError(kErrorLinkRefused);
  return false;
}

bool CheckedPath::OwnedByTrusted(HANDLE handle) const {
  PSID owner = nullptr;
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (GetSecurityInfo(handle, SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION, &owner, nullptr, nullptr, nullptr,
                      &descriptor) != ERROR_SUCCESS) {
    return false;
  }
  const bool trusted = guard_.Trusts(owner);
  LocalFree(descriptor);
  return trusted;
}

}  // namespace platform
