#pragma once
// Taking out what the installations wrote, as their record says, but only
// where it is still as they left it and only what an installation can write.
#include <functional>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "record/change_record.h"
#include "uninstall/left_in_place.h"

namespace uninstall {

struct RemovalContext {
  platform::Platform& windows;
  std::string system_folder;  // without a trailing "\"
  // The associations' class names in the installation's language.
  std::function<std::string(const std::string&)> translate;
};

// The COM servers and the text control, unregistered as they were
// registered, each waited for, before their files go. One that a user could
// have changed is not run, as administrator or system, and is left.
void UnregisterComponents(const RemovalContext& context, const std::vector<record::Entry>& entries, LeftList& left);

// The installations' values under HKEY_CLASSES_ROOT given back, and the keys
// they made removed once nothing is left in them.
void RestoreClasses(const RemovalContext& context, const std::vector<record::Entry>& entries, LeftList& left);

// The shortcuts the installations saved.
void RemoveShortcuts(const RemovalContext& context, const std::vector<record::Entry>& entries);

// The files the installations wrote and nobody changed since, the system
// folder's by their shared counts; then the folders they made, when empty.
void RemoveFiles(const RemovalContext& context, const std::vector<record::Entry>& entries, LeftList& left);

}  // namespace uninstall
