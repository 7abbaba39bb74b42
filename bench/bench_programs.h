#pragma once
// The peers a benchmark measures against: Windows programs of the platform
// (xcopy, reg) and, under Wine, programs of the host (cp), each run to its end.
#include <string>
#include <vector>

namespace bench {

// Runs the command line to its end with its output thrown away; the exit code,
// or -1 when it could not be started or did not end within ten minutes.
int RunToEnd(const std::string& application, const std::string& command_line);

// The host's path of a Windows path; empty when not running under Wine.
std::string HostPath(const std::string& windows_path);

// A host program run to its end, e.g. RunHostProgram({"/bin/cp", "-r", from, to});
// its exit code, or -1. Arguments must not hold single quotes.
int RunHostProgram(const std::vector<std::string>& arguments);

// Removes the folder and everything below it, read-only files included.
bool RemoveTree(const std::string& windows_path);

// Waits, at most the time, until no process of one of these file names runs.
bool WaitUntilNoneRuns(const std::vector<std::string>& file_names, int timeout_ms);

}  // namespace bench
