#include "platform/memory/memory_security.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace platform {
namespace {

constexpr std::uint32_t kGenericAll = 0x10000000;
constexpr std::uint32_t kGenericExecute = 0x20000000;
constexpr std::uint32_t kGenericWrite = 0x40000000;
constexpr std::uint32_t kGenericRead = 0x80000000;
constexpr std::uint32_t kGenericBits = kGenericAll | kGenericExecute | kGenericWrite | kGenericRead;
constexpr std::uint32_t kFileAllAccess = 0x1F01FF;
constexpr std::uint32_t kFileGenericRead = 0x120089;
constexpr std::uint32_t kFileGenericWrite = 0x120116;
constexpr std::uint32_t kFileGenericExecute = 0x1200A0;

struct NamedRight {
  const char* letters;
  std::uint32_t mask;
};

// The whole-mask names the printer prefers, then the single rights in the
// order of their bits, which is how Windows joins them ("SDGXGWGR").
constexpr std::array<NamedRight, 4> kFileRights{{
    {"FA", kFileAllAccess}, {"FR", kFileGenericRead}, {"FW", kFileGenericWrite}, {"FX", kFileGenericExecute}}};
constexpr std::array<NamedRight, 17> kSingleRights{{
    {"CC", 0x1}, {"DC", 0x2}, {"LC", 0x4}, {"SW", 0x8}, {"RP", 0x10}, {"WP", 0x20}, {"DT", 0x40},
    {"LO", 0x80}, {"CR", 0x100}, {"SD", kDelete}, {"RC", kReadControl}, {"WD", kWriteDac},
    {"WO", kWriteOwner}, {"GA", kGenericAll}, {"GX", kGenericExecute}, {"GW", kGenericWrite},
    {"GR", kGenericRead}}};

struct FlagName {
  const char* letters;
  std::uint8_t flag;
};
constexpr std::array<FlagName, 5> kFlags{{{"OI", kObjectInherit},
                                          {"CI", kContainerInherit},
                                          {"NP", kNoPropagateInherit},
                                          {"IO", kInheritOnly},
                                          {"ID", kInheritedAce}}};

struct Alias {
  const char* alias;
  const char* sid;
};
constexpr std::array<Alias, 6> kAliases{{{"BA", "S-1-5-32-544"},
                                         {"SY", "S-1-5-18"},
                                         {"BU", "S-1-5-32-545"},
                                         {"AU", "S-1-5-11"},
                                         {"WD", "S-1-1-0"},
                                         {"CO", "S-1-3-0"}}};

// Generic rights become file rights as FILE_GENERIC_* define them.
std::uint32_t MapGeneric(std::uint32_t mask) {
  std::uint32_t mapped = mask & ~kGenericBits;
  if ((mask & kGenericAll) != 0) mapped |= kFileAllAccess;
  if ((mask & kGenericRead) != 0) mapped |= kFileGenericRead;
  if ((mask & kGenericWrite) != 0) mapped |= kFileGenericWrite;
  if ((mask & kGenericExecute) != 0) mapped |= kFileGenericExecute;
  return mapped;
}

bool IsUpper(char c) { return c >= 'A' && c <= 'Z'; }

// A SID as Windows prints it: its alias when it has one.
std::optional<std::string> ParseTrustee(std::string text) {
  if (text.size() == 2 && IsUpper(text[0]) && IsUpper(text[1])) return text;
  if (text.size() < 4 || (text[0] != 'S' && text[0] != 's') || text[1] != '-') return std::nullopt;
  text[0] = 'S';
  for (size_t i = 2; i < text.size(); ++i) {
    const bool digit = text[i] >= '0' && text[i] <= '9';
    if (!digit && text[i] != '-') return std::nullopt;
  }
  for (const auto& alias : kAliases) {
    if (text == alias.sid) return std::string(alias.alias);
  }
  return text;
}

std::optional<std::uint32_t> ParseRights(const std::string& text) {
  if (text.rfind("0x", 0) == 0 || text.rfind("0X", 0) == 0) {
    if (text.size() == 2 || text.size() > 10) return std::nullopt;
    std::uint32_t mask = 0;
    for (size_t i = 2; i < text.size(); ++i) {
      const char c = static_cast<char>(text[i] | 0x20);
      const bool digit = c >= '0' && c <= '9';
      if (!digit && !(c >= 'a' && c <= 'f')) return std::nullopt;
      mask = (mask << 4) | static_cast<std::uint32_t>(digit ? c - '0' : c - 'a' + 10);
    }
    return mask;
  }
  if (text.size() % 2 != 0) return std::nullopt;
  std::uint32_t mask = 0;
  for (size_t i = 0; i < text.size(); i += 2) {
    const auto pair = text.substr(i, 2);
    std::optional<std::uint32_t> found;
    for (const auto& right : kFileRights) {
      if (pair == right.letters) found = right.mask;
    }
    for (const auto& right : kSingleRights) {
      if (pair == right.letters) found = right.mask;
    }
    if (!found) return std::nullopt;
    mask |= *found;
  }
  return mask;
}

std::optional<std::uint8_t> ParseFlags(const std::string& text) {
  if (text.size() % 2 != 0) return std::nullopt;
  std::uint8_t flags = 0;
  for (size_t i = 0; i < text.size(); i += 2) {
    const auto pair = text.substr(i, 2);
    const auto found = std::find_if(kFlags.begin(), kFlags.end(),
                                    [&](const FlagName& flag) { return pair == flag.letters; });
    if (found == kFlags.end()) return std::nullopt;
    flags |= found->flag;
  }
  return flags;
}

std::optional<AccessEntry> ParseEntry(const std::string& text) {
  std::vector<std::string> fields(1);
  for (const char c : text) {
    if (c == ';') {
      fields.emplace_back();
    } else {
      fields.back() += c;
    }
  }
  if (fields.size() != 6 || (fields[0] != "A" && fields[0] != "D")) return std::nullopt;
  if (!fields[3].empty() || !fields[4].empty()) return std::nullopt;
  const auto flags = ParseFlags(fields[1]);
  const auto mask = ParseRights(fields[2]);
  const auto trustee = ParseTrustee(fields[5]);
  if (!flags || !mask || !trustee) return std::nullopt;
  AccessEntry entry{fields[0] == "D", static_cast<std::uint8_t>(*flags & ~kInheritedAce), *mask, *trustee};
  // What applies to the object itself is kept in file rights; inherit-only
  // entries keep their generic rights for the children to map.
  if ((entry.flags & kInheritOnly) == 0) entry.mask = MapGeneric(entry.mask);
  return entry;
}

std::string PrintRights(std::uint32_t mask) {
  for (const auto& right : kFileRights) {
    if (mask == right.mask) return right.letters;
  }
  std::string letters;
  std::uint32_t covered = 0;
  for (const auto& right : kSingleRights) {
    if ((mask & right.mask) == 0) continue;
    letters += right.letters;
    covered |= right.mask;
  }
  if (covered == mask && mask != 0) return letters;
  char hex[16];
  std::snprintf(hex, sizeof hex, "0x%x", static_cast<unsigned>(mask));
  return hex;
}

// Deny entries before allow entries, each group in the order given.
void DenyFirst(std::vector<AccessEntry>& entries) {
  std::stable_partition(entries.begin(), entries.end(), [](const AccessEntry& entry) { return entry.deny; });
}

}  // namespace

std::optional<DescriptorRequest> ParseDescriptor(const std::string& text) {
  DescriptorRequest request;
  size_t at = 0;
  while (at < text.size()) {
    if (at + 2 > text.size() || text[at + 1] != ':') return std::nullopt;
    const char tag = text[at];
    at += 2;
    if (tag == 'O' || tag == 'G') {
      size_t end = at;
      if (text.compare(at, 2, "S-") == 0) {
        while (end + 1 < text.size() && (text[end + 1] == '-' || (text[end + 1] >= '0' && text[end + 1] <= '9'))) {
          ++end;
        }
        ++end;
      } else {
        end = at + 2;
      }
      if (end > text.size()) return std::nullopt;
      const auto sid = ParseTrustee(text.substr(at, end - at));
      if (!sid) return std::nullopt;
      if (tag == 'O') request.owner = *sid;
      at = end;
      continue;
    }
    if (tag != 'D') return std::nullopt;
    request.has_list = true;
    while (at < text.size() && text[at] != '(') {
      if (text.compare(at, 2, "AI") == 0 || text.compare(at, 2, "AR") == 0) {
        at += 2;
      } else if (text[at] == 'P') {
        request.list_protected = true;
        ++at;
      } else {
        return std::nullopt;
      }
    }
    while (at < text.size() && text[at] == '(') {
      const auto close = text.find(')', at);
      if (close == std::string::npos) return std::nullopt;
      const auto entry = ParseEntry(text.substr(at + 1, close - at - 1));
      if (!entry) return std::nullopt;
      request.entries.push_back(*entry);
      at = close + 1;
    }
  }
  return request;
}

std::string PrintDescriptor(const SecurityDescriptor& descriptor) {
  std::string text = "O:" + descriptor.owner + "D:" + (descriptor.dacl_protected ? "PAI" : "AI");
  for (const auto& entry : descriptor.entries) {
    text += entry.deny ? "(D;" : "(A;";
    for (const auto& flag : kFlags) {
      if ((entry.flags & flag.flag) != 0) text += flag.letters;
    }
    text += ";" + PrintRights(entry.mask) + ";;;" + entry.trustee + ")";
  }
  return text;
}

std::vector<AccessEntry> InheritedEntries(const SecurityDescriptor& folder, bool child_is_folder,
                                          const std::string& creator_owner) {
  std::vector<AccessEntry> inherited;
  for (const auto& entry : folder.entries) {
    const bool to_files = (entry.flags & kObjectInherit) != 0;
    const bool to_folders = (entry.flags & kContainerInherit) != 0;
    const bool stops = (entry.flags & kNoPropagateInherit) != 0;
    const std::string& trustee = entry.trustee == "CO" ? creator_owner : entry.trustee;
    const std::uint32_t mapped = MapGeneric(entry.mask);
    if (!child_is_folder) {
      if (to_files) inherited.push_back({entry.deny, kInheritedAce, mapped, trustee});
      continue;
    }
    const std::uint8_t passes_on = entry.flags & (kObjectInherit | kContainerInherit);
    if (to_folders && stops) {
      inherited.push_back({entry.deny, kInheritedAce, mapped, trustee});
    } else if (to_folders && (trustee != entry.trustee || mapped != entry.mask)) {
      // What applies here is the creator and file rights; the original passes on below.
      inherited.push_back({entry.deny, kInheritedAce, mapped, trustee});
      inherited.push_back({entry.deny, static_cast<std::uint8_t>(passes_on | kInheritOnly | kInheritedAce),
                           entry.mask, entry.trustee});
    } else if (to_folders) {
      inherited.push_back({entry.deny, static_cast<std::uint8_t>(passes_on | kInheritedAce), mapped, trustee});
    } else if (to_files && !stops) {
      inherited.push_back({entry.deny, static_cast<std::uint8_t>(kObjectInherit | kInheritOnly | kInheritedAce),
                           entry.mask, entry.trustee});
    }
  }
  DenyFirst(inherited);
  return inherited;
}

SecurityDescriptor Compose(std::string owner, bool dacl_protected, std::vector<AccessEntry> own,
                           const SecurityDescriptor* parent, bool is_folder) {
  SecurityDescriptor descriptor{std::move(owner), dacl_protected, std::move(own)};
  DenyFirst(descriptor.entries);
  if (dacl_protected || parent == nullptr) return descriptor;
  auto inherited = InheritedEntries(*parent, is_folder, descriptor.owner);
  descriptor.entries.insert(descriptor.entries.end(), inherited.begin(), inherited.end());
  return descriptor;
}

bool Grants(const SecurityDescriptor& descriptor, const MemoryAccount& account, std::uint32_t desired) {
  std::uint32_t remaining = desired;
  if (account.Holds(descriptor.owner)) remaining &= ~(kReadControl | kWriteDac);
  for (const auto& entry : descriptor.entries) {
    if (remaining == 0) return true;
    if ((entry.flags & kInheritOnly) != 0 || !account.Holds(entry.trustee)) continue;
    if (entry.deny && (entry.mask & remaining) != 0) return false;
    if (!entry.deny) remaining &= ~entry.mask;
  }
  return remaining == 0;
}

}  // namespace platform
