#pragma once
// Configuring the ticked CAD profiles: the product's folders into each
// search path, the host settings the product needs, the startup suite of
// GstarCAD, the startup files, and a closing report.
#include <functional>
#include <string>
#include <vector>

#include "cad/startup_file_sweep.h"
#include "platform/file_system.h"
#include "platform/processes.h"
#include "platform/registry.h"

namespace cad {

// One line of the CAD list as the user left it.
struct CadListLine {
  std::string text;
  bool ticked = false;
};

// What the configuration needs of the program around it.
struct CadConfigurationContext {
  platform::Registry& registry;
  platform::FileSystem& files;
  platform::Processes& processes;
  ShowMessage show_message;      // a plain box with one OK button
  ShowMessage show_information;  // the "Information" box with one OK button
  std::function<std::string(const std::string&)> translate;  // the dictionary's lookup
  // At a user's logon, without administrator rights: nothing in c:\geolume
  // is written, renamed or deleted; the startup files there are only checked,
  // and one that is wrong leaves the configuration partly done.
  bool leave_install_root = false;
};

enum class ConfigurationOutcome {
  RefusedHostOpen,   // a CAD host runs: nothing was changed
  Configured,        // every setting was made
  ConfiguredPartly,  // some settings were reported as left to the user
};

// Every profile a fresh discovery finds, as the panel lists it, ticked: what
// a configuration with nobody to tick the list configures.
std::vector<CadListLine> EveryProfileTicked(platform::Registry& registry);

// Runs the whole configuration; line k stands for the k-th profile that a
// fresh discovery finds. Errors other than the reported ones throw (CadError)
// and leave what was done so far.
ConfigurationOutcome ConfigureCadProfiles(const CadConfigurationContext& context,
                                          const std::vector<CadListLine>& lines);

}  // namespace cad
