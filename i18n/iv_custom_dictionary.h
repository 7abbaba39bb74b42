#pragma once
// A dictionary that holds the rows of its current language, sorted, and
// answers lookups by binary search.
#include <functional>
#include <vector>

#include "i18n/iv_dictionary.h"
#include "i18n/iv_translation.h"

namespace i18n {

class TIvCustomDictionary : public TIvDictionary {
 public:
  using TIvDictionary::TIvDictionary;

  void NotifyChange(bool language_changed, bool locale_changed) override;
  void Close() override;
  std::optional<std::string> FindTranslation(const std::string& text) override;
  std::optional<std::string> FindTranslationInContext(const std::string& text,
                                                      const std::string& context_class,
                                                      const std::string& context_component) override;

  const std::vector<TIvTranslation>& Rows() const { return rows_; }

 protected:
  virtual void ReloadTranslations() = 0;
  // Keys and sorts the rows of the current language.
  void SetRows(std::vector<TIvTranslation> rows, int context_kind);

 private:
  const TIvTranslation* Search(const std::function<int(const TIvTranslation&)>& compare) const;

  std::vector<TIvTranslation> rows_;
};

}  // namespace i18n
