#include "cad/running_host_check.h"

#include <algorithm>

#include "cad/cad_messages.h"
#include "text/case_folding.h"

namespace cad {

namespace {

struct HostExecutable {
  const char* executable;
  const char* message;
};

constexpr HostExecutable kHosts[] = {
    {"acad.exe", messages::kAutoCadOpen},
    {"bricscad.exe", messages::kBricsCadOpen},
    {"gcad.exe", messages::kGstarCadOpen},
};

std::string FileNameOf(const std::string& path) {
  const std::size_t folder_end = path.find_last_of("\\:");
  return folder_end == std::string::npos ? path : path.substr(folder_end + 1);
}

}  // namespace

bool IsProcessRunning(platform::Processes& processes, const std::string& executable) {
  const auto running = processes.RunningExecutables();
  if (!running) return false;
  const std::string wanted = text::UpperCase(executable);
  return std::any_of(running->begin(), running->end(), [&wanted](const std::string& path) {
    return text::UpperCase(FileNameOf(path)) == wanted;
  });
}

std::optional<std::string> RunningHostMessage(platform::Processes& processes) {
  for (const auto& host : kHosts) {
    if (IsProcessRunning(processes, host.executable)) return host.message;
  }
  return std::nullopt;
}

}  // namespace cad
