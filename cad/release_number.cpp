#include "cad/release_number.h"

#include <charconv>
#include <optional>
#include <string_view>

#include "cad/cad_text.h"
#include "text/trim.h"

namespace cad {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t SkipDigits(std::string_view text, std::size_t at) {
  while (at < text.size() && IsDigit(text[at])) ++at;
  return at;
}

// Decimal text such as "19.1", "+24", "-2" or "1e3", with spaces around it
// allowed; nothing else (no "inf", no hexadecimal, no comma).
std::optional<double> ParseDecimal(std::string_view text) {
  text = text::Trim(text, text::kSpace);
  if (text.empty()) return std::nullopt;
  const std::size_t at = (text.front() == '+' || text.front() == '-') ? 1 : 0;
  const std::size_t integer_end = SkipDigits(text, at);
  std::size_t end = integer_end;
  if (end < text.size() && text[end] == '.') end = SkipDigits(text, end + 1);
  if (end == at || (end == integer_end + 1 && integer_end == at)) return std::nullopt;
  if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
    std::size_t exponent = end + 1;
    if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) ++exponent;
    const std::size_t exponent_end = SkipDigits(text, exponent);
    if (exponent_end == exponent) return std::nullopt;
    end = exponent_end;
  }
  if (end != text.size()) return std::nullopt;
  if (text.front() == '+') text.remove_prefix(1);  // from_chars takes no plus sign
  double value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace

double ReleaseNumber(const std::string& key_path) {
  const std::size_t release = key_path.find("\\R");
  if (release == std::string::npos) return 0;
  const std::string following = CopyCharacters(key_path, release + 2, 10);
  const std::size_t end = following.find('\\');
  if (end == std::string::npos) return 0;
  return ParseDecimal(std::string_view(following).substr(0, end)).value_or(0);
}

}  // namespace cad
