#pragma once
// The errors the translation engine raises, by kind.
#include <stdexcept>
#include <string>

namespace i18n {

// A general error of the engine, such as stored data of an unknown version.
class EIvError : public std::runtime_error {
 public:
  explicit EIvError(const std::string& message) : std::runtime_error(message) {}
};

// What the engine cannot do on this system or with these settings.
class EIvMulti : public std::runtime_error {
 public:
  explicit EIvMulti(const std::string& message) : std::runtime_error(message) {}
};

// An index outside the range of what it indexes.
class EIvRangeError : public std::runtime_error {
 public:
  explicit EIvRangeError(const std::string& message) : std::runtime_error(message) {}
};

// Stored data that is not where it should be.
class EIvResourceNotFound : public std::runtime_error {
 public:
  explicit EIvResourceNotFound(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace i18n
