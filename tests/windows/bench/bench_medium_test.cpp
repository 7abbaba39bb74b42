// The benchmark's media: what the report says about them must hold, or the
// ratios compare other files than they claim.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "bench/bench_medium.h"
#include "bench/bench_programs.h"
#include "platform/win32/wide_text.h"
#include "testing/windows_support/driver.h"
#include "testing/windows_support/sample_medium.h"

namespace {

constexpr char kMedium[] = "C:\\Bench-Medium";

std::uint64_t SizeOfFile(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(platform::Widen(path).c_str(), GetFileExInfoStandard, &data)) return 0;
  return (std::uint64_t(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

class BenchMedium : public ::testing::Test {
 protected:
  void SetUp() override {
    wintest::MakeSampleMedium(kMedium);
    skeleton = bench::MeasureFolder(kMedium);
    ASSERT_GT(skeleton.files, 0);
  }
  bench::MediumSize skeleton;
};

TEST_F(BenchMedium, ScaledBulkAddsExactlyTheFilesAskedForAndOnlyToPortugueseFolders) {
  for (int files : {7, 250}) {
    std::string medium = std::string(kMedium) + "-" + std::to_string(files);
    wintest::MakeSampleMedium(medium);
    bench::MediumSize added = bench::AddScaledBulk(medium, files, 2048);
    EXPECT_EQ(added.files, files);
    EXPECT_EQ(added.bytes, std::uint64_t(files) * 2048);
    bench::MediumSize whole = bench::MeasureFolder(medium);
    EXPECT_EQ(whole.files, skeleton.files + files);
    EXPECT_EQ(whole.bytes, skeleton.bytes + std::uint64_t(files) * 2048);
    // The Spanish folders keep the skeleton only, so xcopy of the whole medium
    // copies what a Portuguese installation copies.
    for (const char* folder : {"\\demos\\Esp", "\\simbolos\\Esp", "\\programa\\Esp"}) {
      EXPECT_EQ(bench::MeasureFolder(medium + folder).files, bench::MeasureFolder(std::string(kMedium) + folder).files)
          << folder;
    }
  }
}

TEST_F(BenchMedium, RealisticBulkHasTheShapeTheReportNames) {
  bench::MediumSize added = bench::AddRealisticBulk(kMedium);
  EXPECT_GE(added.files, 1900);
  EXPECT_LE(added.files, 2100);
  EXPECT_GE(added.bytes, 250ull << 20);
  EXPECT_LE(added.bytes, 350ull << 20);
  bench::MediumSize whole = bench::MeasureFolder(kMedium);
  EXPECT_EQ(whole.files, skeleton.files + added.files);
  EXPECT_EQ(whole.bytes, skeleton.bytes + added.bytes);
  // Many small symbols, a few large programs.
  EXPECT_GE(bench::MeasureFolder(std::string(kMedium) + "\\simbolos\\Port").files, 500);
  EXPECT_GE(SizeOfFile(std::string(kMedium) + "\\programa\\modulo0001.exe"), 2u << 20);
  EXPECT_LE(SizeOfFile(std::string(kMedium) + "\\programa\\modulo0001.exe"), 8u << 20);
  // Every file starts differently, so no two bulk files are equal.
  EXPECT_NE(wintest::ReadWholeFile(std::string(kMedium) + "\\simbolos\\Port\\simbolo0001.sld").substr(0, 16),
            wintest::ReadWholeFile(std::string(kMedium) + "\\simbolos\\Port\\simbolo0002.sld").substr(0, 16));
}

TEST(BenchPrograms, AHostProgramRunsToItsEndAndGivesItsExitCode) {
  const std::string folder = "C:\\Bench-Host-Test";
  ASSERT_TRUE(wintest::MakeFolders(folder + "\\inner"));
  std::string host = bench::HostPath(folder);
  ASSERT_FALSE(host.empty());
  EXPECT_EQ(bench::RunHostProgram({"/bin/sh", "-c", "sleep 0.3; exit 3"}), 3);
  EXPECT_EQ(bench::RunHostProgram({"/bin/cp", "-r", host + "/inner", host + "/copy"}), 0);
  EXPECT_NE(GetFileAttributesW(platform::Widen(folder + "\\copy").c_str()), INVALID_FILE_ATTRIBUTES)
      << "the copy had ended when the call returned";
  EXPECT_TRUE(bench::RemoveTree(folder));
  EXPECT_EQ(GetFileAttributesW(platform::Widen(folder).c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
