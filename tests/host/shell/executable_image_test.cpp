// The built Instalar.exe itself: what Windows reads from its headers before a
// line of it runs. Its imports must all be DLLs that Windows always takes from
// the system folder (KnownDLLs), or a DLL planted beside it on the medium would
// be loaded; and its manifest must ask for administrator rights, or Windows
// would start it without the rights to write the system folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <fstream>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr char kProduct[] = GEOLUME_SOURCE_DIR "/build/win32/Instalar.exe";
// What Windows' per-user set-up runs as each user at logon: the same checks,
// but its manifest must ask for no elevation, which that set-up cannot give.
constexpr char kLogonProgram[] = GEOLUME_SOURCE_DIR "/build/win32/ConfigurarCAD.exe";

constexpr std::uint16_t kMachineI386 = 0x14c;
constexpr std::uint16_t kSubsystemGui = 2;
constexpr std::uint32_t kImportDirectory = 1;
constexpr std::uint32_t kResourceDirectory = 2;
constexpr std::uint32_t kDelayImportDirectory = 13;
constexpr std::uint32_t kManifestType = 24;

// A PE image read from disk, with addresses translated through its sections.
class PeImage {
 public:
  explicit PeImage(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) throw std::runtime_error("cannot read " + path + "; build the win32 preset first (./test does)");
    file.seekg(0, std::ios::end);
    bytes_.resize(static_cast<std::size_t>(file.tellg()));
    file.seekg(0);
    file.read(bytes_.data(), static_cast<std::streamsize>(bytes_.size()));
    std::uint32_t pe = U32(0x3c);
    if (U16(0) != 0x5a4d || U32(pe) != 0x4550) throw std::runtime_error("not a PE image");
    machine_ = U16(pe + 4);
    std::uint16_t sections = U16(pe + 6);
    std::uint16_t optional_size = U16(pe + 20);
    std::size_t optional = pe + 24;
    bool pe32_plus = U16(optional) == 0x20b;
    subsystem_ = U16(optional + 68);
    std::size_t directories = optional + (pe32_plus ? 112 : 96);
    directory_count_ = U32(directories - 4);
    directories_ = directories;
    for (std::size_t s = optional + optional_size, i = 0; i < sections; ++i, s += 40) {
      sections_.push_back({U32(s + 12), std::max(U32(s + 8), U32(s + 16)), U32(s + 20)});
    }
  }

  std::uint16_t Machine() const { return machine_; }
  std::uint16_t Subsystem() const { return subsystem_; }

  // RVA and size of a data directory; zero when absent.
  std::pair<std::uint32_t, std::uint32_t> Directory(std::uint32_t index) const {
    if (index >= directory_count_) return {0, 0};
    return {U32(directories_ + index * 8), U32(directories_ + index * 8 + 4)};
  }

  std::vector<std::string> ImportedDlls() const {
    std::vector<std::string> names;
    auto [rva, size] = Directory(kImportDirectory);
    if (rva == 0) return names;
    for (std::size_t entry = Offset(rva);; entry += 20) {
      std::uint32_t name = U32(entry + 12);
      if (name == 0) break;
      names.push_back(Text(Offset(name)));
    }
    return names;
  }

  // The first manifest resource's bytes, if there is one.
  std::optional<std::string> Manifest() const {
    auto [rva, size] = Directory(kResourceDirectory);
    if (rva == 0) return std::nullopt;
    std::size_t root = Offset(rva);
    auto type = Child(root, root, kManifestType);
    if (!type) return std::nullopt;
    // Below the type: the first name's directory of languages, whose first
    // entry is the data.
    std::size_t names = *type;
    if (U16(names + 12) + U16(names + 14) == 0) return std::nullopt;
    std::uint32_t languages = U32(names + 16 + 4);
    if ((languages & 0x80000000u) == 0) return std::nullopt;
    std::size_t entry = root + (languages & 0x7fffffffu);
    if (U16(entry + 12) + U16(entry + 14) == 0) return std::nullopt;
    std::uint32_t leaf = U32(entry + 16 + 4);
    if (leaf & 0x80000000u) return std::nullopt;
    std::size_t data = root + leaf;
    std::size_t at = Offset(U32(data));
    std::uint32_t length = U32(data + 4);
    Require(at, length);
    return std::string(bytes_.begin() + at, bytes_.begin() + at + length);
  }

 private:
  struct Section {
    std::uint32_t address, size, raw;
  };

  // The subdirectory of a resource directory entry with that numeric id.
  std::optional<std::size_t> Child(std::size_t root, std::size_t directory, std::uint32_t id) const {
    std::size_t count = U16(directory + 12) + U16(directory + 14);
    for (std::size_t i = 0; i < count; ++i) {
      std::size_t entry = directory + 16 + i * 8;
      std::uint32_t name = U32(entry);
      std::uint32_t target = U32(entry + 4);
      if (name == id && (target & 0x80000000u)) return root + (target & 0x7fffffffu);
    }
    return std::nullopt;
  }

  std::size_t Offset(std::uint32_t rva) const {
    for (const Section& s : sections_) {
      if (rva >= s.address && rva < s.address + s.size) return rva - s.address + s.raw;
    }
    throw std::runtime_error("address outside every section");
  }

  void Require(std::size_t at, std::size_t length) const {
    if (at > bytes_.size() || length > bytes_.size() - at) throw std::runtime_error("truncated image");
  }

  std::uint16_t U16(std::size_t at) const {
    Require(at, 2);
    return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes_[at]) |
                                      static_cast<unsigned char>(bytes_[at + 1]) << 8);
  }

  std::uint32_t U32(std::size_t at) const { return U16(at) | static_cast<std::uint32_t>(U16(at + 2)) << 16; }

  std::string Text(std::size_t at) const {
    std::string text;
    for (; at < bytes_.size() && bytes_[at] != '\0'; ++at) text += bytes_[at];
    return text;
  }

  std::vector<char> bytes_;
  std::vector<Section> sections_;
  std::uint16_t machine_ = 0;
  std::uint16_t subsystem_ = 0;
  std::uint32_t directory_count_ = 0;
  std::size_t directories_ = 0;
};

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

// The value of an attribute of the first element with that name.
std::string AttributeOf(const std::string& xml, const std::string& element, const std::string& attribute) {
  std::size_t start = xml.find("<" + element);
  if (start == std::string::npos) return {};
  std::size_t end = xml.find('>', start);
  std::string tag = xml.substr(start, end - start);
  std::size_t at = tag.find(" " + attribute + "=");
  if (at == std::string::npos) return {};
  at += attribute.size() + 2;
  char quote = tag[at];
  std::size_t close = tag.find(quote, at + 1);
  return tag.substr(at + 1, close - at - 1);
}

class ExecutableImage : public ::testing::Test {
 protected:
  virtual const char* Path() const { return kProduct; }

  void SetUp() override {
    try {
      image_.emplace(Path());
    } catch (const std::exception& error) {
      FAIL() << error.what();
    }
  }
  std::optional<PeImage> image_;
};

TEST_F(ExecutableImage, IsA32BitWindowsGuiProgram) {
  EXPECT_EQ(image_->Machine(), kMachineI386);
  EXPECT_EQ(image_->Subsystem(), kSubsystemGui);
}

// Windows' KnownDLLs that the program may need; anything else would be
// searched for in the program's folder first.
void ExpectOnlyKnownDlls(const PeImage& image) {
  const std::set<std::string> known = {"advapi32.dll", "comdlg32.dll", "gdi32.dll",  "imm32.dll",
                                       "kernel32.dll", "msvcrt.dll",   "ole32.dll",  "oleaut32.dll",
                                       "shell32.dll",  "shlwapi.dll",  "user32.dll"};
  std::vector<std::string> imports = image.ImportedDlls();
  ASSERT_FALSE(imports.empty());
  for (const std::string& dll : imports) EXPECT_TRUE(known.count(Lower(dll))) << dll;
  // Delay-loaded imports are resolved with the ordinary search order.
  EXPECT_EQ(image.Directory(kDelayImportDirectory).first, 0u);
}

TEST_F(ExecutableImage, ImportsOnlyDllsWindowsTakesFromTheSystemFolder) { ExpectOnlyKnownDlls(*image_); }

TEST_F(ExecutableImage, ManifestRequiresAdministratorRights) {
  std::optional<std::string> manifest = image_->Manifest();
  ASSERT_TRUE(manifest);
  EXPECT_EQ(AttributeOf(*manifest, "requestedExecutionLevel", "level"), "requireAdministrator");
  EXPECT_EQ(AttributeOf(*manifest, "requestedExecutionLevel", "uiAccess"), "false");
  EXPECT_NE(manifest->find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""),
            std::string::npos);
}

class LogonProgramImage : public ExecutableImage {
 protected:
  const char* Path() const override { return kLogonProgram; }
};

TEST_F(LogonProgramImage, IsA32BitWindowsProgramImportingOnlyKnownDlls) {
  EXPECT_EQ(image_->Machine(), kMachineI386);
  EXPECT_EQ(image_->Subsystem(), kSubsystemGui);
  ExpectOnlyKnownDlls(*image_);
}

TEST_F(LogonProgramImage, ManifestAsksForNoElevation) {
  std::optional<std::string> manifest = image_->Manifest();
  ASSERT_TRUE(manifest);
  EXPECT_EQ(AttributeOf(*manifest, "requestedExecutionLevel", "level"), "asInvoker");
  EXPECT_NE(manifest->find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""),
            std::string::npos);
}

}  // namespace
