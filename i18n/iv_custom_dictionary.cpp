#include "i18n/iv_custom_dictionary.h"

#include <algorithm>

#include "i18n/cp1252.h"
#include "i18n/form_stream_error.h"

namespace i18n {

namespace {

// Joins a native text to its context, sorting all contexts of one text together.
constexpr char kContextSeparator = '\x7f';

// Rows are ordered by their stored code page 1252 bytes; a text that has no
// such form matches no row.
std::optional<std::string> StoredBytes(const std::string& utf8) {
  try {
    return Utf8ToCp1252(utf8);
  } catch (const FormStreamError&) {
    return std::nullopt;
  }
}

// std::string compares its bytes as unsigned values.
int Compare(const std::string& a, const std::string& b) { return a.compare(b); }

}  // namespace

void TIvCustomDictionary::NotifyChange(bool language_changed, bool locale_changed) {
  if (language_changed) ReloadTranslations();
  TIvDictionary::NotifyChange(language_changed, locale_changed);
}

void TIvCustomDictionary::Close() {
  TIvDictionary::Close();
  rows_.clear();
}

void TIvCustomDictionary::SetRows(std::vector<TIvTranslation> rows, int context_kind) {
  SetContextKind(context_kind);
  for (TIvTranslation& row : rows) {
    row.NativeKey = Utf8ToCp1252(row.NativeText);
    row.SortKey = row.NativeKey;
    if (context_kind != 0) {
      row.SortKey += kContextSeparator + Utf8ToCp1252(row.ContextClass) +
                     Utf8ToCp1252(row.ContextComponent);
    }
  }
  std::stable_sort(rows.begin(), rows.end(), [](const TIvTranslation& a, const TIvTranslation& b) {
    return a.SortKey < b.SortKey;
  });
  rows_ = std::move(rows);
}

const TIvTranslation* TIvCustomDictionary::Search(
    const std::function<int(const TIvTranslation&)>& compare) const {
  int low = 0;
  int high = int(rows_.size()) - 1;
  while (low <= high) {
    const int middle = (low + high) / 2;
    const int order = compare(rows_[middle]);
    if (order == 0) return &rows_[middle];
    if (order < 0) {
      low = middle + 1;
    } else {
      high = middle - 1;
    }
  }
  return nullptr;
}

std::optional<std::string> TIvCustomDictionary::FindTranslation(const std::string& text) {
  const auto key = StoredBytes(text);
  if (!key) return std::nullopt;
  const TIvTranslation* row = nullptr;
  if (ContextKind() == 0) {
    row = Search([&](const TIvTranslation& candidate) { return Compare(candidate.NativeKey, *key); });
  } else {
    const std::string wanted = *key + kContextSeparator;
    row = Search([&](const TIvTranslation& candidate) {
      return Compare(candidate.NativeKey + kContextSeparator, wanted);
    });
  }
  if (!row) return std::nullopt;
  return row->Translation;
}

std::optional<std::string> TIvCustomDictionary::FindTranslationInContext(
    const std::string& text, const std::string& context_class, const std::string& context_component) {
  if (ContextKind() == 0) return FindTranslation(text);
  const auto native = StoredBytes(text);
  const auto in_class = StoredBytes(context_class);
  const auto in_component = StoredBytes(context_component);
  if (!native || !in_class || !in_component) return std::nullopt;
  const std::string wanted = *native + kContextSeparator + *in_class + *in_component;
  const TIvTranslation* row =
      Search([&](const TIvTranslation& candidate) { return Compare(candidate.SortKey, wanted); });
  if (!row) return std::nullopt;
  return row->Translation;
}

}  // namespace i18n
