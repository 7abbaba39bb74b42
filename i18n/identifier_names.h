#pragma once
// Enumerations and sets as the form description stores them: by the
// identifiers of their values, in declaration order.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "i18n/dictionary_errors.h"

namespace i18n {

template <std::size_t N>
using IdentifierNames = std::array<std::string_view, N>;

// The position of the identifier among the names; EIvError when it is none of them.
template <std::size_t N>
std::size_t IdentifierIndex(const IdentifierNames<N>& names, const std::string& identifier) {
  for (std::size_t i = 0; i < N; ++i) {
    if (names[i] == identifier) return i;
  }
  throw EIvError("Invalid property value " + identifier);
}

// A set whose member i is bit i.
template <std::size_t N>
std::uint32_t SetFromMembers(const IdentifierNames<N>& names, const std::vector<std::string>& members) {
  std::uint32_t set = 0;
  for (const std::string& member : members) set |= 1u << IdentifierIndex(names, member);
  return set;
}

template <std::size_t N>
std::vector<std::string> MembersOfSet(const IdentifierNames<N>& names, std::uint32_t set) {
  std::vector<std::string> members;
  for (std::size_t i = 0; i < N; ++i) {
    if (set & (1u << i)) members.emplace_back(names[i]);
  }
  return members;
}

}  // namespace i18n
