#pragma once
// A Windows machine as an installation leaves it, for comparing two states
// whole: HKCU, HKCR, the keys the product writes under HKLM, and every file
// and folder of drive C: outside the Windows folder with its size and a hash
// of its bytes. A snapshot goes to text and back, so that one run can hand
// it to a later run on another machine.
#include <map>
#include <string>

namespace wintest {

struct MachineSnapshot {
  std::string user;
  std::string classes;
  std::string machine;
  std::map<std::string, std::string> files;  // path (folders end in \) -> "size hash", or "folder"
};

MachineSnapshot TakeMachineSnapshot();

std::string SnapshotText(const MachineSnapshot& snapshot);
MachineSnapshot SnapshotFromText(const std::string& text);

// The lines of one text that the other lacks: "- line" for the first's,
// "+ line" for the second's.
std::string LineDifference(const std::string& before, const std::string& after);
// "- path" gone, "+ path" new, "~ path" changed.
std::string FileDifference(const std::map<std::string, std::string>& before,
                           const std::map<std::string, std::string>& after);

}  // namespace wintest
