#include "cad/key_search.h"

#include <utility>

#include "text/case_folding.h"

namespace cad {

namespace {

struct PendingKey {
  std::string path;
  std::string name;
};

}  // namespace

std::string NormaliseStartKey(const std::string& start_key) {
  if (start_key.empty() || start_key == "\\") return {};
  std::string key = start_key;
  if (key.back() == '\\') key.pop_back();
  if (key.empty() || key.front() != '\\') key.insert(key.begin(), '\\');
  return key;
}

std::vector<std::string> FindKeys(platform::Registry& registry, platform::RegistryRoot root,
                                  const std::string& start_key, const std::string& search_text) {
  const std::string wanted = text::LowerAscii(search_text);
  std::vector<std::string> found;
  // An explicit stack rather than recursion: a deeply nested tree cannot
  // exhaust the program's stack. Children go on in reverse so that they come
  // off in enumeration order.
  std::vector<PendingKey> pending;
  auto push_children = [&](const std::string& path) {
    const auto names = registry.SubKeys(root, path);
    if (!names) return;
    for (auto name = names->rbegin(); name != names->rend(); ++name) {
      pending.push_back({path + "\\" + *name, *name});
    }
  };
  push_children(NormaliseStartKey(start_key));
  while (!pending.empty()) {
    PendingKey key = std::move(pending.back());
    pending.pop_back();
    if (text::LowerAscii(key.name).find(wanted) != std::string::npos) found.push_back(key.path);
    push_children(key.path);
  }
  return found;
}

}  // namespace cad
