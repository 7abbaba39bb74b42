#pragma once
// The values the installer keeps for its whole run, shared by the main window,
// its dialogs and the installation. One instance lives in the program's entry.
#include <string>

namespace shell {

struct InstallerState {
  std::string source_folder;  // the medium's root: the program's folder, ending in "\"
  std::string system_folder;  // the Windows system folder, without a trailing "\"
  bool agreement_accepted = false;
  bool restart_needed = false;
  // /norestart: the prompt is not offered; the exit code says so instead.
  bool offer_restart = true;
};

}  // namespace shell
