#pragma once
// c:\geolume and c:\geolume\simbolos are on every configured CAD host's search
// path, and c:\geolume on AutoCAD's trusted paths: whatever stands in them
// runs in every user's CAD session, and the programs there run for whoever
// opens a survey file. Only administrators may create, rename or delete
// anything in them; what users fill in keeps their write access.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "install/installation_context.h"

namespace install {

struct RootCheck {
  bool refused = false;  // a junction or link: nothing may be made through it
  // Another account owned the root, and it was given back to the
  // administrators; these code files were found in it, not from the medium.
  bool taken_back = false;
  std::vector<std::string> foreign_code;
};

// Before anything is made. A root that leads elsewhere is refused: whatever
// it leads to is not the product's to fill. A root another account owns, or
// one whose list lets others change it, is given back, owner and list, down
// the whole tree: an entry with a list of its own inherits nothing, so each
// is visited. Nothing is deleted.
RootCheck CheckInstallRoot(const InstallationContext& context);

// After the folders are made: the two code folders get the administrators'
// list; every other folder below the root, an entry letting users modify it.
// Returns each folder whose list could not be set, with Windows' error.
std::vector<std::pair<std::string, std::uint32_t>> SetFolderAccess(platform::FileSystem& files);

// The user tables present: users may read and write them.
void OpenUserTables(platform::FileSystem& files);

}  // namespace install
