#pragma once
// The real file system through the wide-character calls; absolute paths too
// long for the classic limit are passed in their "\\?\" form. Changes go
// through a CheckedPath: under the guard that FileSystem states, they act on
// the handle of what was checked.
#include <utility>
#include <vector>

#include "platform/file_system.h"
#include "platform/win32/link_guard.h"

namespace platform {

class Win32FileSystem : public FileSystem {
 public:
  enum class Guarding {
    ByAccount,  // guarded when the process runs elevated or as the system account
    Off,        // test seam: what a standard user's run does
    // Test seam: guarded, trusting no owner's links, for the refusal that
    // the running account's own links would otherwise pass.
    TrustingNoOwner,
  };

  // The guard is decided here, once, from the process token.
  Win32FileSystem() : Win32FileSystem(Guarding::ByAccount) {}
  explicit Win32FileSystem(Guarding guarding);

  bool FileExists(const std::string& path) override;
  bool FolderExists(const std::string& path) override;
  std::optional<std::vector<DirectoryEntry>> ListFolder(const std::string& folder) override;
  bool CreateFolders(const std::string& path) override;
  bool RemoveFolder(const std::string& path) override;
  bool CopyFile(const std::string& source, const std::string& target) override;
  bool CopyNewFile(const std::string& source, const std::string& target) override;
  bool DeleteFile(const std::string& path) override;
  bool RenameFile(const std::string& from, const std::string& to) override;
  std::optional<std::uint32_t> GetAttributes(const std::string& path) override;
  bool SetAttributes(const std::string& path, std::uint32_t attributes) override;
  std::optional<FileStamp> ReadStamp(const std::string& path) override;
  std::optional<std::string> ReadFile(const std::string& path) override;
  bool WriteFile(const std::string& path, const std::string& bytes) override;
  bool AppendFile(const std::string& path, const std::string& bytes) override;
  std::optional<FileStamp> StampOf(const std::string& path) override;
  bool DeleteAtRestart(const std::string& path) override;
  bool ReplaceFile(const std::string& from, const std::string& to) override;
  bool SetAccess(const std::string& path, const std::string& descriptor) override;
  std::optional<std::string> ReadAccess(const std::string& path) override;
  std::optional<AccessFacts> AccessOf(const std::string& path) override;
  // Every access list this object set, as the security descriptor text and
  // the path, in order: what Wine cannot show when read back.
  const std::vector<std::pair<std::string, std::string>>& AccessListsSet() const { return access_lists_set_; }
  std::uint32_t LastError() override;

 private:
  bool Outcome(bool succeeded);
  bool Copy(const std::string& source, const std::string& target, bool overwrite);
  bool Rename(const std::string& from, const std::string& to, bool replace);

  LinkGuard guard_;
  std::uint32_t last_error_ = 0;
  std::vector<std::pair<std::string, std::string>> access_lists_set_;
};

}  // namespace platform
