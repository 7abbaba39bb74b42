#include "bench/bench_medium.h"

#include <windows.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>
#include <vector>

#include "platform/win32/wide_text.h"
#include "testing/windows_support/driver.h"

namespace bench {

namespace {

// One kind of file in one step's folder; sizes spread evenly on a log scale.
struct BulkKind {
  const char* folder;  // below the medium
  const char* stem;
  const char* extension;
  int count;
  std::uint32_t min_bytes;
  std::uint32_t max_bytes;
};

constexpr std::uint32_t KiB = 1024;
constexpr std::uint32_t MiB = 1024 * KiB;

constexpr std::array<BulkKind, 13> kShape = {{
    {"programa", "modulo", "exe", 8, 2 * MiB, 8 * MiB},
    {"programa", "biblioteca", "dll", 60, 64 * KiB, 2 * MiB},
    {"programa", "tabela", "tab", 300, 1 * KiB, 64 * KiB},
    {"programa\\Port", "ajuda", "hlp", 120, 4 * KiB, 512 * KiB},
    {"demos\\Port", "demo", "cad", 120, 16 * KiB, 4 * MiB},
    {"formatos\\Port", "formato", "frt", 200, 1 * KiB, 16 * KiB},
    {"perfil_tipo\\Port", "perfil", "tpo", 120, 1 * KiB, 8 * KiB},
    {"simbolos\\Port", "simbolo", "sld", 700, 1 * KiB, 32 * KiB},
    {"relatorios\\Port", "relatorio", "rtf", 100, 4 * KiB, 256 * KiB},
    {"tutorial\\Port", "aula", "pdf", 30, 512 * KiB, 8 * MiB},
    {"modelos\\Port", "modelo", "dwt", 60, 32 * KiB, 2 * MiB},
    {"rbmc", "estacao", "txt", 160, 1 * KiB, 256 * KiB},
    {"programa\\especial", "especial", "ini", 2, 1 * KiB, 4 * KiB},
}};

int ShapeFiles() {
  int total = 0;
  for (const BulkKind& kind : kShape) total += kind.count;
  return total;
}

// Incompressible, repeatable content; each file starts differently.
const std::vector<char>& Content() {
  static const std::vector<char> bytes = [] {
    std::vector<char> buffer(8 * MiB);
    std::uint32_t state = 2463534242u;
    for (char& byte : buffer) {
      state ^= state << 13;
      state ^= state >> 17;
      state ^= state << 5;
      byte = static_cast<char>(state);
    }
    return buffer;
  }();
  return bytes;
}

void WriteBulkFile(const std::string& path, std::uint32_t bytes, int serial) {
  HANDLE file = CreateFileW(platform::Widen(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot write " + path);
  std::string head = "geolume " + std::to_string(serial) + "\r\n";
  DWORD done = 0;
  bool ok = WriteFile(file, head.data(), static_cast<DWORD>(head.size()), &done, nullptr) &&
            WriteFile(file, Content().data(), bytes - static_cast<DWORD>(head.size()), &done, nullptr);
  CloseHandle(file);
  if (!ok) throw std::runtime_error("cannot write " + path);
}

std::uint32_t SizeOf(const BulkKind& kind, int index) {
  if (kind.count == 1) return kind.min_bytes;
  double step = static_cast<double>(index) / (kind.count - 1);
  return static_cast<std::uint32_t>(kind.min_bytes * std::pow(double(kind.max_bytes) / kind.min_bytes, step));
}

MediumSize AddKind(const std::string& medium, const BulkKind& kind, int count, std::uint32_t fixed_bytes) {
  MediumSize added;
  std::string folder = medium + "\\" + kind.folder;
  wintest::MakeFolders(folder);
  for (int i = 0; i < count; ++i) {
    char name[64];
    snprintf(name, sizeof name, "%s%04d.%s", kind.stem, i + 1, kind.extension);
    // Sizes in a shuffled order, so a folder's listing does not sort them.
    std::uint32_t bytes = fixed_bytes ? fixed_bytes : SizeOf(kind, (i * 7919) % count);
    WriteBulkFile(folder + "\\" + name, bytes, i);
    ++added.files;
    added.bytes += bytes;
  }
  return added;
}

}  // namespace

MediumSize AddRealisticBulk(const std::string& medium) {
  MediumSize added;
  for (const BulkKind& kind : kShape) {
    MediumSize part = AddKind(medium, kind, kind.count, 0);
    added.files += part.files;
    added.bytes += part.bytes;
  }
  return added;
}

MediumSize AddScaledBulk(const std::string& medium, int files, std::uint32_t file_bytes) {
  MediumSize added;
  const int shape = ShapeFiles();
  int given = 0;
  for (std::size_t k = 0; k < kShape.size(); ++k) {
    // The last kind takes the rounding, so the total is exact.
    int count = k + 1 == kShape.size() ? std::max(files - given, 0)
                                       : static_cast<int>(std::lround(double(files) * kShape[k].count / shape));
    given += count;
    MediumSize part = AddKind(medium, kShape[k], count, file_bytes);
    added.files += part.files;
    added.bytes += part.bytes;
  }
  return added;
}

MediumSize MeasureFolder(const std::string& folder) {
  MediumSize size;
  WIN32_FIND_DATAW found{};
  HANDLE search = FindFirstFileW(platform::Widen(folder + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return size;
  do {
    std::wstring name = found.cFileName;
    if (name == L"." || name == L"..") continue;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      MediumSize below = MeasureFolder(folder + "\\" + platform::Narrow(name));
      size.files += below.files;
      size.bytes += below.bytes;
    } else {
      ++size.files;
      size.bytes += (std::uint64_t(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
    }
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return size;
}

}  // namespace bench
