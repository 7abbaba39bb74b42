#pragma once
// Whether an elevated run's changes are checked for links, and whose links
// they follow. Kept apart from <windows.h> for the file system's header.
#include <vector>

namespace platform {

// Whether changes are checked, and whose links they follow.
struct LinkGuard {
  bool checking = false;
  // Owners whose junctions and symbolic links are followed: the
  // administrators, the system account, TrustedInstaller and the running
  // account's own user, as SIDs.
  std::vector<std::vector<unsigned char>> trusted_owners;

  // Checking when this process runs elevated or as the system account.
  static LinkGuard ForThisProcess();
  // Checking, trusting the owners above.
  static LinkGuard Checking();
  bool Trusts(void* owner_sid) const;
};

}  // namespace platform
