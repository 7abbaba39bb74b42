#include "shell/command_line.h"

#include <map>

#include "text/case_folding.h"

namespace shell {

namespace {

// The switch's name in small letters and its value after "=", if any.
struct Switch {
  std::string name;
  std::optional<std::string> value;
};

std::optional<Switch> SwitchOf(const std::string& argument) {
  if (argument.size() < 2 || (argument[0] != '/' && argument[0] != '-')) return std::nullopt;
  const std::size_t equals = argument.find('=');
  Switch parsed{text::LowerAscii(argument.substr(1, equals == std::string::npos ? std::string::npos : equals - 1)),
                std::nullopt};
  if (equals != std::string::npos) parsed.value = argument.substr(equals + 1);
  return parsed;
}

// Sets the flag; a switch given twice is the same switch.
bool Flag(bool& flag, const Switch& given) {
  if (given.value) return false;
  flag = true;
  return true;
}

// A switch with a value may be repeated only with the same value.
bool Value(std::map<std::string, std::string>& seen, const Switch& given, bool fold_case) {
  if (!given.value || given.value->empty()) return false;
  const std::string value = fold_case ? text::LowerAscii(*given.value) : *given.value;
  const auto [where, inserted] = seen.emplace(given.name, value);
  return inserted || where->second == value;
}

bool Apply(CommandLine& line, std::map<std::string, std::string>& seen, const Switch& given) {
  const std::string& name = given.name;
  if (name == "quiet") return Flag(line.quiet, given);
  if (name == "passive") return Flag(line.passive, given);
  if (name == "acceptlicense") return Flag(line.accept_license, given);
  if (name == "norestart") return Flag(line.no_restart, given);
  if (name == "configurecad") return Flag(line.configure_cad_only, given);
  if (name == "uninstall") return Flag(line.uninstall, given);
  if (name == "?" || name == "help") return Flag(line.help, given);
  if (name == "lang") {
    if (!Value(seen, given, true)) return false;
    line.language = seen[name];
    return line.language == "pt" || line.language == "es";
  }
  if (name == "cad") {
    if (!Value(seen, given, true)) return false;
    line.configure_all_cad = seen[name] == "all";
    return seen[name] == "all" || seen[name] == "none";
  }
  if (name == "log") {
    if (!Value(seen, given, false)) return false;
    line.log_file = seen[name];
    return true;
  }
  return false;
}

bool ApplyLogon(LogonCommandLine& line, std::map<std::string, std::string>& seen, const Switch& given) {
  bool quiet = false;
  if (given.name == "quiet") return Flag(quiet, given);
  if (given.name == "configurecad") return Flag(line.configure, given);
  if (given.name == "uninstall") return Flag(line.restore, given);
  if (given.name != "log" || !Value(seen, given, false)) return false;
  line.log_file = seen[given.name];
  return true;
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
  CommandLine line;
  std::map<std::string, std::string> seen;
  for (const std::string& argument : arguments) {
    const auto given = SwitchOf(argument);
    // The rest still counts: a quiet run refused for a bad argument says so
    // in its log and nowhere else.
    if ((!given || !Apply(line, seen, *given)) && !line.bad_argument) line.bad_argument = argument;
  }
  if (line.bad_argument) return line;
  // One way of running at a time.
  if ((line.quiet && line.passive) || (line.uninstall && line.configure_cad_only)) {
    line.bad_argument = line.quiet && line.passive ? "/passive" : "/configurecad";
  }
  return line;
}

LogonCommandLine ParseLogonCommandLine(const std::vector<std::string>& arguments) {
  LogonCommandLine line;
  std::map<std::string, std::string> seen;
  for (const std::string& argument : arguments) {
    const auto given = SwitchOf(argument);
    if ((!given || !ApplyLogon(line, seen, *given)) && !line.bad_argument) line.bad_argument = argument;
  }
  if (!line.bad_argument && line.configure == line.restore) line.bad_argument = line.configure ? "/uninstall" : "";
  return line;
}

}  // namespace shell
