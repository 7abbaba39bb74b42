#include "i18n/runtime_texts.h"

#include <array>
#include <utility>

#include "i18n/engine_state.h"
#include "i18n/iv_dictionaries.h"
#include "i18n/iv_dictionary.h"
#include "text/utf8.h"
#include "util/scope_exit.h"

namespace i18n {

namespace {

RuntimeTextHooks& Hooks() { return Engine().runtime_text_hooks; }

TIvDictionary* ActiveFirstDictionary() {
  TIvDictionary* dictionary = TIvDictionaries::First();
  if (!dictionary || !dictionary->Active()) return nullptr;
  return dictionary;
}

// A key name as the runtime's string table gives it, through the dictionary.
std::string KeyName(const std::string& name) {
  if (!RuntimeTextHooksInstalled()) return name;
  TIvDictionary* dictionary = ActiveFirstDictionary();
  return dictionary ? dictionary->Translate(name) : name;
}

constexpr std::array<std::pair<std::uint16_t, const char*>, 15> kNamedKeys = {{
    {0x08, "BkSp"}, {0x09, "Tab"}, {0x0D, "Enter"}, {0x1B, "Esc"}, {0x20, "Space"},
    {0x21, "PgUp"}, {0x22, "PgDn"}, {0x23, "End"}, {0x24, "Home"}, {0x25, "Left"},
    {0x26, "Up"}, {0x27, "Right"}, {0x28, "Down"}, {0x2D, "Ins"}, {0x2E, "Del"}}};

std::string KeyText(std::uint16_t key, const KeyNameSource& key_names) {
  for (const auto& [code, name] : kNamedKeys) {
    if (code == key) return KeyName(name);
  }
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return std::string(1, char(key));
  if (key >= 0x60 && key <= 0x69) return std::string(1, char('0' + key - 0x60));  // keypad digits
  if (key >= 0x70 && key <= 0x87) return "F" + std::to_string(key - 0x70 + 1);
  if (!key_names) return "";
  const std::string name = key_names(key);
  const bool one_character = name.size() <= 4 && text::CharacterCount(name) == 1;
  return one_character ? name : "";
}

}  // namespace

void InstallRuntimeTextHooks() { Hooks().installed = true; }
void RemoveRuntimeTextHooks() { Hooks().installed = false; }
bool RuntimeTextHooksInstalled() { return Hooks().installed; }

std::string StandardText(const std::string& text, std::uint32_t number) {
  RuntimeTextHooks& hooks = Hooks();
  if (!hooks.installed || text.empty() || hooks.lookup_under_way) return text;
  TIvDictionary* dictionary = ActiveFirstDictionary();
  if (!dictionary) return text;
  hooks.lookup_under_way = true;
  util::ScopeExit lookup_done([&hooks] { hooks.lookup_under_way = false; });
  return dictionary->TranslateInContext(text, "", std::to_string(number));
}

std::string ShortcutText(std::uint16_t virtual_key, std::uint32_t modifiers,
                         const KeyNameSource& key_names) {
  const std::string key = KeyText(virtual_key, key_names);
  if (key.empty()) return "";
  std::string text;
  if (modifiers & kShortcutShift) text += KeyName("Shift+");
  if (modifiers & kShortcutCtrl) text += KeyName("Ctrl+");
  if (modifiers & kShortcutAlt) text += KeyName("Alt+");
  return text + key;
}

}  // namespace i18n
