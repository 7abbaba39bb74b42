#pragma once
// The texts the program shows beyond those of its embedded dictionary (whose
// rows are fixed data), each written in Portuguese with its Spanish, kept in
// one table so that every part of the program finds them the same way.
#include <optional>
#include <string>
#include <string_view>

namespace i18n {

class TIvDictionary;

// The Spanish of a Portuguese text or format of the table, for language 2
// (Spanish); nullopt for any other language or a text the table lacks.
std::optional<std::string> SupplementaryTranslation(std::string_view portuguese, int language);

// A runtime text in the dictionary's current language: its own row when it
// has one, else the table's, else the text unchanged.
std::string LookUpText(TIvDictionary& dictionary, const std::string& text);

}  // namespace i18n
