// Compiles the readable form descriptions and dictionary data into the
// binary form streams that the program embeds as RCDATA resources:
//
//   dictionary_compiler <source folder> <output folder>
//
// reads <source folder>/forms.txt and writes <output folder>/<form class>.bin.
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "tools/dictionary_compiler/form_description.h"
#include "tools/dictionary_compiler/form_stream_output.h"

namespace {

void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), std::streamsize(bytes.size()));
  if (!file) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: dictionary_compiler <source folder> <output folder>\n";
    return 2;
  }
  try {
    const std::filesystem::path sources = argv[1];
    const std::filesystem::path output = argv[2];
    std::filesystem::create_directories(output);
    for (const auto& form : dictionary_compiler::ReadFormDescriptions((sources / "forms.txt").string())) {
      WriteFile(output / (form.class_name + ".bin"), dictionary_compiler::FormStreamOf(form));
    }
    return 0;
  } catch (const std::exception& error) {
    std::cerr << "dictionary_compiler: " << error.what() << "\n";
    return 1;
  }
}
