#pragma once
// What the end of an installation adds so that it can be taken back out:
// the uninstaller and the logon program beside the record, the shared counts of the system-folder
// files it wrote, the entry in Windows' list of installed programs, and every
// user's CAD configuration at logon.
#include <string>

#include "platform/platform.h"
#include "record/change_record.h"

namespace uninstall {

struct WindowsRegistration {
  std::string display_name;   // in the installation's language
  std::string source_folder;  // the medium's root, ending in "\"
  std::string system_folder;  // without a trailing "\"
};

// False when the uninstaller or the logon program could not be put in place
// or an entry could not be written; the shared counts are raised whatever
// happens.
bool RegisterWithWindows(platform::Platform& windows, record::ChangeRecord& record,
                         const WindowsRegistration& registration);

}  // namespace uninstall
