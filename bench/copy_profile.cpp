// Where a copied and an equal file's time goes on the real platform: the
// installation's copy steps over the benchmark's medium, without a window,
// recorded as an installation records them, each file system call (the
// record's own included) timed, against xcopy of the same folders.
//
//   bench_copy.exe [realistic|FILES]
// Prints, for the first copy and for a second one over the finished copy,
// each kind of call: how many per file and the microseconds they took per
// file, in the fastest of three repetitions.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "bench/bench_clock.h"
#include "bench/bench_medium.h"
#include "bench/bench_programs.h"
#include "bench/timed_file_system.h"
#include "install/copy_folder.h"
#include "install/copy_table.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_locale.h"
#include "platform/win32/win32_processes.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_resources.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_system.h"
#include "record/change_record.h"
#include "record/recording_platform.h"

namespace {

constexpr char kMedium[] = "C:\\Profile-CD";
constexpr char kTarget[] = "C:\\Profile-Target";
constexpr int kRepetitions = 3;

class CountedProgress : public install::InstallationProgress {
 public:
  void ShowStatus(const std::string&) override {}
  void ShowCopyCaption() override {}
  void ShowFiles(const std::string&, const std::string&) override { ++files; }
  void SetBarRange(int, int) override {}
  void SetBarPosition(int) override {}
  void KeepAlive() override {}
  void EndOfStep() override {}
  int files = 0;
};

struct Windows {
  platform::Win32Registry registry;
  platform::Win32FileSystem real_files;
  bench::TimedFileSystem files{real_files};
  platform::Win32Shell shell;
  platform::Win32Processes processes;
  platform::Win32System system;
  platform::Win32Locale locale;
  platform::Win32Resources resources;
  platform::Platform platform{registry, files, shell, processes, system, locale, resources};
};

void Fail(const std::string& what) {
  std::fprintf(stderr, "bench_copy: %s\n", what.c_str());
  std::exit(1);
}

struct PassResult {
  int files = 0;
  int copied = 0;
  double seconds = 0;
  std::map<std::string, bench::CallTime> times;
};

// Every step of the table that the medium has, each into a folder of its own.
PassResult Pass(Windows& windows) {
  CountedProgress progress;
  bool restart_needed = false;
  int messages = 0;
  windows.files.Clear();
  record::ChangeRecord change_record(windows.files, std::string(kTarget) + "\\record.txt", "install", "pt");
  record::RecordingFileSystem recorded_files(windows.files, change_record);
  platform::Platform recorded{windows.registry, recorded_files,    windows.shell,    windows.processes,
                              windows.system,   windows.locale, windows.resources};
  const install::InstallationContext context{recorded,
                                             std::string(kMedium) + "\\",
                                             std::string(kTarget) + "\\system",
                                             install::Language::Portuguese,
                                             nullptr,
                                             [&](const install::InstallationMessage&) { ++messages; },
                                             progress,
                                             restart_needed};
  PassResult result;
  double start = bench::NowSeconds();
  int index = 0;
  for (const install::CopyStep& step : install::kCopyTable) {
    std::string source = install::CopyStepSource(step, context.source_folder, context.language);
    std::string target = std::string(kTarget) + "\\" + std::to_string(++index);
    if (!windows.real_files.FolderExists(source)) continue;
    windows.real_files.CreateFolders(target);
    result.copied += install::CopyFolder(context, source, target, step.rule);
  }
  result.seconds = bench::NowSeconds() - start;
  if (messages != 0) Fail(std::to_string(messages) + " error boxes");
  result.files = progress.files;
  result.times = windows.files.Times();
  return result;
}

double TimedXcopy() {
  double start = bench::NowSeconds();
  int code = bench::RunToEnd("C:\\windows\\system32\\xcopy.exe",
                             std::string("xcopy ") + kMedium + " " + kTarget + "\\ /E /I /H /Q /Y");
  double seconds = bench::NowSeconds() - start;
  if (code != 0) Fail("xcopy ended with " + std::to_string(code));
  return seconds;
}

// The fastest repetition: the machine is shared, and others' load only adds.
void Print(const char* name, const std::vector<PassResult>& passes) {
  const PassResult& best = *std::min_element(passes.begin(), passes.end(),
                                             [](const auto& a, const auto& b) { return a.seconds < b.seconds; });
  int files = best.files;
  std::printf("%s: %d files, %d copied; fastest of %zu: %.3f s, %.1f us per file\n", name, files, best.copied,
              passes.size(), best.seconds, best.seconds * 1e6 / files);
  std::printf("  %-14s %10s %14s\n", "call", "per file", "us per file");
  for (const auto& [call, time] : best.times) {
    std::printf("  %-14s %10.2f %14.1f\n", call.c_str(), static_cast<double>(time.calls) / files,
                time.seconds * 1e6 / files);
  }
}

}  // namespace

int main(int argc, char** argv) {
  std::string shape = argc > 1 ? argv[1] : "realistic";
  bench::RemoveTree(kMedium);
  bench::RemoveTree(kTarget);
  bench::MediumSize size = shape == "realistic" ? bench::AddRealisticBulk(kMedium)
                                                : bench::AddScaledBulk(kMedium, std::atoi(shape.c_str()), 4096);
  std::printf("medium: %d files, %.1f MiB\n", size.files, size.bytes / 1048576.0);
  Windows windows;
  std::vector<PassResult> first;
  std::vector<PassResult> again;
  std::vector<double> xcopy;
  for (int r = 0; r < kRepetitions; ++r) {
    first.push_back(Pass(windows));
    again.push_back(Pass(windows));
    bench::RemoveTree(kTarget);
    xcopy.push_back(TimedXcopy());
    bench::RemoveTree(kTarget);
  }
  Print("first copy", first);
  Print("over it again", again);
  double fastest = *std::min_element(xcopy.begin(), xcopy.end());
  std::printf("xcopy: fastest of %zu: %.3f s, %.1f us per file\n", xcopy.size(), fastest, fastest * 1e6 / size.files);
  bench::RemoveTree(kMedium);
  return 0;
}
