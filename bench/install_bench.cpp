// Whole installations by the real Instalar.exe, driven through its window as
// a user would, against the platform's own copy (xcopy) and the host's (cp)
// of the same medium on the same disk; the installer's start-up against
// notepad's; and the cost per file as the medium grows.
//
//   bench_install.exe [all|install|startup|scale|floor|paint [REPETITIONS]]
// One result per line on stdout: <measure> <repetition> <value> (seconds,
// bytes or counts).
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/bench_clock.h"
#include "bench/bench_medium.h"
#include "bench/bench_programs.h"
#include "bench/platform_floor.h"
#include "platform/win32/wide_text.h"
#include "testing/windows_support/driver.h"
#include "testing/windows_support/sample_medium.h"

namespace {

using namespace wintest;

constexpr char kTitle[] = "Instalação do Sistema de Automação Topográfica Geolume";
constexpr char kMedium[] = "C:\\Geolume-CD";
constexpr char kProduct[] = "C:\\geolume";
int repetitions = 3;
constexpr int kStartRepetitions = 5;
constexpr int kRunTimeoutMs = 600000;
const std::vector<int> kScaleFiles = {500, 2000, 8000};
constexpr std::uint32_t kScaleFileBytes = 4096;
// What the run starts and does not wait for: the registering components.
const std::vector<std::string> kComponents = {"geolume.exe", "plotsum.exe", "drafter.exe"};

void Result(const std::string& measure, int repetition, double value) {
  std::printf("%s %d %.6f\n", measure.c_str(), repetition, value);
  std::fflush(stdout);
}

void Fail(const std::string& what) {
  std::fprintf(stderr, "bench_install: %s\n", what.c_str());
  std::exit(1);
}

HWND VisibleListView(HWND window) {
  for (HWND child : Descendants(window)) {
    if (ClassOf(child) == "SysListView32" && IsWindowVisible(child)) return child;
  }
  return nullptr;
}

// Presses the install button and accepts the agreement; the time from the
// acceptance to the CAD panel.
double TimedRun(Process& installer, HWND window) {
  HWND install = FindControl(window, "Instalar Programa", "Button");
  if (!install || !WaitUntil([&] { return IsWindowVisible(install) != 0; })) Fail("no install button");
  Press(install);
  HWND agreement = WaitForWindow(installer.Id(), "CONTRATO DE LICENÇA");
  if (!agreement) Fail("no agreement");
  HWND accept = nullptr;
  for (HWND child : Descendants(agreement)) {
    if (ClassOf(child) == "Button" && TextOf(child).rfind("ACEITO", 0) == 0) accept = child;
  }
  if (!accept) Fail("no accept button");
  double start = bench::NowSeconds();
  Press(accept);
  if (!WaitUntil([&] { return VisibleListView(window) != nullptr; }, kRunTimeoutMs)) Fail("no CAD panel");
  return bench::NowSeconds() - start;
}

double PeakWorkingSet(const Process& process) {
  HANDLE handle = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, process.Id());
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  bool ok = handle && GetProcessMemoryInfo(handle, &counters, sizeof counters);
  if (handle) CloseHandle(handle);
  return ok ? static_cast<double>(counters.PeakWorkingSetSize) : -1;
}

void Forget(const std::string& folder) {
  if (!bench::RemoveTree(folder)) Fail("cannot remove " + folder);
}

struct Installation {
  double first = 0;
  double again = 0;
  double peak_working_set = 0;
};

// Into a product folder that does not exist yet, then (when asked) once more over it.
Installation Install(const std::string& exe, bool again) {
  Forget(kProduct);
  Installation result;
  Process installer = Process::Start(exe);
  HWND window = WaitForWindow(installer.Id(), kTitle);
  if (!window) Fail("no main window");
  Press(WaitForControl(window, "Português", "Button"));
  result.first = TimedRun(installer, window);
  if (!bench::WaitUntilNoneRuns(kComponents, kWindowTimeoutMs)) Fail("components still registering");
  if (again) {
    Press(FindControl(window, "Cancelar", "Button"));
    result.again = TimedRun(installer, window);
  }
  result.peak_working_set = PeakWorkingSet(installer);
  installer.Kill();
  bench::WaitUntilNoneRuns(kComponents, kWindowTimeoutMs);
  return result;
}

// /D copies only files newer than the target's: over a finished copy, the
// platform's own pass that compares every file and copies none.
double TimedXcopy(const std::string& target, bool again = false, const std::string& medium = kMedium) {
  if (!again) Forget(target);
  double start = bench::NowSeconds();
  int code = bench::RunToEnd("C:\\windows\\system32\\xcopy.exe", "xcopy " + medium + " " + target +
                                                                       "\\ /E /I /H /Q /Y" + (again ? " /D" : ""));
  double seconds = bench::NowSeconds() - start;
  if (code != 0) Fail("xcopy ended with " + std::to_string(code));
  return seconds;
}

double TimedHostCopy(const std::string& target) {
  Forget(target);
  std::string from = bench::HostPath(kMedium);
  std::string to = bench::HostPath(target);
  double start = bench::NowSeconds();
  int code = bench::RunHostProgram({"/bin/cp", "-r", from, to});
  double seconds = bench::NowSeconds() - start;
  if (code != 0) Fail("cp ended with " + std::to_string(code));
  return seconds;
}

void CheckSameFiles(const std::string& copy) {
  bench::MediumSize medium = bench::MeasureFolder(kMedium);
  bench::MediumSize copied = bench::MeasureFolder(copy);
  if (medium.files != copied.files || medium.bytes != copied.bytes) Fail(copy + " is not a whole copy");
}

// Over the installed files, which are also the targets a re-run checks.
void MeasureFloor(const std::string& root = kProduct,
                  const std::vector<std::string>& folders = {"", "\\Simbolos", "\\Demos", "\\formatos\\geolume"}) {
  std::vector<std::wstring> files;
  for (const std::string& folder : folders) {
    auto some = bench::FilesOf(platform::Widen(root + folder));
    files.insert(files.end(), some.begin(), some.end());
  }
  Result("floor.files", 0, static_cast<double>(files.size()));
  for (int r = 1; r <= repetitions; ++r) {
    Result("floor.paint_per_file", r, bench::PaintSeconds(files) / files.size());
    Result("floor.one_pass_paint_per_file", r, bench::OnePassPaintSeconds(files) / files.size());
    Result("floor.checks_per_file", r, bench::CheckSeconds(files) / files.size());
    Result("floor.paced_progress_per_file", r, bench::PacedProgressSeconds(files) / files.size());
  }
}

void MeasureInstall() {
  std::string exe = MakeSampleMedium(kMedium);
  bench::MediumSize bulk = bench::AddRealisticBulk(kMedium);
  bench::MediumSize medium = bench::MeasureFolder(kMedium);
  Result("medium.bulk_files", 0, bulk.files);
  Result("medium.files", 0, medium.files);
  Result("medium.bytes", 0, static_cast<double>(medium.bytes));
  for (int r = 1; r <= repetitions; ++r) {
    Installation run = Install(exe, true);
    Result("install", r, run.first);
    Result("rerun", r, run.again);
    Result("peak_working_set.instalar", r, run.peak_working_set);
    Result("installed.files", r, bench::MeasureFolder(kProduct).files);
    Result("xcopy", r, TimedXcopy("C:\\bench-xcopy"));
    CheckSameFiles("C:\\bench-xcopy");
    Result("xcopy_again", r, TimedXcopy("C:\\bench-xcopy", true));
    Forget("C:\\bench-xcopy");
    Result("cp", r, TimedHostCopy("C:\\bench-cp"));
    CheckSameFiles("C:\\bench-cp");
    Forget("C:\\bench-cp");
  }
  MeasureFloor();
  Forget(kProduct);
}

// The first visible top-level window of the process.
HWND VisibleTopWindow(DWORD process_id) {
  std::vector<HWND> windows = VisibleTopWindows(process_id);
  return windows.empty() ? nullptr : windows.front();
}

// From the process's creation to its first visible window, polled finely.
double TimedStart(const std::string& program, double* peak_working_set) {
  double start = bench::NowSeconds();
  Process process = Process::Start(program);
  HWND window = nullptr;
  ULONGLONG end = GetTickCount64() + kWindowTimeoutMs;
  while (!(window = VisibleTopWindow(process.Id())) && GetTickCount64() < end) Sleep(1);
  double seconds = bench::NowSeconds() - start;
  if (!window) Fail("no window of " + program);
  *peak_working_set = PeakWorkingSet(process);
  process.Kill();
  return seconds;
}

void MeasureStartUp() {
  std::string exe = std::string(kMedium) + "\\Instalar.exe";
  if (!FileExists(exe)) exe = MakeSampleMedium(kMedium);
  wchar_t windows[MAX_PATH] = {};
  GetWindowsDirectoryW(windows, MAX_PATH);
  std::string notepad = platform::Narrow(windows) + "\\notepad.exe";
  double peak = 0;
  // One start of each first, so neither pays for loading the disk cache.
  TimedStart(exe, &peak);
  TimedStart(notepad, &peak);
  for (int r = 1; r <= kStartRepetitions; ++r) {
    Result("startup.instalar", r, TimedStart(exe, &peak));
    Result("startup_working_set.instalar", r, peak);
    Result("startup.notepad", r, TimedStart(notepad, &peak));
    Result("startup_working_set.notepad", r, peak);
  }
}

// One installation of 2,000 small files, run by bench/run under a Wine trace
// of every redraw: the installer's thread is named here so that its paints
// can be told from the benchmark's own.
void MeasurePaints() {
  std::string medium = "C:\\Paint-2000";
  std::string exe = MakeSampleMedium(medium);
  bench::AddScaledBulk(medium, 2000, kScaleFileBytes);
  Forget(kProduct);
  Process installer = Process::Start(exe);
  HWND window = WaitForWindow(installer.Id(), kTitle);
  if (!window) Fail("no main window");
  Result("paint.thread", 0, GetWindowThreadProcessId(window, nullptr));
  // The panel holding the file lines and the bar: its updates are the frames.
  // (The bar updates itself too, whenever its position is set.)
  for (HWND child : Descendants(window)) {
    if (ClassOf(child) == "msctls_progress32") {
      Result("paint.panel", 0, static_cast<double>(reinterpret_cast<std::uintptr_t>(GetParent(child))));
    }
  }
  Press(WaitForControl(window, "Português", "Button"));
  Result("paint.install", 1, TimedRun(installer, window));
  installer.Kill();
  bench::WaitUntilNoneRuns(kComponents, kWindowTimeoutMs);
  Forget(kProduct);
  Forget(medium);
}

void MeasureScale() {
  // The skeleton alone gives the cost that does not depend on the files.
  std::vector<int> sizes = {0};
  sizes.insert(sizes.end(), kScaleFiles.begin(), kScaleFiles.end());
  for (int files : sizes) {
    std::string medium = "C:\\Scale-" + std::to_string(files);
    std::string exe = MakeSampleMedium(medium);
    bench::AddScaledBulk(medium, files, kScaleFileBytes);
    for (int r = 1; r <= repetitions; ++r) {
      Result("scale." + std::to_string(files), r, Install(exe, false).first);
      // The platform's copy of the same medium, which meets the same folders.
      Result("scale_xcopy." + std::to_string(files), r, TimedXcopy("C:\\bench-xcopy", false, medium));
      Forget("C:\\bench-xcopy");
    }
    Forget(medium);
  }
}

}  // namespace

int main(int argc, char** argv) {
  std::string part = argc > 1 ? argv[1] : "all";
  if (argc > 2) repetitions = std::max(1, std::atoi(argv[2]));
  try {
    if (part == "all" || part == "install") MeasureInstall();
    if (part == "all" || part == "startup") MeasureStartUp();
    if (part == "all" || part == "scale") MeasureScale();
    if (part == "paint") MeasurePaints();
    // The floor alone, over a medium of small files.
    if (part == "floor") {
      MakeSampleMedium(kMedium);
      bench::AddScaledBulk(kMedium, 2000, kScaleFileBytes);
      MeasureFloor(kMedium, {"\\programa", "\\simbolos\\Port", "\\formatos\\Port", "\\rbmc"});
    }
  } catch (const std::exception& error) {
    Fail(error.what());
  }
  return 0;
}
