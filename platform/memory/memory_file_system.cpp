#include "platform/memory/memory_file_system.h"

#include <cstdio>
#include <sstream>
#include <stdexcept>

#include "platform/memory/folded_name.h"
#include "platform/memory/memory_security.h"

namespace platform {
namespace {

constexpr std::uint32_t kErrorInvalidParameter = 87;
constexpr std::uint32_t kErrorInvalidName = 123;
constexpr std::uint32_t kErrorDirectory = 267;
constexpr std::uint32_t kErrorNotSameDevice = 17;
constexpr std::uint32_t kErrorPrivilegeNotHeld = 1314;
constexpr std::uint32_t kErrorCantResolveFilename = 1921;
// Windows gives up after this many links on one path.
constexpr int kMaximumLinkHops = 63;
// The attribute bits a file keeps; the folder bit comes from what it is.
constexpr std::uint32_t kSettableAttributes = kAttributeReadOnly | kAttributeHidden |
                                              kAttributeSystem | kAttributeArchive | 0x100 |
                                              0x1000 | 0x2000;

struct ParsedPath {
  std::uint32_t error = 0;
  std::vector<std::string> parts;  // the drive ("c:") first
  bool ends_in_separator = false;  // then it names a folder, never a file
};

bool IsDrive(const std::string& part) {
  const char letter = part.empty() ? '\0' : part[0];
  const bool is_letter = (letter >= 'a' && letter <= 'z') || (letter >= 'A' && letter <= 'Z');
  return part.size() == 2 && is_letter && part[1] == ':';
}

bool IsValidName(const std::string& name) {
  for (const char c : name) {
    if (static_cast<unsigned char>(c) < 0x20) return false;
    if (std::string_view("<>:\"|?*").find(c) != std::string_view::npos) return false;
  }
  return true;
}

std::vector<std::string> SplitPath(std::string path) {
  if (path.rfind("\\\\?\\", 0) == 0) path.erase(0, 4);
  std::vector<std::string> pieces;
  std::string piece;
  for (const char c : path) {
    if (c != '\\' && c != '/') {
      piece += c;
      continue;
    }
    pieces.push_back(piece);
    piece.clear();
  }
  pieces.push_back(piece);
  return pieces;
}

// Windows drops one dot ending a folder's name in a path, and every dot and
// space ending the last name.
std::string Trimmed(std::string piece, bool last) {
  if (piece == "." || piece == "..") return piece;
  if (!last) {
    if (!piece.empty() && piece.back() == '.') piece.pop_back();
    return piece;
  }
  while (!piece.empty() && (piece.back() == '.' || piece.back() == ' ')) piece.pop_back();
  return piece;
}

// Absolute drive paths, and paths from the root of the current drive, which
// is C: here as for a program Windows starts at logon (its current folder is
// the system folder); empty parts (doubled backslashes), "." and "..", and
// dots and spaces ending names are resolved as Windows resolves them.
ParsedPath ParsePath(const std::string& path) {
  ParsedPath parsed;
  auto pieces = SplitPath(path);
  const bool from_root = pieces.size() > 1 && pieces[0].empty() && !pieces[1].empty();
  if (from_root) pieces[0] = "c:";
  if (!IsDrive(pieces.front())) {
    parsed.error = kErrorPathNotFound;
    return parsed;
  }
  parsed.parts.push_back(pieces.front());
  parsed.ends_in_separator = pieces.size() > 1 && pieces.back().empty();
  for (size_t i = 1; i < pieces.size(); ++i) {
    const auto piece = Trimmed(pieces[i], i + 1 == pieces.size());
    if (piece.empty() || piece == ".") continue;
    if (piece == "..") {
      if (parsed.parts.size() > 1) parsed.parts.pop_back();
      continue;
    }
    if (!IsValidName(piece)) {
      parsed.error = kErrorInvalidName;
      return parsed;
    }
    parsed.parts.push_back(piece);
  }
  return parsed;
}

std::u32string PathKey(const std::vector<std::string>& parts) {
  std::string joined;
  for (const auto& part : parts) joined += part + "\\";
  return FoldedName(joined);
}

std::string JoinPath(const std::vector<std::string>& parts, size_t count) {
  std::string joined;
  for (size_t i = 0; i < count; ++i) joined += parts[i] + "\\";
  return joined;
}

std::shared_ptr<const SecurityDescriptor> Fixed(const std::string& text) {
  const auto request = ParseDescriptor(text);
  if (!request || !request->owner) throw std::logic_error("not a descriptor: " + text);
  return std::make_shared<const SecurityDescriptor>(
      Compose(*request->owner, request->list_protected, request->entries, nullptr, true));
}

// The drive roots, as Windows sets up c:\ (the owner may be TrustedInstaller
// there; the system account is what this model gives): authenticated users
// may make folders in the root and change everything below what they made.
const std::shared_ptr<const SecurityDescriptor>& RootSecurity() {
  static const auto root = Fixed(
      "O:SYD:PAI(A;OICI;FA;;;BA)(A;OICI;FA;;;SY)(A;OICI;0x1200a9;;;BU)(A;OICIIO;0x1301bf;;;AU)(A;;0x4;;;AU)");
  return root;
}

// Windows' own folders: only administrators and the system account change them.
const std::shared_ptr<const SecurityDescriptor>& SystemFolderSecurity() {
  static const auto folder = Fixed(std::string("O:") + kTrustedInstallerSid +
                                   "D:PAI(A;OICI;FA;;;BA)(A;OICI;FA;;;SY)(A;OICI;0x1200a9;;;BU)");
  return folder;
}

// c:\windows\temp: users may add files and folders and own what they add,
// but list and read nothing of others'. Modelled on what Windows sets there.
const std::shared_ptr<const SecurityDescriptor>& SharedTempSecurity() {
  static const auto temp = Fixed(
      "O:SYD:PAI(A;OICI;FA;;;BA)(A;OICI;FA;;;SY)(A;CI;0x100026;;;BU)(A;OICIIO;FA;;;CO)");
  return temp;
}

std::uint64_t Digest(const std::string& bytes) {
  std::uint64_t hash = 14695981039346656037ull;
  for (const char c : bytes) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 1099511628211ull;
  }
  return hash;
}

}  // namespace

std::uint32_t MakeDosDateTime(int year, int month, int day, int hour, int minute, int second) {
  const auto date = static_cast<std::uint32_t>(((year - 1980) << 9) | (month << 5) | day);
  const auto time = static_cast<std::uint32_t>((hour << 11) | (minute << 5) | (second / 2));
  return (date << 16) | time;
}


// What every name of a file shares: hard links are names of one file.
struct MemoryFileSystem::FileData {
  std::uint32_t attributes = 0;
  std::uint32_t dos_date_time = 0;
  std::string content;
  std::optional<FileSharing> held;
  std::shared_ptr<const SecurityDescriptor> security;
  int names = 1;
};

struct MemoryFileSystem::Node {
  enum class Link { None, Junction, Symbolic };

  std::string name;
  bool is_folder = false;
  bool read_only_folder = false;
  bool listing_denied = false;
  std::shared_ptr<FileData> data = std::make_shared<FileData>();
  Link link = Link::None;
  std::string link_target;
  Node* parent = nullptr;
  std::map<std::u32string, std::unique_ptr<Node>> children;
  // What the last new file and folder made here inherited, reused while the
  // folder's list and the creator stay the same: copies make many files.
  std::shared_ptr<const SecurityDescriptor> new_file_security;
  std::shared_ptr<const SecurityDescriptor> new_folder_security;

  ~Node() { --data->names; }

  const SecurityDescriptor& Security() const { return *data->security; }

  void SetSecurity(std::shared_ptr<const SecurityDescriptor> security) {
    data->security = std::move(security);
    new_file_security.reset();
    new_folder_security.reset();
  }

  Node* Child(const std::string& child_name) const {
    const auto found = children.find(FoldedName(child_name));
    return found == children.end() ? nullptr : found->second.get();
  }

  Node& Adopt(std::unique_ptr<Node> child) {
    child->parent = this;
    auto& slot = children[FoldedName(child->name)];
    slot = std::move(child);
    return *slot;
  }

  Node& AddChild(const std::string& child_name, bool folder) {
    auto child = std::make_unique<Node>();
    child->name = child_name;
    child->is_folder = folder;
    return Adopt(std::move(child));
  }

  std::unique_ptr<Node> Detach() {
    auto& siblings = parent->children;
    const auto slot = siblings.find(FoldedName(name));
    auto self = std::move(slot->second);
    siblings.erase(slot);
    self->parent = nullptr;
    return self;
  }

  bool IsDrive() const { return parent != nullptr && parent->parent == nullptr; }

  // Inside a folder made read-only by a test, or that folder itself.
  bool IsLocked() const {
    for (const Node* node = this; node != nullptr; node = node->parent) {
      if (node->read_only_folder) return true;
    }
    return false;
  }

  bool IsWithin(const Node& folder) const {
    for (const Node* node = this; node != nullptr; node = node->parent) {
      if (node == &folder) return true;
    }
    return false;
  }

  bool HoldsOpenFiles() const {
    if (data->held) return true;
    for (const auto& [folded, child] : children) {
      if (child->HoldsOpenFiles()) return true;
    }
    return false;
  }

  std::uint32_t ReportedAttributes() const {
    std::uint32_t reported = data->attributes;
    if (link != Link::None) reported |= kAttributeReparsePoint;
    if (is_folder) return reported | kAttributeDirectory;
    return reported == 0 ? kAttributeNormal : reported;
  }

  std::string Path() const {
    if (IsDrive()) return name + "\\";
    return parent->Path() + name + (is_folder && link == Link::None ? "\\" : "");
  }

  MemoryEntry Entry() const {
    return MemoryEntry{Path(),           is_folder, ReportedAttributes(), data->dos_date_time,
                       data->content,    Security().dacl_protected, Security().owner, link_target,
                       data->names};
  }
};

// Where a path leads, links followed: the folder that holds (or would hold)
// it, and the entry itself when it exists. A nonzero error means the path
// leads nowhere.
struct MemoryFileSystem::Location {
  std::uint32_t error = 0;
  std::vector<std::string> parts;  // where the path leads once its links are followed
  bool names_folder = false;  // the path ends in a separator
  Node* parent = nullptr;
  Node* node = nullptr;
  // The first link met whose owner an elevated run does not trust.
  const Node* foreign_link = nullptr;

  // A file's name followed by a separator: Windows finds no such file.
  bool FileNamedAsFolder() const { return names_folder && node != nullptr && !node->is_folder; }
};

MemoryFileSystem::MemoryFileSystem()
    : top_(std::make_unique<Node>()),
      account_(ElevatedAdministrator()),
      accounts_{ElevatedAdministrator(), StandardUser(), SecondStandardUser(), SystemAccount()} {
  top_->is_folder = true;
  AddDrive("c:");
}

MemoryFileSystem::~MemoryFileSystem() = default;

MemoryFileSystem::Node& MemoryFileSystem::AddDrive(const std::string& name) {
  Node& drive = top_->AddChild(name, true);
  drive.SetSecurity(RootSecurity());
  return drive;
}

bool MemoryFileSystem::Trusts(const std::string& owner) const {
  return owner == "BA" || owner == "SY" || owner == kTrustedInstallerSid || owner == account_.sid ||
         owner == account_.owner;
}

MemoryFileSystem::Location MemoryFileSystem::Locate(const std::string& path, bool follow_last) const {
  Location location;
  auto parsed = ParsePath(path);
  location.error = parsed.error;
  location.parts = std::move(parsed.parts);
  location.names_folder = parsed.ends_in_separator;
  if (location.error != 0) return location;
  int hops = 0;
  Node* folder = top_.get();
  size_t i = 0;
  while (true) {
    const bool last = i + 1 == location.parts.size();
    Node* next = folder->Child(location.parts[i]);
    if (!last && (next == nullptr || !next->is_folder)) {
      location.error = kErrorPathNotFound;
      return location;
    }
    const bool follow = next != nullptr && next->link != Node::Link::None && (!last || follow_last);
    if (next != nullptr && next->link != Node::Link::None && location.foreign_link == nullptr &&
        !Trusts(next->Security().owner)) {
      location.foreign_link = next;
    }
    if (follow) {
      if (++hops > kMaximumLinkHops) {
        location.error = kErrorCantResolveFilename;
        return location;
      }
      auto target = ParsePath(LinkTarget(*next));
      if (target.error != 0) {
        location.error = kErrorPathNotFound;
        return location;
      }
      target.parts.insert(target.parts.end(), location.parts.begin() + static_cast<long>(i) + 1,
                          location.parts.end());
      location.parts = std::move(target.parts);
      folder = top_.get();
      i = 0;
      continue;
    }
    if (last) {
      location.parent = folder;
      location.node = next;
      break;
    }
    folder = next;
    ++i;
  }
  if (location.node == nullptr && location.parts.size() == 1) location.error = kErrorPathNotFound;
  return location;
}

// A symbolic link's relative target starts in the link's folder.
std::string MemoryFileSystem::LinkTarget(const Node& link) const {
  const auto& target = link.link_target;
  const bool absolute = target.size() >= 2 && target[1] == ':';
  return absolute ? target : link.parent->Path() + target;
}

bool MemoryFileSystem::Fail(std::uint32_t error) {
  last_error_ = error;
  return false;
}

bool MemoryFileSystem::Succeed() {
  last_error_ = 0;
  return true;
}

bool MemoryFileSystem::Allowed(const Node& node, std::uint32_t rights) const {
  return Grants(node.Security(), account_, rights);
}

// DELETE on the entry, or FILE_DELETE_CHILD on its folder.
bool MemoryFileSystem::MayDelete(const Node& node) const {
  return Allowed(node, kDelete) || (node.parent != nullptr && Allowed(*node.parent, kFileDeleteChild));
}

std::uint32_t MemoryFileSystem::Guard(const Location& where, const Node* changed) const {
  if (!protection_ || !account_.Elevated()) return 0;
  if (where.foreign_link != nullptr) return kErrorLinkRefused;
  if (changed != nullptr && !changed->is_folder && changed->data->names > 1) return kErrorTooManyLinks;
  return 0;
}

std::shared_ptr<const SecurityDescriptor> MemoryFileSystem::NewSecurity(Node& folder, const std::string& name,
                                                                        bool is_folder,
                                                                        const std::string& owner) const {
  if (&folder == top_.get()) return RootSecurity();
  if (is_folder) {
    if (auto known = WellKnownFolderSecurity(folder, name)) return known;
  }
  auto& cached = is_folder ? folder.new_folder_security : folder.new_file_security;
  if (cached == nullptr || cached->owner != owner) {
    cached = std::make_shared<const SecurityDescriptor>(Compose(owner, false, {}, &folder.Security(), is_folder));
  }
  return cached;
}

// The folders Windows sets up with lists of their own, given them whenever a
// test makes them.
std::shared_ptr<const SecurityDescriptor> MemoryFileSystem::WellKnownFolderSecurity(const Node& folder,
                                                                                    const std::string& name) const {
  const bool in_root = folder.IsDrive() && FoldedName(folder.name) == FoldedName("c:");
  const bool in_windows = !in_root && folder.parent != nullptr && folder.parent->IsDrive() &&
                          FoldedName(folder.parent->name) == FoldedName("c:");
  const auto folded = FoldedName(name);
  if (in_root) {
    for (const char* system : {"windows", "program files", "program files (x86)", "users"}) {
      if (folded == FoldedName(system)) return SystemFolderSecurity();
    }
    return nullptr;
  }
  if (!in_windows) return nullptr;
  const auto parent = FoldedName(folder.name);
  if (parent == FoldedName("windows")) {
    if (folded == FoldedName("system32") || folded == FoldedName("syswow64")) return SystemFolderSecurity();
    if (folded == FoldedName("temp")) return SharedTempSecurity();
  }
  if (parent != FoldedName("users")) return nullptr;
  for (const auto& account : accounts_) {
    if (folded != FoldedName(account.name) || account.kind == Account::SystemAccount) continue;
    const auto& sid = account.sid;
    return Fixed("O:" + sid + "D:PAI(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)(A;OICI;FA;;;" + sid + ")");
  }
  return nullptr;
}

MemoryFileSystem::Node& MemoryFileSystem::AddNode(Node& folder, const std::string& name, bool is_folder,
                                                  const std::string& owner) {
  Node& made = folder.AddChild(name, is_folder);
  made.SetSecurity(NewSecurity(folder, name, is_folder, owner));
  return made;
}

// What SetSecurityInfo does below a folder whose list changed: every entry
// whose list is not protected gets its inherited part anew.
void MemoryFileSystem::PassOn(Node& folder) {
  for (const auto& [folded, child] : folder.children) {
    const auto& current = child->Security();
    if (current.dacl_protected) continue;
    std::vector<AccessEntry> own;
    for (const auto& entry : current.entries) {
      if ((entry.flags & kInheritedAce) == 0) own.push_back(entry);
    }
    child->SetSecurity(std::make_shared<const SecurityDescriptor>(
        Compose(current.owner, false, std::move(own), &folder.Security(), child->is_folder)));
    PassOn(*child);
  }
}

bool MemoryFileSystem::FileExists(const std::string& path) {
  ++calls["FileExists"];
  const auto where = Locate(path);
  if (where.error != 0) return Fail(where.error);
  if (where.node == nullptr) return Fail(kErrorFileNotFound);
  if (where.FileNamedAsFolder()) return Fail(kErrorPathNotFound);
  return where.node->is_folder ? Fail(kErrorFileNotFound) : Succeed();
}

bool MemoryFileSystem::FolderExists(const std::string& path) {
  ++calls["FolderExists"];
  const auto where = Locate(path);
  if (where.error != 0) return Fail(where.error);
  if (where.node == nullptr) return Fail(kErrorFileNotFound);
  if (where.FileNamedAsFolder()) return Fail(kErrorPathNotFound);
  return where.node->is_folder ? Succeed() : Fail(kErrorFileNotFound);
}

std::optional<std::vector<DirectoryEntry>> MemoryFileSystem::ListFolder(
    const std::string& folder) {
  ++calls["ListFolder"];
  const auto where = Locate(folder);
  if (where.error != 0 || where.node == nullptr) {
    Fail(kErrorPathNotFound);
    return std::nullopt;
  }
  // Listing a file looks for the name with a separator after it.
  if (!where.node->is_folder) {
    Fail(kErrorInvalidName);
    return std::nullopt;
  }
  if (where.node->listing_denied || !Allowed(*where.node, kFileReadData)) {
    Fail(kErrorAccessDenied);
    return std::nullopt;
  }
  std::vector<DirectoryEntry> entries{{".", true}, {"..", true}};
  for (const auto& [folded, child] : where.node->children) {
    entries.push_back({child->name, child->is_folder});
  }
  Succeed();
  return entries;
}

bool MemoryFileSystem::CreateFolders(const std::string& path) {
  ++calls["CreateFolders"];
  return MakeFolders(path);
}

bool MemoryFileSystem::MakeFolders(const std::string& path) {
  const auto parsed = ParsePath(path);
  if (parsed.error != 0) return Fail(parsed.error);
  auto where = Locate(path);
  if (where.error == kErrorPathNotFound && parsed.parts.size() > 1) {
    if (!MakeFolders(JoinPath(parsed.parts, parsed.parts.size() - 1))) return false;
    where = Locate(path);
  }
  if (where.error != 0) return Fail(where.error);
  if (const auto refused = Guard(where, nullptr)) return Fail(refused);
  if (where.node != nullptr) return where.node->is_folder ? Succeed() : Fail(kErrorAlreadyExists);
  if (where.parent->IsLocked() || !Allowed(*where.parent, kFileAppendData)) return Fail(kErrorAccessDenied);
  AddNode(*where.parent, where.parts.back(), true, account_.owner).data->dos_date_time = clock_;
  return Succeed();
}

bool MemoryFileSystem::RemoveFolder(const std::string& path) {
  ++calls["RemoveFolder"];
  const auto where = Locate(path, false);
  if (where.error != 0) return Fail(where.error);
  Node* node = where.node;
  if (node == nullptr) return Fail(kErrorFileNotFound);
  if (where.FileNamedAsFolder()) return Fail(kErrorInvalidName);
  if (!node->is_folder) return Fail(kErrorDirectory);
  if (const auto refused = Guard(where, node)) return Fail(refused);
  if (node->IsDrive() || node->IsLocked() || !MayDelete(*node)) return Fail(kErrorAccessDenied);
  if ((node->data->attributes & kAttributeReadOnly) != 0) return Fail(kErrorAccessDenied);
  if (!node->children.empty()) return Fail(kErrorDirNotEmpty);
  node->Detach();
  return Succeed();
}

bool MemoryFileSystem::CopyFile(const std::string& source, const std::string& target) {
  ++calls["CopyFile"];
  return Copy(source, target, true);
}

bool MemoryFileSystem::CopyNewFile(const std::string& source, const std::string& target) {
  ++calls["CopyNewFile"];
  return Copy(source, target, false);
}

// As Windows: the source is opened first, then the target created or replaced.
bool MemoryFileSystem::Copy(const std::string& source, const std::string& target, bool overwrite) {
  const auto from = Locate(source);
  if (from.error != 0) return Fail(from.error);
  const Node* original = from.node;
  if (original == nullptr) return Fail(kErrorFileNotFound);
  if (from.FileNamedAsFolder()) return Fail(kErrorInvalidName);
  if (original->is_folder || !Allowed(*original, kFileReadData)) return Fail(kErrorAccessDenied);
  if (original->data->held == FileSharing::None) return Fail(kErrorSharingViolation);
  const auto to = Locate(target);
  if (to.error != 0) return Fail(to.error);
  if (!overwrite && to.node != nullptr) return Fail(kErrorFileExists);
  const auto failure = copy_failures_.find(PathKey(to.parts));
  if (failure != copy_failures_.end()) {
    const auto error = failure->second;
    copy_failures_.erase(failure);
    return Fail(error);
  }
  Node* copy = to.node;
  if (copy != nullptr && copy->is_folder) return Fail(kErrorAccessDenied);
  if (to.names_folder) return Fail(kErrorInvalidName);
  if (copy == original || (copy != nullptr && copy->data == original->data)) return Fail(kErrorSharingViolation);
  if (const auto refused = Guard(to, copy)) return Fail(refused);
  if (copy != nullptr && (copy->IsLocked() || !Allowed(*copy, kFileWriteData))) return Fail(kErrorAccessDenied);
  if (copy != nullptr && (copy->data->attributes & (kAttributeReadOnly | kAttributeHidden)) != 0) {
    return Fail(kErrorAccessDenied);
  }
  if (copy != nullptr && copy->data->held) return Fail(kErrorSharingViolation);
  if (copy == nullptr && (to.parent->IsLocked() || !Allowed(*to.parent, kFileWriteData))) {
    return Fail(kErrorAccessDenied);
  }
  if (copy == nullptr) copy = &AddNode(*to.parent, to.parts.back(), false, account_.owner);
  copy->data->content = original->data->content;
  copy->data->dos_date_time = original->data->dos_date_time;
  copy->data->attributes = original->data->attributes | kAttributeArchive;
  return Succeed();
}

bool MemoryFileSystem::DeleteFile(const std::string& path) {
  ++calls["DeleteFile"];
  const auto where = Locate(path, false);
  if (where.error != 0) return Fail(where.error);
  Node* node = where.node;
  if (node == nullptr) return Fail(kErrorFileNotFound);
  if (where.FileNamedAsFolder()) return Fail(kErrorInvalidName);
  if (node->is_folder) return Fail(kErrorAccessDenied);
  if (const auto refused = Guard(where, node)) return Fail(refused);
  if (node->IsLocked() || !MayDelete(*node)) return Fail(kErrorAccessDenied);
  if ((node->data->attributes & kAttributeReadOnly) != 0) return Fail(kErrorAccessDenied);
  if (node->data->held) return Fail(kErrorSharingViolation);
  node->Detach();
  return Succeed();
}

bool MemoryFileSystem::RenameFile(const std::string& from, const std::string& to) {
  ++calls["RenameFile"];
  return Move(from, to, false);
}

// Renaming acts on a link itself, never on what it points at.
bool MemoryFileSystem::Move(const std::string& from, const std::string& to, bool replacing) {
  const auto old_place = Locate(from, false);
  if (old_place.error != 0) return Fail(old_place.error);
  Node* node = old_place.node;
  if (node == nullptr) return Fail(kErrorFileNotFound);
  if (old_place.FileNamedAsFolder()) return Fail(kErrorInvalidName);
  if (const auto refused = Guard(old_place, node)) return Fail(refused);
  if (node->IsDrive() || node->IsLocked() || !MayDelete(*node)) return Fail(kErrorAccessDenied);
  if (!node->is_folder && node->data->held) return Fail(kErrorSharingViolation);
  if (node->is_folder && node->HoldsOpenFiles()) return Fail(kErrorAccessDenied);
  const auto new_place = Locate(to, false);
  if (new_place.error != 0) return Fail(new_place.error);
  Node* replaced = new_place.node == node ? nullptr : new_place.node;
  if (replaced != nullptr && !replacing) return Fail(kErrorAlreadyExists);
  if (!node->is_folder && new_place.names_folder) return Fail(kErrorDirectory);
  // What a replacing rename replaces is not changed, only its name given to
  // another file: other names it has keep it as it was.
  if (const auto refused = Guard(new_place, nullptr)) return Fail(refused);
  if (new_place.parent->IsWithin(*node)) return Fail(kErrorInvalidParameter);
  const auto adds = node->is_folder ? kFileAppendData : kFileWriteData;
  if (new_place.parent->IsLocked() || !Allowed(*new_place.parent, adds)) return Fail(kErrorAccessDenied);
  if (replaced != nullptr) {
    if (replaced->is_folder || replaced->IsLocked() || !MayDelete(*replaced)) return Fail(kErrorAccessDenied);
    if ((replaced->data->attributes & kAttributeReadOnly) != 0) return Fail(kErrorAccessDenied);
    if (replaced->data->held) return Fail(kErrorSharingViolation);
    replaced->Detach();
  }
  auto moved = node->Detach();
  moved->name = new_place.parts.back();
  new_place.parent->Adopt(std::move(moved));
  return Succeed();
}

std::optional<std::uint32_t> MemoryFileSystem::GetAttributes(const std::string& path) {
  ++calls["GetAttributes"];
  const auto where = Locate(path, false);
  if (where.error != 0) {
    Fail(where.error);
    return std::nullopt;
  }
  if (where.node == nullptr) {
    Fail(kErrorFileNotFound);
    return std::nullopt;
  }
  if (where.FileNamedAsFolder()) {
    Fail(kErrorPathNotFound);
    return std::nullopt;
  }
  Succeed();
  return where.node->ReportedAttributes();
}

bool MemoryFileSystem::SetAttributes(const std::string& path, std::uint32_t attributes) {
  ++calls["SetAttributes"];
  const auto where = Locate(path);
  if (where.error != 0) return Fail(where.error);
  if (where.node == nullptr) return Fail(kErrorFileNotFound);
  if (where.FileNamedAsFolder()) return Fail(kErrorInvalidName);
  if (const auto refused = Guard(where, where.node)) return Fail(refused);
  if (where.node->IsLocked() || !Allowed(*where.node, kFileWriteAttributes)) return Fail(kErrorAccessDenied);
  where.node->data->attributes = attributes & kSettableAttributes;
  return Succeed();
}

std::optional<FileStamp> MemoryFileSystem::ReadStamp(const std::string& path) {
  ++calls["ReadStamp"];
  const auto where = Locate(path);
  std::uint32_t error = where.error;
  if (error == 0 && where.node == nullptr) error = kErrorFileNotFound;
  if (error == 0 && where.FileNamedAsFolder()) error = kErrorInvalidName;
  if (error == 0 && where.node->is_folder) error = kErrorAccessDenied;
  if (error == 0 && !Allowed(*where.node, kFileReadData)) error = kErrorAccessDenied;
  // Sharing with nobody fails against any other open, whatever it shares.
  if (error == 0 && where.node->data->held) error = kErrorSharingViolation;
  if (error != 0) {
    Fail(error);
    return std::nullopt;
  }
  Succeed();
  return FileStamp{where.node->data->dos_date_time, static_cast<std::uint32_t>(where.node->data->content.size())};
}

std::optional<std::string> MemoryFileSystem::ReadFile(const std::string& path) {
  ++calls["ReadFile"];
  const auto where = Locate(path);
  std::uint32_t error = where.error;
  if (error == 0 && where.node == nullptr) error = kErrorFileNotFound;
  if (error == 0 && where.FileNamedAsFolder()) error = kErrorInvalidName;
  if (error == 0 && where.node->is_folder) error = kErrorAccessDenied;
  if (error == 0 && !Allowed(*where.node, kFileReadData)) error = kErrorAccessDenied;
  if (error == 0 && where.node->data->held == FileSharing::None) error = kErrorSharingViolation;
  if (error != 0) {
    Fail(error);
    return std::nullopt;
  }
  Succeed();
  return where.node->data->content;
}

bool MemoryFileSystem::WriteFile(const std::string& path, const std::string& bytes) {
  ++calls["WriteFile"];
  const auto where = Locate(path);
  if (where.error != 0) return Fail(where.error);
  Node* node = where.node;
  if (node != nullptr && node->is_folder) return Fail(kErrorAccessDenied);
  if (where.names_folder) return Fail(kErrorInvalidName);
  if (const auto refused = Guard(where, node)) return Fail(refused);
  if (node == nullptr && (where.parent->IsLocked() || !Allowed(*where.parent, kFileWriteData))) {
    return Fail(kErrorAccessDenied);
  }
  if (node != nullptr && (node->IsLocked() || !Allowed(*node, kFileWriteData))) return Fail(kErrorAccessDenied);
  // Replacing a file opened as normal is refused for read-only, hidden and system files.
  const auto refused = kAttributeReadOnly | kAttributeHidden | kAttributeSystem;
  if (node != nullptr && (node->data->attributes & refused) != 0) return Fail(kErrorAccessDenied);
  if (node != nullptr && node->data->held) return Fail(kErrorSharingViolation);
  if (node == nullptr) node = &AddNode(*where.parent, where.parts.back(), false, account_.owner);
  node->data->content = bytes;
  node->data->dos_date_time = clock_;
  node->data->attributes = kAttributeArchive;
  return Succeed();
}

// Opened as appending only (FILE_APPEND_DATA, made when missing); an elevated
// run never appends to what another account planted before it.
bool MemoryFileSystem::AppendFile(const std::string& path, const std::string& bytes) {
  ++calls["AppendFile"];
  const auto where = Locate(path);
  if (where.error != 0) return Fail(where.error);
  Node* node = where.node;
  if (node == nullptr) return WriteFile(path, bytes);
  if (node->is_folder) return Fail(kErrorAccessDenied);
  if (where.names_folder) return Fail(kErrorInvalidName);
  if (const auto refused = Guard(where, node)) return Fail(refused);
  if (protection_ && account_.Elevated() && !Trusts(node->Security().owner)) return Fail(kErrorAccessDenied);
  if (node->IsLocked() || !Allowed(*node, kFileAppendData)) return Fail(kErrorAccessDenied);
  if ((node->data->attributes & kAttributeReadOnly) != 0) return Fail(kErrorAccessDenied);
  if (node->data->held) return Fail(kErrorSharingViolation);
  node->data->content += bytes;
  node->data->dos_date_time = clock_;
  node->data->attributes |= kAttributeArchive;
  return Succeed();
}

std::optional<FileStamp> MemoryFileSystem::StampOf(const std::string& path) {
  const auto where = Locate(path);
  std::uint32_t error = where.error;
  if (error == 0 && (where.node == nullptr || where.node->is_folder)) error = kErrorFileNotFound;
  if (error != 0) {
    Fail(error);
    return std::nullopt;
  }
  Succeed();
  return FileStamp{where.node->data->dos_date_time, static_cast<std::uint32_t>(where.node->data->content.size())};
}

bool MemoryFileSystem::SetAccess(const std::string& path, const std::string& descriptor) {
  const auto where = Locate(path);
  if (where.error != 0) return Fail(where.error);
  Node* node = where.node;
  if (node == nullptr) return Fail(kErrorFileNotFound);
  const auto request = ParseDescriptor(descriptor);
  if (!request) return Fail(kErrorInvalidParameter);
  if (!protection_) return Succeed();
  if (const auto refused = Guard(where, node)) return Fail(refused);
  if (request->has_list && !Allowed(*node, kWriteDac)) return Fail(kErrorAccessDenied);
  if (request->owner && !MayGiveTo(*node, *request->owner)) return Fail(kErrorAccessDenied);
  ApplyAccess(*node, *request);
  return Succeed();
}

void MemoryFileSystem::ApplyAccess(Node& node, const DescriptorRequest& request) {
  const auto& current = node.Security();
  auto owner = request.owner.value_or(current.owner);
  const SecurityDescriptor* inherited_from = node.IsDrive() ? nullptr : &node.parent->Security();
  auto changed = request.has_list
                     ? Compose(std::move(owner), request.list_protected, request.entries, inherited_from,
                               node.is_folder)
                     : SecurityDescriptor{std::move(owner), current.dacl_protected, current.entries};
  node.SetSecurity(std::make_shared<const SecurityDescriptor>(std::move(changed)));
  if (node.is_folder) PassOn(node);
}

// Taking ownership needs WRITE_OWNER, which an elevated run holds by its
// privileges; and only an elevated run may name an owner other than itself.
bool MemoryFileSystem::MayGiveTo(const Node& node, const std::string& owner) const {
  if (account_.Elevated()) return owner == "BA" || owner == "SY" || owner == account_.sid;
  return owner == account_.sid && Allowed(node, kWriteOwner);
}

std::optional<std::string> MemoryFileSystem::ReadAccess(const std::string& path) {
  const auto where = Locate(path);
  if (where.error != 0 || where.node == nullptr) {
    Fail(where.error != 0 ? where.error : kErrorFileNotFound);
    return std::nullopt;
  }
  if (!Allowed(*where.node, kReadControl)) {
    Fail(kErrorAccessDenied);
    return std::nullopt;
  }
  Succeed();
  return PrintDescriptor(where.node->Security());
}

std::optional<AccessFacts> MemoryFileSystem::AccessOf(const std::string& path) {
  const auto where = Locate(path);
  if (where.error != 0 || where.node == nullptr) {
    Fail(where.error != 0 ? where.error : kErrorFileNotFound);
    return std::nullopt;
  }
  Succeed();
  const SecurityDescriptor& security = where.node->Security();
  constexpr std::uint32_t kFileWriteEa = 0x10;
  constexpr std::uint32_t kGenericWrite = 0x40000000;
  constexpr std::uint32_t kGenericAll = 0x10000000;
  // What lets its holder write, add, delete or rename, or change the list or the owner.
  constexpr std::uint32_t kChanges = kFileWriteData | kFileAppendData | kFileWriteEa | kFileDeleteChild |
                                     kFileWriteAttributes | kDelete | kWriteDac | kWriteOwner | kGenericWrite |
                                     kGenericAll;
  bool others_read_only = true;
  for (const AccessEntry& entry : security.entries) {
    if (entry.deny || (entry.flags & kInheritOnly) != 0 || (entry.mask & kChanges) == 0) continue;
    if (!Trusts(entry.trustee)) others_read_only = false;
  }
  return AccessFacts{Trusts(security.owner), others_read_only};
}

bool MemoryFileSystem::ReplaceFile(const std::string& from, const std::string& to) {
  ++calls["ReplaceFile"];
  return Move(from, to, true);
}

// Only an elevated run may schedule it: Windows keeps the list in the
// machine's part of the registry.
bool MemoryFileSystem::DeleteAtRestart(const std::string& path) {
  const auto where = Locate(path, false);
  if (where.error == 0) {
    if (const auto refused = Guard(where, where.node)) return Fail(refused);
  }
  if (!account_.Elevated()) return Fail(kErrorAccessDenied);
  deleted_at_restart_.push_back(path);
  return Succeed();
}

std::uint32_t MemoryFileSystem::LastError() { return last_error_; }

void MemoryFileSystem::RunAs(const MemoryAccount& account) {
  account_ = account;
  Know(account);
}

void MemoryFileSystem::Know(const MemoryAccount& account) {
  for (const auto& known : accounts_) {
    if (FoldedName(known.name) == FoldedName(account.name)) return;
  }
  accounts_.push_back(account);
}

void MemoryFileSystem::SetStandardUser(bool standard) {
  RunAs(standard ? StandardUser() : ElevatedAdministrator());
}

MemoryFileSystem::Node& MemoryFileSystem::AddFolders(const std::vector<std::string>& parts, size_t count,
                                                     const std::string& owner) {
  Node* folder = top_.get();
  for (size_t i = 0; i < count; ++i) {
    Node* child = folder->Child(parts[i]);
    if (child != nullptr && !child->is_folder) {
      throw std::invalid_argument("a file stands in the way: " + child->Path());
    }
    if (child != nullptr && child->link != Node::Link::None) {
      throw std::invalid_argument("a link stands in the way: " + child->Path());
    }
    if (child == nullptr && i == 0) child = &AddDrive(parts[i]);
    if (child == nullptr) {
      child = &AddNode(*folder, parts[i], true, owner);
      child->data->dos_date_time = clock_;
    }
    folder = child;
  }
  return *folder;
}

MemoryFileSystem::Node& MemoryFileSystem::RequireNode(const std::string& path) const {
  const auto where = Locate(path);
  if (where.error != 0 || where.node == nullptr) {
    throw std::invalid_argument("no such file or folder: " + path);
  }
  return *where.node;
}

void MemoryFileSystem::AddFolder(const std::string& path) { AddFolder(path, MachineOwner()); }

void MemoryFileSystem::AddFolder(const std::string& path, const MemoryAccount& account) {
  Know(account);
  const auto parsed = ParsePath(path);
  if (parsed.error != 0) throw std::invalid_argument("not a usable path: " + path);
  AddFolders(parsed.parts, parsed.parts.size(), account.owner);
}

void MemoryFileSystem::AddFile(const std::string& path, const std::string& content,
                               std::uint32_t dos_date_time, std::uint32_t attributes) {
  AddFile(path, content, MachineOwner(), dos_date_time, attributes);
}

void MemoryFileSystem::AddFile(const std::string& path, const std::string& content,
                               const MemoryAccount& account, std::uint32_t dos_date_time,
                               std::uint32_t attributes) {
  Know(account);
  const auto parsed = ParsePath(path);
  if (parsed.error != 0 || parsed.parts.size() < 2) {
    throw std::invalid_argument("not a usable file path: " + path);
  }
  Node& folder = AddFolders(parsed.parts, parsed.parts.size() - 1, account.owner);
  Node* file = folder.Child(parsed.parts.back());
  if (file != nullptr && file->is_folder) throw std::invalid_argument("a folder: " + path);
  if (file == nullptr) file = &AddNode(folder, parsed.parts.back(), false, account.owner);
  file->data->content = content;
  file->data->dos_date_time = dos_date_time;
  file->data->attributes = attributes & kSettableAttributes;
}

const MemoryAccount& MemoryFileSystem::MachineOwner() {
  static const MemoryAccount machine = SystemAccount();
  return machine;
}

void MemoryFileSystem::SetOwnerForTest(const std::string& path, const std::string& owner) {
  Node& node = RequireNode(path);
  auto changed = node.Security();
  changed.owner = owner;
  node.SetSecurity(std::make_shared<const SecurityDescriptor>(std::move(changed)));
}

void MemoryFileSystem::SetAccessForTest(const std::string& path, const std::string& descriptor) {
  const auto request = ParseDescriptor(descriptor);
  if (!request) throw std::invalid_argument("not a descriptor: " + descriptor);
  ApplyAccess(RequireNode(path), *request);
}

std::string MemoryFileSystem::DescriptorOf(const std::string& path) const {
  return PrintDescriptor(RequireNode(path).Security());
}

bool MemoryFileSystem::AddLink(const std::string& path, const std::string& target, bool junction,
                               const MemoryAccount& account) {
  Know(account);
  const auto where = Locate(path, false);
  if (where.error != 0) return Fail(where.error);
  if (where.node != nullptr) return Fail(kErrorAlreadyExists);
  const auto aimed = Locate(target);
  const bool to_folder = junction || (aimed.error == 0 && aimed.node != nullptr && aimed.node->is_folder);
  const auto adds = to_folder ? kFileAppendData : kFileWriteData;
  if (where.parent->IsLocked() || !Grants(where.parent->Security(), account, adds)) return Fail(kErrorAccessDenied);
  Node& link = where.parent->AddChild(where.parts.back(), to_folder);
  link.SetSecurity(NewSecurity(*where.parent, where.parts.back(), to_folder, account.owner));
  link.link = junction ? Node::Link::Junction : Node::Link::Symbolic;
  link.link_target = target;
  link.data->dos_date_time = clock_;
  return Succeed();
}

bool MemoryFileSystem::AddJunction(const std::string& path, const std::string& target_folder,
                                   const MemoryAccount& account) {
  const auto parsed = ParsePath(target_folder);
  if (parsed.error != 0 || target_folder.size() < 2 || target_folder[1] != ':') return Fail(kErrorInvalidName);
  return AddLink(path, target_folder, true, account);
}

// Making symbolic links takes a privilege that only administrators hold.
bool MemoryFileSystem::AddSymbolicLink(const std::string& path, const std::string& target,
                                       const MemoryAccount& account) {
  if (!account.Elevated()) return Fail(kErrorPrivilegeNotHeld);
  return AddLink(path, target, false, account);
}

// As the native call does, which opens the existing file without asking for
// any access to its data: what a standard user may do with any file he can reach.
bool MemoryFileSystem::AddHardLink(const std::string& path, const std::string& existing_file,
                                   const MemoryAccount& account) {
  Know(account);
  const auto file = Locate(existing_file);
  if (file.error != 0) return Fail(file.error);
  if (file.node == nullptr) return Fail(kErrorFileNotFound);
  if (file.node->is_folder) return Fail(kErrorAccessDenied);
  const auto where = Locate(path, false);
  if (where.error != 0) return Fail(where.error);
  if (where.node != nullptr) return Fail(kErrorAlreadyExists);
  if (FoldedName(where.parts.front()) != FoldedName(file.parts.front())) return Fail(kErrorNotSameDevice);
  if (where.parent->IsLocked() || !Grants(where.parent->Security(), account, kFileWriteData)) {
    return Fail(kErrorAccessDenied);
  }
  Node& name = where.parent->AddChild(where.parts.back(), false);
  name.data = file.node->data;
  ++name.data->names;
  return Succeed();
}

MemoryFileSystem::ProgramImage MemoryFileSystem::OpenProgram(const std::string& path,
                                                             const MemoryAccount& account) const {
  const auto where = Locate(path);
  if (where.error != 0) return {where.error, {}};
  if (where.node == nullptr) return {kErrorFileNotFound, {}};
  if (where.node->is_folder) return {kErrorAccessDenied, {}};
  if (!Grants(where.node->Security(), account, kFileReadData | kFileExecute)) return {kErrorAccessDenied, {}};
  return {0, where.node->data->content};
}

void MemoryFileSystem::SetFileTime(const std::string& path, std::uint32_t dos_date_time) {
  RequireNode(path).data->dos_date_time = dos_date_time;
}

void MemoryFileSystem::SetClock(std::uint32_t dos_date_time) { clock_ = dos_date_time; }

void MemoryFileSystem::HoldOpen(const std::string& path, FileSharing sharing) {
  Node& node = RequireNode(path);
  if (node.is_folder) throw std::invalid_argument("only files are held open: " + path);
  node.data->held = sharing;
}

void MemoryFileSystem::Release(const std::string& path) { RequireNode(path).data->held.reset(); }

void MemoryFileSystem::SetFolderReadOnly(const std::string& path, bool read_only) {
  Node& node = RequireNode(path);
  if (!node.is_folder) throw std::invalid_argument("not a folder: " + path);
  node.read_only_folder = read_only;
}

void MemoryFileSystem::DenyListing(const std::string& path, bool denied) {
  Node& node = RequireNode(path);
  if (!node.is_folder) throw std::invalid_argument("not a folder: " + path);
  node.listing_denied = denied;
}

void MemoryFileSystem::FailCopyOnce(const std::string& target, std::uint32_t error) {
  const auto parsed = ParsePath(target);
  if (parsed.error != 0) throw std::invalid_argument("not a usable path: " + target);
  copy_failures_[PathKey(parsed.parts)] = error;
}

std::optional<MemoryEntry> MemoryFileSystem::Inspect(const std::string& path) const {
  const auto where = Locate(path, false);
  if (where.error != 0 || where.node == nullptr) return std::nullopt;
  return where.node->Entry();
}

std::vector<MemoryEntry> MemoryFileSystem::Entries() const {
  std::vector<MemoryEntry> entries;
  const auto visit = [&entries](const auto& self, const Node& folder) -> void {
    for (const auto& [folded, child] : folder.children) {
      entries.push_back(child->Entry());
      self(self, *child);
    }
  };
  visit(visit, *top_);
  return entries;
}

std::string MemoryFileSystem::Export() const {
  std::ostringstream out;
  char line[96];
  for (const auto& entry : Entries()) {
    out << entry.path;
    std::snprintf(line, sizeof line, " attributes=0x%04x", static_cast<unsigned>(entry.attributes));
    out << line;
    if (!entry.link_target.empty()) out << " link=" << entry.link_target;
    if (!entry.is_folder && entry.link_target.empty()) {
      std::snprintf(line, sizeof line, " time=0x%08x size=%zu digest=%016llx",
                    static_cast<unsigned>(entry.dos_date_time), entry.content.size(),
                    static_cast<unsigned long long>(Digest(entry.content)));
      out << line;
      if (entry.names > 1) out << " names=" << entry.names;
      if (entry.protected_access) out << " access=protected";
    }
    out << "\n";
  }
  return out.str();
}

}  // namespace platform
