#pragma once
// A translation row: as stored (one text per non-native language) and as
// held in memory for the current language.
#include <string>
#include <vector>

namespace i18n {

struct StoredTranslationRow {
  std::string NativeText;
  std::string ContextClass;
  std::string ContextComponent;
  std::vector<std::string> Texts;  // language 1 first
};

struct TIvTranslation {
  std::string NativeText;
  std::string ContextClass;
  std::string ContextComponent;
  std::string Translation;
  int Origin = 0;  // 0 = the current language's text, 1 = the fallback language's
  // Code page 1252 bytes, as the stored data orders them: the native text,
  // and the native text joined to its context.
  std::string NativeKey;
  std::string SortKey;
};

}  // namespace i18n
