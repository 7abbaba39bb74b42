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
#include "platform/memory/memory_accounts.h"

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
  bool protected_access = false;  // its access list inherits nothing
  std::string owner;  // "BA", "SY", "S-1-…"
  std::string link_target;  // what a junction or symbolic link points at
  int names = 1;  // hard links to the file, itself included
};

struct DescriptorRequest;
struct SecurityDescriptor;

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
  // The same, made by the account: its owner and what it inherits as creator.
  // Without one, the machine (the system account) makes them.
  void AddFolder(const std::string& path, const MemoryAccount& account);
  void AddFile(const std::string& path, const std::string& content, const MemoryAccount& account,
               std::uint32_t dos_date_time = kDefaultClock, std::uint32_t attributes = kAttributeArchive);
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
  // Every later call runs as the account (an elevated administrator at first):
  // its access is checked against each entry's owner and list.
  void RunAs(const MemoryAccount& account);
  const MemoryAccount& RunningAs() const { return account_; }
  // Runs as the default standard user, or again as the elevated administrator.
  void SetStandardUser(bool standard);
  // Owners and lists as a test sets them up, without any check; the list as
  // ReadAccess prints it (DescriptorOf). SetAccessForTest takes what SetAccess takes.
  void SetOwnerForTest(const std::string& path, const std::string& owner);
  void SetAccessForTest(const std::string& path, const std::string& descriptor);
  std::string DescriptorOf(const std::string& path) const;
  // Links made by the account, false with the error Windows gives when it may
  // not: a junction needs the right to add a folder where it goes; a symbolic
  // link (to a file or folder, absolute or relative to its folder) needs an
  // elevated account (1314 otherwise); a hard link needs the right to add a
  // file where it goes and the file on the same drive.
  bool AddJunction(const std::string& path, const std::string& target_folder, const MemoryAccount& account);
  bool AddSymbolicLink(const std::string& path, const std::string& target, const MemoryAccount& account);
  bool AddHardLink(const std::string& path, const std::string& existing_file, const MemoryAccount& account);
  // Off, the product runs as it was before it protected anything: SetAccess
  // succeeds and changes nothing, and an elevated run follows every link,
  // changes hard-linked files and appends to files others own.
  void SwitchOffProtection(bool off = true) { protection_ = !off; }
  // What starting the program as the account reads: its bytes, or the error
  // (2, 3, or 5 when the account may not read and execute it).
  struct ProgramImage {
    std::uint32_t error = 0;
    std::string bytes;
  };
  ProgramImage OpenProgram(const std::string& path, const MemoryAccount& account) const;
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
  struct FileData;
  struct Node;
  struct Location;

  // Links on the way are followed; the last name's only when asked.
  Location Locate(const std::string& path, bool follow_last = true) const;
  std::string LinkTarget(const Node& link) const;
  Node& RequireNode(const std::string& path) const;
  Node& AddDrive(const std::string& name);
  Node& AddFolders(const std::vector<std::string>& parts, size_t count, const std::string& owner);
  Node& AddNode(Node& folder, const std::string& name, bool is_folder, const std::string& owner);
  std::shared_ptr<const SecurityDescriptor> NewSecurity(Node& folder, const std::string& name, bool is_folder,
                                                        const std::string& owner) const;
  std::shared_ptr<const SecurityDescriptor> WellKnownFolderSecurity(const Node& folder,
                                                                    const std::string& name) const;
  void PassOn(Node& folder);
  void ApplyAccess(Node& node, const DescriptorRequest& request);
  bool MakeFolders(const std::string& path);
  bool Copy(const std::string& source, const std::string& target, bool overwrite);
  bool Move(const std::string& from, const std::string& to, bool replacing);
  bool AddLink(const std::string& path, const std::string& target, bool junction, const MemoryAccount& account);
  bool Allowed(const Node& node, std::uint32_t rights) const;
  bool MayDelete(const Node& node) const;
  bool MayGiveTo(const Node& node, const std::string& owner) const;
  bool Trusts(const std::string& owner) const;
  // The elevated run's refusal of foreign links and hard-linked files, or 0.
  std::uint32_t Guard(const Location& where, const Node* changed) const;
  void Know(const MemoryAccount& account);
  static const MemoryAccount& MachineOwner();
  bool Fail(std::uint32_t error);
  bool Succeed();

  std::unique_ptr<Node> top_;  // holds the drives
  std::uint32_t clock_ = kDefaultClock;
  std::uint32_t last_error_ = 0;
  std::map<std::u32string, std::uint32_t> copy_failures_;
  std::vector<std::string> deleted_at_restart_;
  MemoryAccount account_;
  // Whose profile folders c:\users holds, by name.
  std::vector<MemoryAccount> accounts_;
  bool protection_ = true;
};

}  // namespace platform
