#pragma once
// The file system of the in-memory Windows: drives ("c:") holding a tree of
// folders and files whose names keep their spelling but compare without
// regard to case. Files carry attributes, a last-write time as a local DOS
// date-time, and their bytes. Failures leave the error code Windows gives.
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace platform {

// A DOS date-time (date in the high 16 bits, seconds halved), as ReadStamp gives it.
std::uint32_t MakeDosDateTime(int year, int month, int day, int hour, int minute, int second);

// How another program holds a file open for reading: sharing it with nobody,
// or letting others read it too.
enum class FileSharing { None, Read };

// One file or folder as the tree holds it.
struct MemoryEntry {
  std::string path;  // full path in its stored spelling; folders end in a backslash
  bool is_folder = false;
  std::uint32_t attributes = 0;  // as GetAttributes gives them
  std::uint32_t dos_date_time = 0;
  std::string content;
  bool protected_access = false;  // given its own access list by ProtectFile
};

class MemoryFileSystem : public FileSystem {
 public:
  // Drive c: exists from the start; write times come from a clock set to this value.
  static constexpr std::uint32_t kDefaultClock = (44u << 25) | (1u << 21) | (15u << 16) |
                                                 (12u << 11);  // 2024-01-15 12:00:00

  MemoryFileSystem();
  ~MemoryFileSystem() override;
  MemoryFileSystem(const MemoryFileSystem&) = delete;
  MemoryFileSystem& operator=(const MemoryFileSystem&) = delete;

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
  std::uint32_t LastError() override;

  // Test helpers. Adding creates missing parents and drives; a helper given a
  // path it cannot use throws std::invalid_argument.
  void AddFolder(const std::string& path);
  void AddFile(const std::string& path, const std::string& content,
               std::uint32_t dos_date_time = kDefaultClock,
               std::uint32_t attributes = kAttributeArchive);
  void SetFileTime(const std::string& path, std::uint32_t dos_date_time);
  // The time that WriteFile gives the files it writes.
  void SetClock(std::uint32_t dos_date_time);
  // Another program opens the file for reading. Any holder makes ReadStamp
  // (which shares with nobody) fail with 32, and writes, copies onto it,
  // deletion and renaming fail with 32; with FileSharing::None reading and
  // copying from it fail with 32 too. Attributes stay settable.
  void HoldOpen(const std::string& path, FileSharing sharing);
  void Release(const std::string& path);
  // Creating, writing, renaming, deleting or changing attributes anywhere
  // inside the folder (and of the folder itself) fails with 5; reading works.
  void SetFolderReadOnly(const std::string& path, bool read_only = true);
  // Listing the folder fails with 5, as for a folder the user may not list;
  // its files can still be reached by name.
  void DenyListing(const std::string& path, bool denied = true);
  // The next CopyFile or CopyNewFile onto this target fails with the error,
  // changing nothing.
  void FailCopyOnce(const std::string& target, std::uint32_t error);
  std::optional<MemoryEntry> Inspect(const std::string& path) const;
  // As a standard user: a protected file refuses every change with 5, and
  // no file can be protected.
  void SetStandardUser(bool standard) { standard_user_ = standard; }
  // What DeleteAtRestart was given, in order.
  const std::vector<std::string>& DeletedAtRestart() const { return deleted_at_restart_; }
  // How often each call of the interface was made, by its name: what a
  // piece of code asks of Windows.
  std::map<std::string, int> calls;
  // Every drive, folder and file, depth first, each folder's entries sorted
  // without regard to case.
  std::vector<MemoryEntry> Entries() const;
  // Entries() as text, one line per entry with its attributes, time, size and
  // a digest of its bytes; equal texts mean equal trees.
  std::string Export() const;

 private:
  struct Node;
  struct Location;

  Location Locate(const std::string& path) const;
  Node& RequireNode(const std::string& path) const;
  Node& AddFolders(const std::vector<std::string>& parts, size_t count);
  bool Copy(const std::string& source, const std::string& target, bool overwrite);
  bool Fail(std::uint32_t error);
  bool Refuses(const Node& node) const;
  bool Succeed();

  std::unique_ptr<Node> top_;  // holds the drives
  std::uint32_t clock_ = kDefaultClock;
  std::uint32_t last_error_ = 0;
  std::map<std::u32string, std::uint32_t> copy_failures_;
  std::vector<std::string> deleted_at_restart_;
  bool standard_user_ = false;
};

}  // namespace platform
