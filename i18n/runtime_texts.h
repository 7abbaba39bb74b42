#pragma once
// Texts that the program's own runtime supplies (standard dialog texts and
// the key names of shortcut texts), passed through the first registered
// dictionary while the hooks are installed.
#include <cstdint>
#include <functional>
#include <string>

namespace i18n {

// Installed once per process by the first dictionary that opens with
// ivdoTranslateResourceStrings; removed when a dictionary closes.
void InstallRuntimeTextHooks();
void RemoveRuntimeTextHooks();
bool RuntimeTextHooksInstalled();

// A standard text known by its number: TranslateInContext(text, "", number)
// of the first dictionary when the hooks are installed and it is active.
std::string StandardText(const std::string& text, std::uint32_t number);

enum ShortcutModifier : std::uint32_t {
  kShortcutShift = 1,
  kShortcutCtrl = 2,
  kShortcutAlt = 4,
};

// The keyboard driver's name of a virtual key, for keys the text does not name itself.
using KeyNameSource = std::function<std::string(std::uint16_t virtual_key)>;

// "Shift+Ctrl+F5" and the like; empty for a key that has no name of one character.
std::string ShortcutText(std::uint16_t virtual_key, std::uint32_t modifiers,
                         const KeyNameSource& key_names = {});

}  // namespace i18n
