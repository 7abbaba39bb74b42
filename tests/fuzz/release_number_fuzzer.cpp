// ReleaseNumber on arbitrary key paths, against strtod in the C locale on
// the text that follows the first "\R": a number only where that text,
// before a backslash within 10 characters, is plain decimal; never NaN or
// infinite; "." the separator whatever the locale.
//
// fuzz-sources: cad/release_number.cpp cad/cad_text.cpp text/*.cpp
#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <regex>
#include <string>

#include "cad/release_number.h"
#include "tests/fuzz/fuzz_checks.h"

namespace {

using fuzz::Require;

// Up to `count` characters from `start`, counted on lead bytes.
std::string Characters(const std::string& text, std::size_t start, std::size_t count) {
  std::size_t end = start;
  while (end < text.size() && count > 0) {
    ++end;
    while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
    --count;
  }
  return text.substr(start, end - start);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // A comma locale, where there is one, must not change what is read.
  if (!std::setlocale(LC_NUMERIC, "pt_BR.UTF-8")) std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string path = fuzz::Bytes(data, size);
  const double release = cad::ReleaseNumber(path);
  Require(std::isfinite(release), "release number not finite", path);
  const std::size_t marker = path.find("\\R");
  if (marker == std::string::npos) {
    Require(release == 0, "release number without \"\\R\"", path);
    return 0;
  }
  const std::string following = Characters(path, marker + 2, 10);
  const std::size_t end = following.find('\\');
  if (end == std::string::npos) {
    Require(release == 0, "release number without a backslash after it", path);
    return 0;
  }
  const std::string text = following.substr(0, end);
  static const std::regex decimal(" *[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eE][+-]?[0-9]+)? *");
  if (!std::regex_match(text, decimal)) {
    Require(release == 0, "release number from text that is no number", path);
    return 0;
  }
  std::string c_text = text;
  const std::lconv* conventions = std::localeconv();
  const std::size_t point = c_text.find('.');
  if (point != std::string::npos) c_text.replace(point, 1, conventions->decimal_point);
  errno = 0;
  const double expected = std::strtod(c_text.c_str(), nullptr);
  if (errno == ERANGE) {
    Require(release == 0 || release == expected, "out-of-range release number", path);
  } else {
    Require(release == expected, "release number differs from the decimal text", path);
  }
  return 0;
}
