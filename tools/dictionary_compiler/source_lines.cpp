#include "tools/dictionary_compiler/source_lines.h"

#include <charconv>
#include <fstream>

namespace dictionary_compiler {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

Field QuotedField(const std::string& text, std::size_t& i, const SourceLine& line) {
  Field field{"", true};
  for (++i; i < text.size(); ++i) {
    if (text[i] == '"') {
      ++i;
      return field;
    }
    if (text[i] == '\\') {
      if (++i == text.size()) break;
      if (text[i] != '"' && text[i] != '\\') throw SourceError(line, "unknown escape \\" + std::string(1, text[i]));
    }
    field.text += text[i];
  }
  throw SourceError(line, "a text is not closed with a double quote");
}

Field BareField(const std::string& text, std::size_t& i) {
  Field field;
  while (i < text.size() && !IsBlank(text[i])) field.text += text[i++];
  return field;
}

std::vector<Field> SplitFields(const std::string& text, const SourceLine& line) {
  std::vector<Field> fields;
  std::size_t i = 0;
  while (true) {
    while (i < text.size() && IsBlank(text[i])) ++i;
    if (i == text.size()) return fields;
    fields.push_back(text[i] == '"' ? QuotedField(text, i, line) : BareField(text, i));
    if (i < text.size() && !IsBlank(text[i])) throw SourceError(line, "fields must be separated by blanks");
  }
}

}  // namespace

std::vector<SourceLine> ReadSourceLines(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw SourceError("cannot read " + path);
  std::vector<SourceLine> lines;
  std::string text;
  for (int number = 1; std::getline(file, text); ++number) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos || text[first] == '#') continue;
    SourceLine line{path, number, {}};
    line.fields = SplitFields(text, line);
    lines.push_back(std::move(line));
  }
  return lines;
}

const Field& FieldAt(const SourceLine& line, std::size_t index) {
  if (index >= line.fields.size()) throw SourceError(line, "field " + std::to_string(index + 1) + " is missing");
  return line.fields[index];
}

std::string TextAt(const SourceLine& line, std::size_t index) {
  const Field& field = FieldAt(line, index);
  if (!field.quoted) throw SourceError(line, "field " + std::to_string(index + 1) + " must be a quoted text");
  return field.text;
}

std::string WordAt(const SourceLine& line, std::size_t index) {
  const Field& field = FieldAt(line, index);
  if (field.quoted) throw SourceError(line, "field " + std::to_string(index + 1) + " must be a bare word");
  return field.text;
}

int NumberAt(const SourceLine& line, std::size_t index) {
  const std::string word = WordAt(line, index);
  int value = 0;
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (error != std::errc() || end != word.data() + word.size()) {
    throw SourceError(line, "'" + word + "' is not a number");
  }
  return value;
}

bool BooleanAt(const SourceLine& line, std::size_t index) {
  const std::string word = WordAt(line, index);
  if (word == "true") return true;
  if (word == "false") return false;
  throw SourceError(line, "'" + word + "' is neither true nor false");
}

void ExpectFieldCount(const SourceLine& line, std::size_t count) {
  if (line.fields.size() != count) {
    throw SourceError(line, "expected " + std::to_string(count) + " fields, found " +
                                std::to_string(line.fields.size()));
  }
}

}  // namespace dictionary_compiler
