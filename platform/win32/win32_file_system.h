#pragma once
// The real file system through the wide-character calls; absolute paths too
// long for the classic limit are passed in their "\\?\" form.
#include <utility>
#include <vector>

#include "platform/file_system.h"

namespace platform {

class Win32FileSystem : public FileSystem {
 public:
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

  std::uint32_t last_error_ = 0;
  std::vector<std::pair<std::string, std::string>> access_lists_set_;
};

}  // namespace platform
