#pragma once
// The configuration refuses to run while a CAD host is open.
#include <optional>
#include <string>

#include "platform/processes.h"

namespace cad {

// True when a running process has that executable file name (folder left
// out, letter case ignored). No snapshot means nothing is running.
bool IsProcessRunning(platform::Processes& processes, const std::string& executable);

// The refusal for the first open host of AutoCAD, BricsCAD, GstarCAD, in that
// order; nothing when none is open.
std::optional<std::string> RunningHostMessage(platform::Processes& processes);

}  // namespace cad
