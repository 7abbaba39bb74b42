#include "tools/dictionary_compiler/form_description.h"

#include <filesystem>

namespace dictionary_compiler {

namespace {

class DescriptionReader {
 public:
  explicit DescriptionReader(std::string folder) : folder_(std::move(folder)) {}

  void Read(const SourceLine& line) {
    const std::string keyword = WordAt(line, 0);
    if (keyword == "form") return StartForm(line);
    if (keyword == "component") return StartComponent(line);
    if (keyword == "property") return AddProperty(line);
    if (keyword == "dictionary-data") return AddDictionaryData(line);
    if (keyword == "target") return AddTarget(line);
    throw SourceError(line, "unknown line kind '" + keyword + "'");
  }

  std::vector<FormDescription> Forms() { return std::move(forms_); }

 private:
  void StartForm(const SourceLine& line) {
    ExpectFieldCount(line, 3);
    forms_.push_back({WordAt(line, 1), WordAt(line, 2), {}});
  }

  void StartComponent(const SourceLine& line) {
    ExpectFieldCount(line, 3);
    if (forms_.empty()) throw SourceError(line, "a component must belong to a form");
    forms_.back().components.push_back({WordAt(line, 1), WordAt(line, 2), {}, {}, {}});
  }

  ComponentDescription& CurrentComponent(const SourceLine& line) {
    if (forms_.empty() || forms_.back().components.empty()) {
      throw SourceError(line, "this line must follow a component");
    }
    return forms_.back().components.back();
  }

  void AddProperty(const SourceLine& line) {
    ExpectFieldCount(line, 3);
    CurrentComponent(line).properties.push_back({WordAt(line, 1), FieldAt(line, 2)});
  }

  void AddDictionaryData(const SourceLine& line) {
    ExpectFieldCount(line, 2);
    ComponentDescription& component = CurrentComponent(line);
    if (component.dictionary_data) throw SourceError(line, "the component has its data already");
    const std::string path = (std::filesystem::path(folder_) / WordAt(line, 1)).string();
    component.dictionary_data = ReadDictionarySource(path);
  }

  void AddTarget(const SourceLine& line) {
    ExpectFieldCount(line, 4);
    const int excluded = NumberAt(line, 3);
    if (excluded != 0 && excluded != 1) throw SourceError(line, "a target is included (0) or excluded (1)");
    CurrentComponent(line).targets.push_back({TextAt(line, 1), TextAt(line, 2), excluded});
  }

  std::string folder_;
  std::vector<FormDescription> forms_;
};

}  // namespace

std::vector<FormDescription> ReadFormDescriptions(const std::string& path) {
  DescriptionReader reader(std::filesystem::path(path).parent_path().string());
  for (const SourceLine& line : ReadSourceLines(path)) reader.Read(line);
  return reader.Forms();
}

}  // namespace dictionary_compiler
