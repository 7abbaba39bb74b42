// Discovery and configuration of the CAD profiles, in-process on the real
// Win32 registry, file system and process list, over a user with 10 CAD
// hosts of 20 profiles each; against a plain enumeration of the same keys
// by the platform's `reg query /s`.
//
//   bench_cad.exe     one result per line: <measure> <repetition> <value>
#include <windows.h>
#undef CopyFile
#undef DeleteFile

#include <cstdio>
#include <string>
#include <vector>

#include "bench/bench_clock.h"
#include "bench/bench_programs.h"
#include "cad/profile_configuration.h"
#include "cad/profile_display_text.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_processes.h"
#include "platform/win32/win32_registry.h"
#include "tests/windows/cad/seeded_cad_machine.h"

namespace {

constexpr int kRepetitions = 5;
constexpr int kProfilesPerHost = 20;

struct Host {
  const char* vendor_key;  // below HKEY_CURRENT_USER\Software
  const char* profiles;    // the key holding the host's profiles, below the vendor key
  cad::CadHost kind;
};

constexpr Host kHosts[] = {
    {"Autodesk", "AutoCAD\\R18.2\\ACAD-A001:416\\Profiles", cad::CadHost::AutoCad},
    {"Autodesk", "AutoCAD\\R19.1\\ACAD-D001:416\\Profiles", cad::CadHost::AutoCad},
    {"Autodesk", "AutoCAD\\R20.1\\ACAD-F001:416\\Profiles", cad::CadHost::AutoCad},
    {"Autodesk", "AutoCAD\\R22.0\\ACAD-1001:416\\Profiles", cad::CadHost::AutoCad},
    {"Autodesk", "AutoCAD\\R23.1\\ACAD-3001:416\\Profiles", cad::CadHost::AutoCad},
    {"Autodesk", "AutoCAD\\R24.0\\ACAD-4101:416\\Profiles", cad::CadHost::AutoCad},
    {"Autodesk", "AutoCAD\\R24.1\\ACAD-5101:416\\Profiles", cad::CadHost::AutoCad},
    {"Bricsys", "BricsCAD\\V22x64\\pt_BR\\Profiles", cad::CadHost::BricsCad},
    {"Bricsys", "BricsCAD\\V23x64\\pt_BR\\Profiles", cad::CadHost::BricsCad},
    {"Gstarsoft", "GstarCAD\\R23\\pt-BR\\Profiles", cad::CadHost::GstarCad},
};
constexpr const char* kVendors[] = {"Autodesk", "Bricsys", "Gstarsoft"};

void Result(const std::string& measure, int repetition, double value) {
  std::printf("%s %d %.6f\n", measure.c_str(), repetition, value);
  std::fflush(stdout);
}

void SeedProfile(cad_machine::Seeder& seed, const Host& host, int index) {
  const std::string name = "Perfil " + std::to_string(index);
  const std::string profile = std::string("\\Software\\") + host.vendor_key + "\\" + host.profiles + "\\" + name;
  const std::string support = "C:\\Suporte\\" + std::string(host.vendor_key) + "\\" + std::to_string(index);
  switch (host.kind) {
    case cad::CadHost::AutoCad:
      seed.Number(profile + "\\Editor Configuration", "CmdVisLines", 3);
      seed.Text(profile + "\\General", "ACAD", "C:\\Program Files\\Autodesk\\support;" + support);
      seed.Text(profile + "\\Variables", "TRUSTEDPATHS", "C:\\Program Files\\Autodesk\\ApplicationPlugins\\...");
      return;
    case cad::CadHost::BricsCad:
      seed.Text(profile + "\\Config", "SRCHPATH", "C:\\Program Files\\Bricsys\\Support;" + support);
      seed.Number(profile + "\\Config", "ACADLSPASDOC", 0);
      return;
    case cad::CadHost::GstarCad:
      seed.Key(profile + "\\Editor Configuration");
      seed.Text(profile + "\\General", "GCAD", "C:\\Program Files\\Gstarsoft\\Support;" + support);
      seed.Text(profile + "\\Dialogs\\Appload\\Startup", "NumStartup", "1");
      seed.Text(profile + "\\Dialogs\\Appload\\Startup", "1Startup", support + "\\cotas.vlx");
      return;
  }
}

// Every host's profiles afresh, each with a foreign startup file on its path.
void SeedMachine(platform::Win32Registry& registry, platform::Win32FileSystem& files) {
  for (const char* vendor : kVendors) {
    RegDeleteTreeW(HKEY_CURRENT_USER, (std::wstring(L"Software\\") + std::wstring(vendor, vendor + strlen(vendor))).c_str());
  }
  cad_machine::Seeder seed(registry, files);
  for (const Host& host : kHosts) {
    for (int index = 1; index <= kProfilesPerHost; ++index) SeedProfile(seed, host, index);
  }
  for (int index = 1; index <= kProfilesPerHost; ++index) {
    seed.File("C:\\Suporte\\Autodesk\\" + std::to_string(index) + "\\acad.lsp", cad_machine::kForeignStartup);
  }
  files.CreateFolders("C:\\geolume");
}

double TimedConfiguration(platform::Win32Registry& registry, platform::Win32FileSystem& files,
                          platform::Win32Processes& processes, std::size_t* configured) {
  int messages = 0;
  const cad::CadConfigurationContext context{
      registry, files, processes, [&](const std::string&) { ++messages; }, [](const std::string&) {}, {}};
  double start = bench::NowSeconds();
  std::vector<cad::CadListLine> lines;
  for (const auto& profile : cad::ListedCadProfiles(registry)) lines.push_back({profile.displayText, true});
  const auto outcome = cad::ConfigureCadProfiles(context, lines);
  double seconds = bench::NowSeconds() - start;
  if (outcome != cad::ConfigurationOutcome::Configured || messages != 0) {
    std::fprintf(stderr, "bench_cad: the configuration did not complete\n");
    std::exit(1);
  }
  *configured = lines.size();
  return seconds;
}

double TimedRegQuery() {
  double start = bench::NowSeconds();
  for (const char* vendor : kVendors) {
    int code = bench::RunToEnd("C:\\windows\\system32\\reg.exe",
                               std::string("reg query HKCU\\Software\\") + vendor + " /s");
    if (code != 0) {
      std::fprintf(stderr, "bench_cad: reg query ended with %d\n", code);
      std::exit(1);
    }
  }
  return bench::NowSeconds() - start;
}

// reg.exe's own start and end, with next to nothing to list: the floor of a
// reg query.
double TimedEmptyRegQuery() {
  double start = bench::NowSeconds();
  for (int i = 0; i < 3; ++i) bench::RunToEnd("C:\\windows\\system32\\reg.exe", "reg query HKCU\\Environment");
  return bench::NowSeconds() - start;
}

}  // namespace

int main() {
  platform::Win32Registry registry;
  platform::Win32FileSystem files;
  platform::Win32Processes processes;
  try {
    for (int r = 0; r <= kRepetitions; ++r) {
      SeedMachine(registry, files);
      std::size_t configured = 0;
      // Repetition 0 warms the caches and is not reported.
      double cad = TimedConfiguration(registry, files, processes, &configured);
      double reg = TimedRegQuery();
      double floor = TimedEmptyRegQuery();
      if (r == 0) continue;
      Result("cad", r, cad);
      Result("cad.profiles", r, static_cast<double>(configured));
      Result("reg_query", r, reg);
      Result("reg_query.empty", r, floor);
    }
  } catch (const std::exception& error) {
    std::fprintf(stderr, "bench_cad: %s\n", error.what());
    return 1;
  }
  return 0;
}
