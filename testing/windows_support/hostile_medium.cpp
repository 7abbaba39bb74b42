#include "testing/windows_support/hostile_medium.h"

#include <stdexcept>

#include "platform/win32/wide_text.h"
#include "testing/windows_support/sample_medium.h"

namespace wintest {

namespace {

std::wstring Extended(const std::string& path) { return L"\\\\?\\" + platform::Widen(path); }

constexpr DWORD kProtected = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

// Midday of the first of January of that year, as the last-write time.
bool SetYear(const std::string& path, WORD year) {
  SYSTEMTIME when{year, 1, 0, 1, 12, 0, 0, 0};
  FILETIME time{};
  if (!SystemTimeToFileTime(&when, &time)) return false;
  DWORD attributes = GetFileAttributesW(Extended(path).c_str());
  SetFileAttributesW(Extended(path).c_str(), FILE_ATTRIBUTE_NORMAL);
  HANDLE file = CreateFileW(Extended(path).c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bool set = SetFileTime(file, nullptr, nullptr, &time);
  CloseHandle(file);
  return set && SetFileAttributesW(Extended(path).c_str(), attributes);
}

}  // namespace

const std::vector<HostileFile>& HostileFiles() {
  static const std::vector<HostileFile> files = {
      {"programa\\Port", "C:\\geolume", "Relatório Técnico – Ação.txt", "relatório\r\n"},
      {"demos\\Port", "C:\\geolume\\Demos", "Съёмка участка.cad", "съёмка\r\n"},
      {"demos\\Port", "C:\\geolume\\Demos", "Τοπογραφία.coo", "τοπογραφία\r\n"},
      {"demos\\Port", "C:\\geolume\\Demos", "測量データ.niv", "測量\r\n"},
      // 25 + 254 characters on the medium, 17 + 254 in the target.
      {"demos\\Port", "C:\\geolume\\Demos", std::string(250, 'l') + ".cad", "levantamento longo\r\n"},
      {"demos\\Port", "C:\\geolume\\Demos", "vazio.cad", ""},
      {"programa", "C:\\geolume", "vazio.ini", "", FILE_ATTRIBUTE_READONLY},
      {"programa", "C:\\geolume", "somente leitura.dat", "somente leitura\r\n", FILE_ATTRIBUTE_READONLY},
      {"simbolos\\Port", "C:\\geolume\\Simbolos", "oculto.sld", "oculto\r\n", FILE_ATTRIBUTE_HIDDEN},
      {"simbolos\\Port", "C:\\geolume\\Simbolos", "sistema.sld", "sistema\r\n", kProtected},
      {"relatorios\\Port", "C:\\geolume\\Relatorios", "protegido.rtf", "{\\rtf1 protegido}\r\n", kProtected},
      // The Unix zero time of a medium packed on another system, and a mistyped year.
      {"modelos\\Port", "C:\\geolume\\Modelos", "epoca unix.dwt", "1970\r\n", FILE_ATTRIBUTE_NORMAL, 1970},
      {"modelos\\Port", "C:\\geolume\\Modelos", "futuro.dwt", "2110\r\n", FILE_ATTRIBUTE_NORMAL, 2110},
  };
  return files;
}

std::string MakeHostileMedium(const std::string& folder) {
  std::string installer = MakeSampleMedium(folder);
  for (const HostileFile& file : HostileFiles()) {
    if (!WriteBytes(file.Source(folder), file.bytes, file.attributes) ||
        (file.year != 0 && !SetYear(file.Source(folder), file.year))) {
      throw std::runtime_error("cannot write " + file.Source(folder));
    }
  }
  return installer;
}

const std::vector<std::string>& UserTables() {
  static const std::vector<std::string> tables = {
      "C:\\geolume\\TabelaEquipamentosGeorreferenciamento.tbp",
      "C:\\geolume\\TabelaPessoasGeorreferenciamento.tbp",
      "C:\\geolume\\TabelaProfissionaisGeorreferenciamento.tbp",
      "C:\\geolume\\TabelaVerticesUtilizadosGeorreferenciamento.tbp",
  };
  return tables;
}

bool WriteBytes(const std::string& path, const std::string& bytes, DWORD attributes) {
  SetFileAttributesW(Extended(path).c_str(), FILE_ATTRIBUTE_NORMAL);
  HANDLE file = CreateFileW(Extended(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  bool whole = bytes.empty() ||
               (::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                written == bytes.size());
  CloseHandle(file);
  return whole && SetFileAttributesW(Extended(path).c_str(), attributes);
}

std::string ReadBytes(const std::string& path) {
  HANDLE file = CreateFileW(Extended(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "(unreadable)";
  std::string bytes;
  char buffer[4096];
  DWORD read = 0;
  while (::ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) bytes.append(buffer, read);
  CloseHandle(file);
  return bytes;
}

DWORD Attributes(const std::string& path) { return GetFileAttributesW(Extended(path).c_str()); }

}  // namespace wintest
