#include "cad/startup_suite.h"

#include <optional>

#include "cad/cad_error.h"
#include "cad/cad_messages.h"
#include "cad/cad_registry.h"
#include "text/case_folding.h"

namespace cad {

namespace {

// More entries than anyone loads at start-up; a larger count is damage, and
// reading that many values would hang the installer.
constexpr std::size_t kMostCountDigits = 4;

bool ListsProduct(platform::Registry& registry, const std::string& key, int count) {
  bool listed = false;
  for (int entry = 1; entry <= count; ++entry) {
    const std::string path = ReadRegString(registry, key, std::to_string(entry) + "Startup");
    if (IsProductApplication(path)) listed = true;
  }
  return listed;
}

}  // namespace

std::string StartupSuiteKey(const std::string& profile_key) {
  return profile_key + "\\Dialogs\\Appload\\Startup";
}

std::optional<int> StartupSuiteCount(const std::string& text) {
  if (text.empty() || text.size() > kMostCountDigits) return std::nullopt;
  int count = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    count = count * 10 + (c - '0');
  }
  return count;
}

bool IsProductApplication(const std::string& entry) {
  return text::UpperCase(entry) == "C:\\GEOLUME\\GEOLUME15.VLX";
}

void AddToStartupSuite(platform::Registry& registry, const std::string& profile_key) {
  const std::string key = StartupSuiteKey(profile_key);
  std::string count_text = ReadRegString(registry, key, "NumStartup");
  if (count_text.empty()) {
    count_text = "0";
    CreateRegKey(registry, key);
  }
  const auto count = StartupSuiteCount(count_text);
  if (!count) {
    throw CadError(messages::kStartupSuiteCountInvalid, {CurrentUserKeyName(profile_key), count_text});
  }
  if (ListsProduct(registry, key, *count)) return;
  const std::string next = std::to_string(*count + 1);
  RequireRegString(registry, key, "NumStartup", next);
  RequireRegString(registry, key, next + "Startup", kProductApplication);
}

}  // namespace cad
