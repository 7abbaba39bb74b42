#include "tools/dictionary_compiler/dictionary_source.h"

#include "tools/dictionary_compiler/source_lines.h"

namespace dictionary_compiler {

namespace {

i18n::TIvLanguage LanguageOf(const SourceLine& line) {
  ExpectFieldCount(line, 12);
  i18n::TIvLanguage language;
  language.LanguageId = NumberAt(line, 1);
  language.SubLanguages = i18n::ParseSubLanguages(TextAt(line, 2));
  language.DefaultSubLanguage = NumberAt(line, 3);
  language.Charset = NumberAt(line, 4);
  language.CodePage = NumberAt(line, 5);
  language.EnglishName = TextAt(line, 6);
  language.NativeName = TextAt(line, 7);
  language.FontName = TextAt(line, 8);
  language.FontSize = NumberAt(line, 9);
  language.FirstFlag = BooleanAt(line, 10);
  language.IsNative = BooleanAt(line, 11);
  return language;
}

// A row has the native text, its context and one text per language: the
// native column is the native text itself and is not repeated.
i18n::StoredTranslationRow RowOf(const SourceLine& line, std::size_t language_count) {
  if (language_count == 0) throw SourceError(line, "rows must follow the languages");
  ExpectFieldCount(line, 3 + language_count);
  i18n::StoredTranslationRow row;
  row.NativeText = TextAt(line, 1);
  row.ContextClass = TextAt(line, 2);
  row.ContextComponent = TextAt(line, 3);
  for (std::size_t i = 1; i < language_count; ++i) row.Texts.push_back(TextAt(line, 3 + i));
  return row;
}

}  // namespace

DictionarySource ReadDictionarySource(const std::string& path) {
  DictionarySource source;
  for (const SourceLine& line : ReadSourceLines(path)) {
    const std::string keyword = WordAt(line, 0);
    if (keyword == "context-kind") {
      ExpectFieldCount(line, 2);
      source.context_kind = NumberAt(line, 1);
      if (source.context_kind < 0 || source.context_kind > 3) throw SourceError(line, "context kinds are 0 to 3");
    } else if (keyword == "language") {
      if (!source.rows.empty()) throw SourceError(line, "languages must come before the rows");
      source.languages.push_back(LanguageOf(line));
    } else if (keyword == "row") {
      source.rows.push_back(RowOf(line, source.languages.size()));
    } else {
      throw SourceError(line, "unknown line kind '" + keyword + "'");
    }
  }
  return source;
}

}  // namespace dictionary_compiler
