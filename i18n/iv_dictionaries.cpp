#include "i18n/iv_dictionaries.h"

#include <algorithm>
#include <vector>

#include "i18n/engine_state.h"
#include "i18n/iv_dictionary.h"

namespace i18n {

namespace {

std::vector<TIvDictionary*>& Registered() { return Engine().dictionaries; }

}  // namespace

int TIvDictionaries::Count() { return int(Registered().size()); }

TIvDictionary* TIvDictionaries::Item(int index) {
  if (index < 0 || index >= Count()) return nullptr;
  return Registered()[index];
}

TIvDictionary* TIvDictionaries::Find(const std::string& name) {
  for (TIvDictionary* dictionary : Registered()) {
    if (dictionary->DictionaryName() == name) return dictionary;
  }
  return nullptr;
}

TIvDictionary* TIvDictionaries::First() { return Item(0); }

void TIvDictionaries::Add(TIvDictionary& dictionary) {
  if (dictionary.DictionaryName().empty()) {
    int number = Count();
    do {
      ++number;
    } while (Find("Dictionary" + std::to_string(number)));
    dictionary.SetDictionaryName("Dictionary" + std::to_string(number));
  }
  Registered().push_back(&dictionary);
}

void TIvDictionaries::Remove(TIvDictionary& dictionary) {
  auto& dictionaries = Registered();
  dictionaries.erase(std::remove(dictionaries.begin(), dictionaries.end(), &dictionary),
                     dictionaries.end());
}

}  // namespace i18n
