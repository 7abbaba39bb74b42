#pragma once
// The guard of an elevated run's changes: a path whose folders are held,
// from the drive root down, each checked for a link no trusted owner made,
// and whose last name is opened without following a link and checked before
// anything is done to it through that handle.
#include <windows.h>

#include <string>
#include <vector>

#include "platform/win32/link_guard.h"

namespace platform {

// A handle closed when it goes.
class Handle {
 public:
  Handle() = default;
  explicit Handle(HANDLE handle) : handle_(handle) {}
  ~Handle() { Close(); }
  Handle(Handle&& other) noexcept : handle_(other.handle_) { other.handle_ = INVALID_HANDLE_VALUE; }
  Handle& operator=(Handle&& other) noexcept;
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;

  explicit operator bool() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return handle_; }
  void Close();

 private:
  HANDLE handle_ = INVALID_HANDLE_VALUE;
};

class CheckedPath {
 public:
  CheckedPath(const LinkGuard& guard, const std::string& path);
  CheckedPath(const CheckedPath&) = delete;
  CheckedPath& operator=(const CheckedPath&) = delete;

  // Holds every folder from the drive root down to the last name's folder,
  // so that none can be renamed or replaced while the call works; with
  // `creating`, the last name is a folder too and what is missing is made.
  // Under no guard, only a creating walk opens anything. On failure the
  // thread's last error says why.
  bool HoldFolders(bool creating = false);
  // Opens the last name with the access, sharing and disposition given
  // (FILE_FLAG_BACKUP_SEMANTICS in `flags` for folders); under the guard
  // without following a link, refusing a link no trusted owner made
  // (kErrorLinkRefused) and a file with another name (kErrorTooManyLinks).
  bool Open(DWORD access, DWORD sharing, DWORD disposition, DWORD flags = 0);
  // For a name about to be replaced: a link no trusted owner made is
  // refused, but a file with other names is not, as those names keep it.
  // True when nothing bears the name. Holds nothing afterwards, so that the
  // name can be replaced.
  bool CheckReplaceable();
  // A log an elevated run appends to is its own: a file found there that is
  // a link, has another name or that no trusted owner owns is refused.
  bool CheckOwnFile() const;
  // Drops the last name's handle, for a call that needs the name free.
  void Release() { file_.Close(); }

  HANDLE handle() const { return file_.get(); }
  // Whether the last name stood there before Open (OPEN_ALWAYS).
  bool existed() const { return existed_; }
  DWORD attributes() const { return attributes_; }
  bool IsFolder() const { return (attributes_ & FILE_ATTRIBUTE_DIRECTORY) != 0; }
  // The path as the wide calls take it, and normalised.
  const std::wstring& api_path() const { return api_path_; }
  const std::wstring& full_path() const { return full_path_; }

 private:
  bool HoldFolder(const std::wstring& folder, bool creating);
  bool CheckLink(HANDLE handle, DWORD attributes) const;
  bool OwnedByTrusted(HANDLE handle) const;

  const LinkGuard& guard_;
  std::wstring api_path_;
  std::wstring full_path_;
  std::vector<Handle> folders_;
  Handle file_;
  bool existed_ = false;
  DWORD attributes_ = 0;
  DWORD names_ = 1;
};

}  // namespace platform
