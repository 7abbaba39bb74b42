#pragma once
// Files and folders. Paths are Windows paths in UTF-8; letter case is ignored
// by every lookup, as on Windows. Failing calls leave a Windows error code
// that LastError() returns until the next call.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// Windows file attribute bits.
enum : std::uint32_t {
  kAttributeReadOnly = 0x01,
  kAttributeHidden = 0x02,
  kAttributeSystem = 0x04,
  kAttributeDirectory = 0x10,
  kAttributeArchive = 0x20,
  kAttributeNormal = 0x80,
  kAttributeReparsePoint = 0x400,  // a junction, a symbolic link or a placeholder
};

// Windows error codes the callers look at.
enum : std::uint32_t {
  kErrorFileNotFound = 2,
  kErrorPathNotFound = 3,
  kErrorAccessDenied = 5,
  kErrorSharingViolation = 32,
  kErrorFileExists = 80,
  kErrorAlreadyExists = 183,
  kErrorDirNotEmpty = 145,
  kErrorTooManyLinks = 1142,
  // ERROR_REPARSE_POINT_ENCOUNTERED: an elevated change met a link that
  // neither administrators nor the system account made.
  kErrorLinkRefused = 4395,
};

// Owners and access lists in the security descriptor language. What CAD
// hosts load and what users' clicks start: owned by the administrators,
// protected from inheritance; administrators and the system account full
// control, users read and execute. The folder's entries pass to everything
// below it.
constexpr char kProtectedFolderAccess[] =
    "O:BAD:P(A;OICI;FA;;;BA)(A;OICI;FA;;;SY)(A;OICI;0x1200a9;;;BU)";
constexpr char kProtectedFileAccess[] = "O:BAD:P(A;;FA;;;BA)(A;;FA;;;SY)(A;;0x1200a9;;;BU)";
// What users write below a protected folder, given explicitly beside what
// the folder passes on and with no deny entry (administrators are users
// too); the owner stays as it is. In a folder of their own users may
// modify everything; a file of theirs in a code folder they may read and
// write, not delete, since nobody but administrators can make it again there.
constexpr char kUsersModifyFolderAccess[] = "D:(A;OICI;0x1301bf;;;BU)";
constexpr char kUsersWriteFileAccess[] = "D:(A;;0x1201bf;;;BU)";
// Owned by the administrators with nothing of its own: only what the folder
// passes on. What a tree another account owned is given back with.
constexpr char kAdministratorsInheritedAccess[] = "O:BAD:";

// Who may change a file or folder, as far as the product needs to know.
struct AccessFacts {
  // Owned by the administrators, the system account, Windows itself or the
  // running account: no other account can give itself rights on it.
  bool owner_trusted = false;
  // Besides those, nobody may write, delete or rename it, add to it, or
  // change its list or owner.
  bool others_read_only = false;

  bool OnlyAdministratorsMayChange() const { return owner_trusted && others_read_only; }
};

struct DirectoryEntry {
  std::string name;
  bool is_folder = false;
};

// What an exclusive read-only open of a file tells: its last-write time as a
// local DOS date-time (date in the high 16 bits) and the low 32 bits of its size.
struct FileStamp {
  std::uint32_t dos_date_time = 0;
  std::uint32_t size_low = 0;
};

// An elevated run (an administrator's or the system account's) follows no
// link out of where it works: every call that changes something refuses a
// junction or symbolic link on its path that neither the administrators nor
// the system account own (kErrorLinkRefused), and a file to be changed
// that has more than one name (kErrorTooManyLinks), except the target that
// ReplaceFile puts another file in place of, which is not changed; it acts
// on the file it checked while its folder cannot be renamed. A standard
// user's run is not guarded: it can only harm what it may change anyway.
class FileSystem {
 public:
  virtual ~FileSystem() = default;

  virtual bool FileExists(const std::string& path) = 0;
  virtual bool FolderExists(const std::string& path) = 0;
  // Every entry of the folder, "." and ".." included, in no particular order;
  // nullopt when the folder cannot be listed.
  virtual std::optional<std::vector<DirectoryEntry>> ListFolder(const std::string& folder) = 0;
  // Creates the folder and any missing parents; true when it exists afterwards.
  virtual bool CreateFolders(const std::string& path) = 0;
  // Removes an empty folder.
  virtual bool RemoveFolder(const std::string& path) = 0;
  // Copies over an existing target; the target keeps the source's last-write time.
  virtual bool CopyFile(const std::string& source, const std::string& target) = 0;
  // The same where nothing bears the target's name yet: when a file or folder
  // does, fails with kErrorFileExists and leaves it alone. One look-up of the
  // target's name instead of the two an overwriting copy makes.
  virtual bool CopyNewFile(const std::string& source, const std::string& target) = 0;
  virtual bool DeleteFile(const std::string& path) = 0;
  virtual bool RenameFile(const std::string& from, const std::string& to) = 0;
  virtual std::optional<std::uint32_t> GetAttributes(const std::string& path) = 0;
  virtual bool SetAttributes(const std::string& path, std::uint32_t attributes) = 0;
  // Opens the file read-only sharing it with nobody, reads the stamp, closes it.
  virtual std::optional<FileStamp> ReadStamp(const std::string& path) = 0;
  // Whole-file byte access.
  virtual std::optional<std::string> ReadFile(const std::string& path) = 0;
  virtual bool WriteFile(const std::string& path, const std::string& bytes) = 0;
  // Adds the bytes at the end of the file, which is made when missing; what
  // was appended is on disk when the call returns.
  virtual bool AppendFile(const std::string& path, const std::string& bytes) = 0;
  // The stamp as ReadStamp gives it, without opening the file, so that a file
  // another program holds open still tells.
  virtual std::optional<FileStamp> StampOf(const std::string& path) = 0;
  // Deletes the file, or the empty folder, when Windows next starts: for what
  // is in use now, such as the running program itself.
  virtual bool DeleteAtRestart(const std::string& path) = 0;
  // Renames the file over the target, which it replaces when there is one:
  // the target's name then stands for the renamed file, never written
  // through into what stood there (its links and its readers keep the old
  // file). Both must be in the same folder.
  virtual bool ReplaceFile(const std::string& from, const std::string& to) = 0;
  // Sets what the descriptor holds (kProtectedFileAccess and the like): the
  // owner when it names one, and the access list, protected ("D:P") or added
  // to what the parent passes on.
  virtual bool SetAccess(const std::string& path, const std::string& descriptor) = 0;
  // The owner and the whole access list, inherited entries marked "ID", as
  // "O:…D:…"; nullopt when they cannot be read.
  virtual std::optional<std::string> ReadAccess(const std::string& path) = 0;
  // The same, as what it means for the product; nullopt when unreadable.
  virtual std::optional<AccessFacts> AccessOf(const std::string& path) = 0;

  virtual std::uint32_t LastError() = 0;
};

}  // namespace platform
