#pragma once
// The uninstall: everything an installation and this user's CAD
// configurations changed, given back as far as it is still theirs to give.
// It knows no window: the caller asks for confirmation and shows the end.
#include <functional>
#include <optional>
#include <string>

#include "platform/platform.h"
#include "uninstall/left_in_place.h"

namespace uninstall {

struct UninstallContext {
  platform::Platform& windows;
  std::string system_folder;  // without a trailing "\"
  // The associations' class names in the installation's language.
  std::function<std::string(const std::string&)> translate;
};

enum class UninstallOutcome {
  NothingInstalled,  // no record: nothing was changed
  RefusedHostOpen,   // a CAD host runs: nothing was changed
  Uninstalled,       // done; what stayed is in the list
};

struct UninstallResult {
  UninstallOutcome outcome = UninstallOutcome::Uninstalled;
  std::string refusal;  // the running host's message
  LeftList left;
};

// The installation's language as its record says ("pt" or "es"); nullopt
// when there is no record.
std::optional<std::string> InstalledLanguage(platform::Platform& windows);

// This user's CAD configurations are on record, whether or not the product is.
bool HasUserCadRecord(platform::Platform& windows);

// Only this user's CAD configurations, from the user's own record, whatever
// the machine's record says: the restore at logon, which may change nothing
// else.
UninstallResult RestoreUserCadProfiles(platform::Platform& windows);

// With no installation on record, only this user's CAD configurations are
// given back.
UninstallResult Uninstall(const UninstallContext& context);

}  // namespace uninstall
