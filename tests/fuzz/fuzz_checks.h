#pragma once
// What the fuzz targets share: a failed property is a finding (it aborts, so
// libFuzzer keeps the input), and the texts the targets cut their input into.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace fuzz {

[[noreturn]] inline void Fail(const char* what, const std::string& detail) {
  std::fprintf(stderr, "property broken: %s\n  [%s]\n", what, detail.c_str());
  std::abort();
}

inline void Require(bool holds, const char* what, const std::string& detail = {}) {
  if (!holds) Fail(what, detail);
}

inline std::string Bytes(const std::uint8_t* data, std::size_t size) {
  return std::string(reinterpret_cast<const char*>(data), size);
}

// The parts of a text between one separator and the next; "a;;b" has three.
inline std::vector<std::string> Split(std::string_view text, char separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find(separator, start);
    parts.emplace_back(text.substr(start, end - start));
    if (end == std::string_view::npos) return parts;
    start = end + 1;
  }
}

inline bool StartsWith(std::string_view text, std::string_view start) {
  return text.substr(0, start.size()) == start;
}

inline bool EndsWith(std::string_view text, std::string_view end) {
  return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

// Well-formed as far as a cut can spoil it: every lead byte is followed by
// exactly the continuation bytes it announces.
inline bool IsWholeUtf8(std::string_view text) {
  std::size_t at = 0;
  while (at < text.size()) {
    const auto lead = static_cast<unsigned char>(text[at]);
    std::size_t length = 0;
    if (lead < 0x80) length = 1;
    else if (lead >= 0xC0 && lead < 0xE0) length = 2;
    else if (lead >= 0xE0 && lead < 0xF0) length = 3;
    else if (lead >= 0xF0 && lead < 0xF8) length = 4;
    if (length == 0 || at + length > text.size()) return false;
    for (std::size_t i = 1; i < length; ++i) {
      if ((static_cast<unsigned char>(text[at + i]) & 0xC0) != 0x80) return false;
    }
    at += length;
  }
  return true;
}

inline std::size_t Utf8Length(std::string_view text) {
  std::size_t count = 0;
  for (char c : text) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return count;
}

}  // namespace fuzz
