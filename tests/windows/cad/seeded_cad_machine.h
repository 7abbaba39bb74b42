#pragma once
// A machine as AutoCAD (two releases, one with a FixedProfile), BricsCAD and
// GstarCAD leave HKEY_CURRENT_USER, with foreign and own startup files on
// their search paths and old menu files in the installation root.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/registry.h"

namespace cad_machine {

constexpr auto kUser = platform::RegistryRoot::CurrentUser;

constexpr char kAutoCad2012[] =
    "\\Software\\Autodesk\\AutoCAD\\R18.2\\ACAD-A001:416\\Profiles\\<<Unnamed Profile>>";
constexpr char kAutoCad2012Fixed[] = "\\Software\\Autodesk\\AutoCAD\\R18.2\\ACAD-A001:416\\FixedProfile";
constexpr char kAutoCad2021[] =
    "\\Software\\Autodesk\\AutoCAD\\R24.0\\ACAD-4101:416\\Profiles\\<<Unnamed Profile>>";
constexpr char kAutoCad2021Topo[] = "\\Software\\Autodesk\\AutoCAD\\R24.0\\ACAD-4101:416\\Profiles\\Topografia";
constexpr char kBricsCad[] = "\\Software\\Bricsys\\BricsCAD\\V23x64\\pt_BR\\Profiles\\Default\\Config";
constexpr char kGstarCad[] = "\\SOFTWARE\\Gstarsoft\\GstarCAD\\R23\\pt-BR\\Profiles\\Default";
constexpr char kGstarCadFixed[] = "\\SOFTWARE\\Gstarsoft\\GstarCAD\\R23\\pt-BR\\FixedProfile";

constexpr char kAcad2012[] =
    "C:\\Users\\geolume\\AppData\\Roaming\\Autodesk\\AutoCAD 2012 - Português\\R18.2\\ptb\\support;"
    "C:\\Program Files\\Autodesk\\AutoCAD 2012 - Português\\support;C:\\Suporte\\R18";
constexpr char kAcad2021[] =
    "C:\\Users\\geolume\\AppData\\Roaming\\Autodesk\\AutoCAD 2021\\R24.0\\ptb\\support;C:\\geolume;"
    "C:\\geolume\\simbolos";
constexpr char kAcad2021Topo[] =
    "C:\\Users\\geolume\\AppData\\Roaming\\Autodesk\\AutoCAD 2021\\R24.0\\ptb\\support;C:\\Topografia";
constexpr char kTrusted2021[] = "C:\\Program Files\\Autodesk\\ApplicationPlugins\\...";
constexpr char kSrchPath[] = "C:\\Program Files\\Bricsys\\BricsCAD V23 pt_BR\\Support;C:\\Suporte\\Brics";
constexpr char kGcad[] =
    "C:\\Users\\geolume\\AppData\\Roaming\\Gstarsoft\\GstarCAD\\R23\\pt-BR\\Support;C:\\Suporte\\Gstar";

constexpr char kForeignStartup[] = "(princ \"suporte do escritorio\")\r\n";
constexpr char kOldRootStartup[] = "(load \"versao antiga\")\r\n";

// The CAD list of this machine, line by line (only a-z are made capitals).
inline const std::vector<std::string> kListLines = {
    "AUTOCAD 2012 - PORTUGUêS <<Unnamed Profile>>",
    "AUTOCAD 2021 <<Unnamed Profile>>",
    "AUTOCAD 2021",
    "BRICSCAD V23X64 - Default",
    "GSTARCAD R23",
};

class Seeder {
 public:
  Seeder(platform::Registry& registry, platform::FileSystem& files) : registry_(registry), files_(files) {}

  void Key(const std::string& key) {
    if (!registry_.CreateKey(kUser, key)) throw std::runtime_error("cannot create " + key);
  }
  void Text(const std::string& key, const std::string& name, const std::string& text) {
    Key(key);
    if (!registry_.WriteString(kUser, key, name, text)) throw std::runtime_error("cannot set " + name);
  }
  void Number(const std::string& key, const std::string& name, std::uint32_t number) {
    Key(key);
    if (!registry_.WriteDword(kUser, key, name, number)) throw std::runtime_error("cannot set " + name);
  }
  void File(const std::string& path, const std::string& content) {
    if (!files_.CreateFolders(path.substr(0, path.find_last_of('\\'))) || !files_.WriteFile(path, content)) {
      throw std::runtime_error("cannot write " + path);
    }
  }

 private:
  platform::Registry& registry_;
  platform::FileSystem& files_;
};

inline void SeedProfiles(Seeder& seed) {
  const std::string fixed = kAutoCad2012Fixed;
  seed.Number(fixed + "\\Editor Configuration", "CmdVisLines", 3);
  seed.Text(fixed + "\\General", "ACAD", "C:\\Program Files\\Autodesk\\AutoCAD 2012 - Português\\support");
  const std::string a2012 = kAutoCad2012;
  seed.Number(a2012 + "\\Editor Configuration", "CmdVisLines", 3);
  seed.Text(a2012 + "\\General", "ACAD", kAcad2012);
  seed.Key(a2012 + "\\Variables");
  const std::string a2021 = kAutoCad2021;
  seed.Number(a2021 + "\\Editor Configuration", "ACADLspAsDoc", 0);
  seed.Text(a2021 + "\\General", "ACAD", kAcad2021);
  seed.Text(a2021 + "\\Variables", "TRUSTEDPATHS", kTrusted2021);
  seed.Text(a2021 + "\\Variables", "LISPSYS", "1");
  const std::string topo = kAutoCad2021Topo;
  seed.Number(topo + "\\Editor Configuration", "CmdVisLines", 3);
  seed.Text(topo + "\\General", "ACAD", kAcad2021Topo);
  seed.Text(topo + "\\Variables", "TRUSTEDPATHS", "");
  seed.Text(kBricsCad, "SRCHPATH", kSrchPath);
  seed.Number(kBricsCad, "ACADLSPASDOC", 0);
  const std::string gstar = kGstarCad;
  seed.Key(gstar + "\\Editor Configuration");
  seed.Text(gstar + "\\General", "GCAD", kGcad);
  seed.Text(gstar + "\\Dialogs\\Appload\\Startup", "NumStartup", "1");
  seed.Text(gstar + "\\Dialogs\\Appload\\Startup", "1Startup", "C:\\Suporte\\Gstar\\cotas.vlx");
  seed.Key(std::string(kGstarCadFixed) + "\\Editor Configuration");
}

inline void SeedFiles(Seeder& seed) {
  seed.File("C:\\Suporte\\R18\\acad.lsp", kForeignStartup);
  seed.File("C:\\Suporte\\R18\\acad-Renomeado-pelo-Geolume-1.lsp", "(princ)");
  seed.File("C:\\Topografia\\acad.lsp", kForeignStartup);
  seed.File("C:\\Suporte\\Brics\\on_start.lsp", kForeignStartup);
  seed.File("C:\\Suporte\\Gstar\\acad.lsp",
            "(defun s::startup ()\r\n  (load \"geolume15.vlx\" \"\")\r\n  (princ))\r\n");
  seed.File("C:\\geolume\\acad.lsp", kOldRootStartup);
  seed.File("C:\\geolume\\geolume.mns", "menu");
  seed.File("C:\\geolume\\geolumeesp.cuix", "menu");
  seed.File("C:\\geolume\\geolume.cui", "menu");
  seed.File("C:\\geolume\\geolume15.vlx", "aplicativo");
}

// Throws std::runtime_error when the machine refuses a part of it.
inline void SeedCadMachine(platform::Registry& registry, platform::FileSystem& files) {
  Seeder seed(registry, files);
  SeedProfiles(seed);
  SeedFiles(seed);
}

}  // namespace cad_machine
