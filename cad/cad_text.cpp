#include "cad/cad_text.h"

#include "text/utf8.h"

namespace cad {

std::string CopyCharacters(std::string_view text, std::size_t start, std::size_t count) {
  if (start >= text.size()) return {};
  return std::string(text.substr(start, text::AdvanceCharacters(text, start, count) - start));
}

std::string DropLastCharacters(std::string_view text, std::size_t count) {
  const std::size_t total = text::CharacterCount(text);
  if (total <= count) return {};
  return std::string(text.substr(0, text::AdvanceCharacters(text, 0, total - count)));
}

std::string BeforeBackslash(std::string_view text) {
  return std::string(text.substr(0, text.find('\\')));
}

}  // namespace cad
