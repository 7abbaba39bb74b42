#pragma once
// A file system that passes every call on to another and keeps, per kind of
// call, how many were made and the wall time they took: where a copy's time
// goes, call by call, on the real platform.
#include <map>
#include <string>

#include "platform/file_system.h"

namespace bench {

struct CallTime {
  int calls = 0;
  double seconds = 0;
};

class TimedFileSystem : public platform::FileSystem {
 public:
  explicit TimedFileSystem(platform::FileSystem& files) : files_(files) {}

  bool FileExists(const std::string& path) override;
  bool FolderExists(const std::string& path) override;
  std::optional<std::vector<platform::DirectoryEntry>> ListFolder(const std::string& folder) override;
  bool CreateFolders(const std::string& path) override;
  bool RemoveFolder(const std::string& path) override;
  bool CopyFile(const std::string& source, const std::string& target) override;
  bool CopyNewFile(const std::string& source, const std::string& target) override;
  bool DeleteFile(const std::string& path) override;
  bool RenameFile(const std::string& from, const std::string& to) override;
  std::optional<std::uint32_t> GetAttributes(const std::string& path) override;
  bool SetAttributes(const std::string& path, std::uint32_t attributes) override;
  std::optional<platform::FileStamp> ReadStamp(const std::string& path) override;
  std::optional<std::string> ReadFile(const std::string& path) override;
  bool WriteFile(const std::string& path, const std::string& bytes) override;
  bool AppendFile(const std::string& path, const std::string& bytes) override;
  std::optional<platform::FileStamp> StampOf(const std::string& path) override;
  bool DeleteAtRestart(const std::string& path) override;
  bool ReplaceFile(const std::string& from, const std::string& to) override;
  bool SetAccess(const std::string& path, const std::string& descriptor) override;
  std::optional<std::string> ReadAccess(const std::string& path) override;
  std::optional<platform::AccessFacts> AccessOf(const std::string& path) override;
  std::uint32_t LastError() override { return files_.LastError(); }

  // By the call's name.
  const std::map<std::string, CallTime>& Times() const { return times_; }
  void Clear() { times_.clear(); }

 private:
  template <typename Call>
  auto Timed(const char* name, Call call) -> decltype(call());

  platform::FileSystem& files_;
  std::map<std::string, CallTime> times_;
};

}  // namespace bench
