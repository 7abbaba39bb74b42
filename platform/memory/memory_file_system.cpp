#include "platform/memory/memory_file_system.h"

#include <cstdio>
#include <sstream>
#include <stdexcept>

#include "platform/memory/folded_name.h"

namespace platform {
namespace {

constexpr std::uint32_t kErrorInvalidParameter = 87;
constexpr std::uint32_t kErrorInvalidName = 123;
constexpr std::uint32_t kErrorDirectory = 267;
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

struct MemoryFileSystem::Node {
  std::string name;
  bool is_folder = false;
  std::uint32_t attributes = 0;
  std::uint32_t dos_date_time = 0;
  std::string content;
  bool protected_access = false;
  bool read_only_folder = false;
  bool listing_denied = false;
  std::optional<FileSharing> held;
  Node* parent = nullptr;
  std::map<std::u32string, std::unique_ptr<Node>> children;

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
    if (held) return true;
    for (const auto& [folded, child] : children) {
      if (child->HoldsOpenFiles()) return true;
    }
    return false;
  }

  std::uint32_t ReportedAttributes() const {
    if (is_folder) return attributes | kAttributeDirectory;
    return attributes == 0 ? kAttributeNormal : attributes;
  }

  std::string Path() const {
    if (IsDrive()) return name + "\\";
    return parent->Path() + name + (is_folder ? "\\" : "");
  }

  MemoryEntry Entry() const {
    return MemoryEntry{Path(), is_folder, ReportedAttributes(), dos_date_time, content, protected_access};
  }
};

// Where a path leads: the folder that holds (or would hold) it, and the entry
// itself when it exists. A nonzero error means the path leads nowhere.
struct MemoryFileSystem::Location {
  std::uint32_t error = 0;
  std::vector<std::string> parts;
  bool names_folder = false;  // the path ends in a separator
  Node* parent = nullptr;
  Node* node = nullptr;

  // A file's name followed by a separator: Windows finds no such file.
  bool FileNamedAsFolder() const { return names_folder && node != nullptr && !node->is_folder; }
};

MemoryFileSystem::MemoryFileSystem() : top_(std::make_unique<Node>()) {
  top_->is_folder = true;
  top_->AddChild("c:", true);
}

MemoryFileSystem::~MemoryFileSystem() = default;

MemoryFileSystem::Location MemoryFileSystem::Locate(const std::string& path) const {
  Location location;
  auto parsed = ParsePath(path);
  location.error = parsed.error;
  location.parts = std::move(parsed.parts);
  location.names_folder = parsed.ends_in_separator;
  if (location.error != 0) return location;
  Node* folder = top_.get();
  for (size_t i = 0; i + 1 < location.parts.size(); ++i) {
    folder = folder->Child(location.parts[i]);
    if (folder == nullptr || !folder->is_folder) {
      location.error = kErrorPathNotFound;
      return location;
    }
  }
  location.parent = folder;
  location.node = folder->Child(location.parts.back());
  if (location.node == nullptr && location.parts.size() == 1) location.error = kErrorPathNotFound;
  return location;
}

bool MemoryFileSystem::Fail(std::uint32_t error) {
  last_error_ = error;
  return false;
}

bool MemoryFileSystem::Succeed() {
  last_error_ = 0;
  return true;
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
  if (where.node->listing_denied) {
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
  const auto parsed = ParsePath(path);
  if (parsed.error != 0) return Fail(parsed.error);
  Node* folder = top_.get();
  for (size_t i = 0; i < parsed.parts.size(); ++i) {
    Node* child = folder->Child(parsed.parts[i]);
    if (child == nullptr && i == 0) return Fail(kErrorPathNotFound);
    if (child != nullptr && !child->is_folder) return Fail(kErrorAlreadyExists);
    if (child == nullptr && folder->IsLocked()) return Fail(kErrorAccessDenied);
    if (child == nullptr) {
      child = &folder->AddChild(parsed.parts[i], true);
      child->dos_date_time = clock_;
    }
    folder = child;
  }
  return Succeed();
}

bool MemoryFileSystem::RemoveFolder(const std::string& path) {
  ++calls["RemoveFolder"];
  const auto where = Locate(path);
  if (where.error != 0) return Fail(where.error);
  Node* node = where.node;
  if (node == nullptr) return Fail(kErrorFileNotFound);
  if (where.FileNamedAsFolder()) return Fail(kErrorInvalidName);
  if (!node->is_folder) return Fail(kErrorDirectory);
  if (node->IsDrive() || node->IsLocked()) return Fail(kErrorAccessDenied);
  if ((node->attributes & kAttributeReadOnly) != 0) return Fail(kErrorAccessDenied);
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
  if (original->is_folder) return Fail(kErrorAccessDenied);
  if (original->held == FileSharing::None) return Fail(kErrorSharingViolation);
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
  if (copy == original) return Fail(kErrorSharingViolation);
  if (copy != nullptr && (copy->IsLocked() || Refuses(*copy))) return Fail(kErrorAccessDenied);
  if (copy != nullptr && (copy->attributes & (kAttributeReadOnly | kAttributeHidden)) != 0) {
    return Fail(kErrorAccessDenied);
  }
  if (copy != nullptr && copy->held) return Fail(kErrorSharingViolation);
  if (copy == nullptr && to.parent->IsLocked()) return Fail(kErrorAccessDenied);
  if (copy == nullptr) copy = &to.parent->AddChild(to.parts.back(), false);
  copy->content = original->content;
  copy->dos_date_time = original->dos_date_time;
  copy->attributes = original->attributes | kAttributeArchive;
  return Succeed();
}

bool MemoryFileSystem::DeleteFile(const std::string& path) {
  ++calls["DeleteFile"];
  const auto where = Locate(path);
  if (where.error != 0) return Fail(where.error);
  Node* node = where.node;
  if (node == nullptr) return Fail(kErrorFileNotFound);
  if (where.FileNamedAsFolder()) return Fail(kErrorInvalidName);
  if (node->is_folder || node->IsLocked() || Refuses(*node)) return Fail(kErrorAccessDenied);
  if ((node->attributes & kAttributeReadOnly) != 0) return Fail(kErrorAccessDenied);
  if (node->held) return Fail(kErrorSharingViolation);
  node->Detach();
  return Succeed();
}

bool MemoryFileSystem::RenameFile(const std::string& from, const std::string& to) {
  ++calls["RenameFile"];
  const auto old_place = Locate(from);
  if (old_place.error != 0) return Fail(old_place.error);
  Node* node = old_place.node;
  if (node == nullptr) return Fail(kErrorFileNotFound);
  if (old_place.FileNamedAsFolder()) return Fail(kErrorInvalidName);
  if (node->IsDrive() || node->IsLocked() || Refuses(*node)) return Fail(kErrorAccessDenied);
  if (!node->is_folder && node->held) return Fail(kErrorSharingViolation);
  if (node->is_folder && node->HoldsOpenFiles()) return Fail(kErrorAccessDenied);
  const auto new_place = Locate(to);
  if (new_place.error != 0) return Fail(new_place.error);
  if (new_place.node != nullptr && new_place.node != node) return Fail(kErrorAlreadyExists);
  if (!node->is_folder && new_place.names_folder) return Fail(kErrorDirectory);
  if (new_place.parent->IsWithin(*node)) return Fail(kErrorInvalidParameter);
  if (new_place.parent->IsLocked()) return Fail(kErrorAccessDenied);
  auto moved = node->Detach();
  moved->name = new_place.parts.back();
  new_place.parent->Adopt(std::move(moved));
  return Succeed();
}

std::optional<std::uint32_t> MemoryFileSystem::GetAttributes(const std::string& path) {
  ++calls["GetAttributes"];
  const auto where = Locate(path);
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
  if (where.node->IsLocked() || Refuses(*where.node)) return Fail(kErrorAccessDenied);
  where.node->attributes = attributes & kSettableAttributes;
  return Succeed();
}

std::optional<FileStamp> MemoryFileSystem::ReadStamp(const std::string& path) {
  ++calls["ReadStamp"];
  const auto where = Locate(path);
  std::uint32_t error = where.error;
  if (error == 0 && where.node == nullptr) error = kErrorFileNotFound;
  if (error == 0 && where.FileNamedAsFolder()) error = kErrorInvalidName;
  if (error == 0 && where.node->is_folder) error = kErrorAccessDenied;
  // Sharing with nobody fails against any other open, whatever it shares.
  if (error == 0 && where.node->held) error = kErrorSharingViolation;
  if (error != 0) {
    Fail(error);
    return std::nullopt;
  }
  Succeed();
  return FileStamp{where.node->dos_date_time,
                   static_cast<std::uint32_t>(where.node->content.size())};
}

std::optional<std::string> MemoryFileSystem::ReadFile(const std::string& path) {
  ++calls["ReadFile"];
  const auto where = Locate(path);
  std::uint32_t error = where.error;
  if (error == 0 && where.node == nullptr) error = kErrorFileNotFound;
  if (error == 0 && where.FileNamedAsFolder()) error = kErrorInvalidName;
  if (error == 0 && where.node->is_folder) error = kErrorAccessDenied;
  if (error == 0 && where.node->held == FileSharing::None) error = kErrorSharingViolation;
  if (error != 0) {
    Fail(error);
    return std::nullopt;
  }
  Succeed();
  return where.node->content;
}

bool MemoryFileSystem::WriteFile(const std::string& path, const std::string& bytes) {
  ++calls["WriteFile"];
  const auto where = Locate(path);
  if (where.error != 0) return Fail(where.error);
  Node* node = where.node;
  if (node != nullptr && node->is_folder) return Fail(kErrorAccessDenied);
  if (where.names_folder) return Fail(kErrorInvalidName);
  if (node == nullptr && where.parent->IsLocked()) return Fail(kErrorAccessDenied);
  if (node != nullptr && (node->IsLocked() || Refuses(*node))) return Fail(kErrorAccessDenied);
  // Replacing a file opened as normal is refused for read-only, hidden and system files.
  const auto refused = kAttributeReadOnly | kAttributeHidden | kAttributeSystem;
  if (node != nullptr && (node->attributes & refused) != 0) return Fail(kErrorAccessDenied);
  if (node != nullptr && node->held) return Fail(kErrorSharingViolation);
  if (node == nullptr) node = &where.parent->AddChild(where.parts.back(), false);
  node->content = bytes;
  node->dos_date_time = clock_;
  node->attributes = kAttributeArchive;
  return Succeed();
}

bool MemoryFileSystem::AppendFile(const std::string& path, const std::string& bytes) {
  const auto where = Locate(path);
  const bool exists = where.error == 0 && where.node != nullptr && !where.node->is_folder;
  return WriteFile(path, exists ? where.node->content + bytes : bytes);
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
  return FileStamp{where.node->dos_date_time, static_cast<std::uint32_t>(where.node->content.size())};
}

bool MemoryFileSystem::Refuses(const Node& node) const { return standard_user_ && node.protected_access; }

bool MemoryFileSystem::SetAccess(const std::string& path, const std::string& descriptor) {
  const auto where = Locate(path);
  if (where.error != 0) return Fail(where.error);
  if (where.node == nullptr) return Fail(kErrorFileNotFound);
  if (standard_user_) return Fail(kErrorAccessDenied);
  where.node->protected_access = descriptor.find("D:P") != std::string::npos;
  return Succeed();
}

std::optional<std::string> MemoryFileSystem::ReadAccess(const std::string& path) {
  const auto where = Locate(path);
  if (where.error != 0 || where.node == nullptr) {
    Fail(where.error != 0 ? where.error : kErrorFileNotFound);
    return std::nullopt;
  }
  Succeed();
  if (!where.node->protected_access) return std::string("O:BAD:AI");
  return std::string(where.node->is_folder ? kProtectedFolderAccess : kProtectedFileAccess);
}

std::optional<AccessFacts> MemoryFileSystem::AccessOf(const std::string& path) {
  const auto where = Locate(path);
  if (where.error != 0 || where.node == nullptr) {
    Fail(where.error != 0 ? where.error : kErrorFileNotFound);
    return std::nullopt;
  }
  Succeed();
  return AccessFacts{true, where.node->protected_access};
}

bool MemoryFileSystem::ReplaceFile(const std::string& from, const std::string& to) {
  ++calls["ReplaceFile"];
  const auto target = Locate(to);
  if (target.error == 0 && target.node != nullptr) {
    if (target.node->is_folder || Refuses(*target.node)) return Fail(kErrorAccessDenied);
    if (target.node->held) return Fail(kErrorSharingViolation);
    const auto source = Locate(from);
    if (source.error != 0) return Fail(source.error);
    if (source.node == nullptr) return Fail(kErrorFileNotFound);
    target.node->Detach();
  }
  return RenameFile(from, to);
}

bool MemoryFileSystem::DeleteAtRestart(const std::string& path) {
  deleted_at_restart_.push_back(path);
  return Succeed();
}

std::uint32_t MemoryFileSystem::LastError() { return last_error_; }

MemoryFileSystem::Node& MemoryFileSystem::AddFolders(const std::vector<std::string>& parts,
                                                     size_t count) {
  Node* folder = top_.get();
  for (size_t i = 0; i < count; ++i) {
    Node* child = folder->Child(parts[i]);
    if (child != nullptr && !child->is_folder) {
      throw std::invalid_argument("a file stands in the way: " + child->Path());
    }
    if (child == nullptr) {
      child = &folder->AddChild(parts[i], true);
      child->dos_date_time = clock_;
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

void MemoryFileSystem::AddFolder(const std::string& path) {
  const auto parsed = ParsePath(path);
  if (parsed.error != 0) throw std::invalid_argument("not a usable path: " + path);
  AddFolders(parsed.parts, parsed.parts.size());
}

void MemoryFileSystem::AddFile(const std::string& path, const std::string& content,
                               std::uint32_t dos_date_time, std::uint32_t attributes) {
  const auto parsed = ParsePath(path);
  if (parsed.error != 0 || parsed.parts.size() < 2) {
    throw std::invalid_argument("not a usable file path: " + path);
  }
  Node& folder = AddFolders(parsed.parts, parsed.parts.size() - 1);
  Node* file = folder.Child(parsed.parts.back());
  if (file != nullptr && file->is_folder) throw std::invalid_argument("a folder: " + path);
  if (file == nullptr) file = &folder.AddChild(parsed.parts.back(), false);
  file->content = content;
  file->dos_date_time = dos_date_time;
  file->attributes = attributes & kSettableAttributes;
}

void MemoryFileSystem::SetFileTime(const std::string& path, std::uint32_t dos_date_time) {
  RequireNode(path).dos_date_time = dos_date_time;
}

void MemoryFileSystem::SetClock(std::uint32_t dos_date_time) { clock_ = dos_date_time; }

void MemoryFileSystem::HoldOpen(const std::string& path, FileSharing sharing) {
  Node& node = RequireNode(path);
  if (node.is_folder) throw std::invalid_argument("only files are held open: " + path);
  node.held = sharing;
}

void MemoryFileSystem::Release(const std::string& path) { RequireNode(path).held.reset(); }

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
  const auto where = Locate(path);
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
    if (!entry.is_folder) {
      std::snprintf(line, sizeof line, " time=0x%08x size=%zu digest=%016llx",
                    static_cast<unsigned>(entry.dos_date_time), entry.content.size(),
                    static_cast<unsigned long long>(Digest(entry.content)));
      out << line;
      if (entry.protected_access) out << " access=protected";
    }
    out << "\n";
  }
  return out.str();
}

}  // namespace platform
