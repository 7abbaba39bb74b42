#pragma once
// The line format of the readable sources: fields separated by blanks, texts
// in double quotes with \" and \\ inside, "#" starting a comment line.
#include <stdexcept>
#include <string>
#include <vector>

namespace dictionary_compiler {

struct Field {
  std::string text;
  bool quoted = false;
};

struct SourceLine {
  std::string file;
  int number = 0;
  std::vector<Field> fields;  // never empty
};

class SourceError : public std::runtime_error {
 public:
  SourceError(const SourceLine& line, const std::string& message)
      : std::runtime_error(line.file + ":" + std::to_string(line.number) + ": " + message) {}
  explicit SourceError(const std::string& message) : std::runtime_error(message) {}
};

// The lines of the file that hold fields.
std::vector<SourceLine> ReadSourceLines(const std::string& path);

// Field accessors that name the line in their errors.
const Field& FieldAt(const SourceLine& line, std::size_t index);
std::string TextAt(const SourceLine& line, std::size_t index);  // a quoted text
std::string WordAt(const SourceLine& line, std::size_t index);  // a bare word
int NumberAt(const SourceLine& line, std::size_t index);
bool BooleanAt(const SourceLine& line, std::size_t index);
void ExpectFieldCount(const SourceLine& line, std::size_t count);

}  // namespace dictionary_compiler
