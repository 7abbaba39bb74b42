#pragma once
// The process-wide registry of live dictionaries, in creation order.
#include <string>

namespace i18n {

class TIvDictionary;

class TIvDictionaries {
 public:
  static int Count();
  static TIvDictionary* Item(int index);
  // Exact, case-sensitive; the first match.
  static TIvDictionary* Find(const std::string& name);
  // The dictionary at position 0; nullptr when there is none.
  static TIvDictionary* First();
  // An empty DictionaryName is replaced by "Dictionary" and a free number.
  static void Add(TIvDictionary& dictionary);
  static void Remove(TIvDictionary& dictionary);
};

}  // namespace i18n
