#pragma once
// The installer's command line, for IT departments: switches in any order and
// letter case, each starting with "/" or "-". With no argument the installer
// is the interactive one.
#include <optional>
#include <string>
#include <vector>

namespace shell {

struct CommandLine {
  bool quiet = false;      // no window, no box
  bool passive = false;    // progress only, no question
  bool accept_license = false;
  bool no_restart = false;
  bool configure_cad_only = false;
  bool uninstall = false;
  bool help = false;
  std::string language = "pt";  // "pt" or "es"
  bool configure_all_cad = true;
  std::optional<std::string> log_file;
  // The first argument that is no switch, or a switch with a bad value or
  // one that contradicts another; nothing is done when there is one.
  std::optional<std::string> bad_argument;

  bool Unattended() const { return quiet || passive; }
};

CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// The logon program's command line, spelt as the installer's: one of its two
// runs, "/quiet" (it never shows anything anyway) and "/log=FILE"; nothing else.
struct LogonCommandLine {
  bool configure = false;  // /configurecad: this user's profiles
  bool restore = false;    // /uninstall: this user's profiles given back
  std::optional<std::string> log_file;
  // The first argument that is not one of those, or the run's switch when
  // neither or both are given; nothing is done when there is one.
  std::optional<std::string> bad_argument;
};

LogonCommandLine ParseLogonCommandLine(const std::vector<std::string>& arguments);

}  // namespace shell
