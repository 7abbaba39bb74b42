// What Windows reads from each built program's manifest before a line of it
// runs, through the loader's own resource functions. The logon program must
// ask for no elevation: Windows' per-user set-up starts it without the
// elevation step, and refuses (740) a program that requires it. The
// installer, whose copy is the uninstaller, must still require it. Wine
// honours no execution level, so only the manifests can be checked here.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/win32/wide_text.h"
#include "testing/windows_support/driver.h"

namespace {

// The manifest resource (type 24, id 1) of the program, loaded as data.
std::optional<std::string> ManifestOf(const std::string& program) {
  HMODULE module = LoadLibraryExW(platform::Widen(program).c_str(), nullptr,
                                  LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  if (!module) return std::nullopt;
  std::optional<std::string> manifest;
  HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
  HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (bytes) manifest = std::string(static_cast<const char*>(bytes), SizeofResource(module, found));
  FreeLibrary(module);
  return manifest;
}

std::string ExecutionLevel(const std::string& manifest) {
  const std::string tag = "requestedExecutionLevel level=\"";
  const std::size_t at = manifest.find(tag);
  if (at == std::string::npos) return "(none)";
  const std::size_t start = at + tag.size();
  return manifest.substr(start, manifest.find('"', start) - start);
}

constexpr char kCommonControls[] = "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"";

TEST(ProgramManifests, TheLogonProgramRunsAsTheUserWhoLogsOn) {
  const auto manifest = ManifestOf(wintest::BuildFolder() + "\\ConfigurarCAD.exe");
  ASSERT_TRUE(manifest) << "error " << GetLastError();
  EXPECT_EQ(ExecutionLevel(*manifest), "asInvoker");
  EXPECT_NE(manifest->find(kCommonControls), std::string::npos);
  EXPECT_NE(manifest->find("supportedOS"), std::string::npos);
}

TEST(ProgramManifests, TheInstallerAndSoTheUninstallerStillRequireElevation) {
  const auto manifest = ManifestOf(wintest::InstallerPath());
  ASSERT_TRUE(manifest) << "error " << GetLastError();
  EXPECT_EQ(ExecutionLevel(*manifest), "requireAdministrator");
  EXPECT_NE(manifest->find(kCommonControls), std::string::npos);
}

// The installer carries the logon program it writes: the very bytes built.
TEST(ProgramManifests, TheInstallerCarriesTheBuiltLogonProgram) {
  HMODULE module = LoadLibraryExW(platform::Widen(wintest::InstallerPath()).c_str(), nullptr,
                                  LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  ASSERT_NE(module, nullptr);
  HRSRC found = FindResourceW(module, L"CONFIGURARCAD", MAKEINTRESOURCEW(10));
  ASSERT_NE(found, nullptr);
  const auto* bytes = static_cast<const char*>(LockResource(LoadResource(module, found)));
  const std::string carried(bytes, SizeofResource(module, found));
  FreeLibrary(module);
  EXPECT_EQ(carried, wintest::ReadWholeFile(wintest::BuildFolder() + "\\ConfigurarCAD.exe"));
}

}  // namespace
