#pragma once
// Owners and access lists of the in-memory Windows' files and folders: read
// from and printed in the security descriptor language, inherited and checked
// as Windows documents it (CreatePrivateObjectSecurity for what a new object
// gets, AccessCheck for what a token may do).
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/memory/memory_accounts.h"

namespace platform {

// Access rights on files and folders.
enum : std::uint32_t {
  kFileReadData = 0x1,  // list, on a folder
  kFileWriteData = 0x2,  // add a file, on a folder
  kFileAppendData = 0x4,  // add a subfolder, on a folder
  kFileExecute = 0x20,
  kFileDeleteChild = 0x40,
  kFileWriteAttributes = 0x100,
  kDelete = 0x10000,
  kReadControl = 0x20000,
  kWriteDac = 0x40000,
  kWriteOwner = 0x80000,
};

enum : std::uint8_t {
  kObjectInherit = 0x1,
  kContainerInherit = 0x2,
  kNoPropagateInherit = 0x4,
  kInheritOnly = 0x8,
  kInheritedAce = 0x10,
};

struct AccessEntry {
  bool deny = false;
  std::uint8_t flags = 0;
  std::uint32_t mask = 0;
  std::string trustee;  // "BA", "CO", "S-1-5-21-…"

  bool operator==(const AccessEntry&) const = default;
};

// What a file or folder carries. The list holds its own entries first, then
// the inherited ones (marked kInheritedAce), each group deny before allow.
struct SecurityDescriptor {
  std::string owner;
  bool dacl_protected = false;
  std::vector<AccessEntry> entries;
};

// What a descriptor text asks for: the owner when it names one, the list
// when it has "D:".
struct DescriptorRequest {
  std::optional<std::string> owner;
  bool has_list = false;
  bool list_protected = false;
  std::vector<AccessEntry> entries;  // as given, never marked inherited
};

// nullopt when the text is not a descriptor Windows would take.
std::optional<DescriptorRequest> ParseDescriptor(const std::string& text);
// "O:<owner>D:<P>AI(<entries>)", as ConvertSecurityDescriptorToStringSecurityDescriptor
// prints the owner and the list.
std::string PrintDescriptor(const SecurityDescriptor& descriptor);
// What a new child of a folder with that descriptor inherits, created by
// `creator_owner` (the owner "CO" entries turn into).
std::vector<AccessEntry> InheritedEntries(const SecurityDescriptor& folder, bool child_is_folder,
                                          const std::string& creator_owner);
// The list's own entries followed by what the parent passes on, unless protected.
SecurityDescriptor Compose(std::string owner, bool dacl_protected, std::vector<AccessEntry> own,
                           const SecurityDescriptor* parent, bool is_folder);
// True when the token is granted every right asked for: the owner's implied
// read-control and write-DAC first, then the entries in order, a deny entry
// refusing any right not yet granted.
bool Grants(const SecurityDescriptor& descriptor, const MemoryAccount& account,
            std::uint32_t desired);

}  // namespace platform
