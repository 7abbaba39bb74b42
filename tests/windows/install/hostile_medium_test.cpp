// The real Instalar.exe on hostile media and hostile target trees. Each case
// answers exactly the message boxes it expects, in order, fails on any other,
// checks what was written and kept, and ends the program with its exit code.
#include <windows.h>
#undef CopyFile
#undef DeleteFile

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/win32/wide_text.h"
#include "testing/windows_support/hostile_medium.h"
#include "testing/windows_support/sample_medium.h"
#include "tests/windows/install/installation_fixture.h"

namespace {

using namespace install_wine;

constexpr char kBoxCaption[] = "Erro na Instalação";
constexpr DWORD kProtected = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
const std::string kSharingHint =
    "Provavelmente este arquivo está sendo utilizado por outro programa. Feche todos os arquivos e programas do "
    "Sistema Geolume e do Autocad.";

struct ExpectedBox {
  ExpectedBox(std::string box_text, std::function<void()> action = {})
      : text(std::move(box_text)), while_shown(std::move(action)) {}
  std::string text;
  std::function<void()> while_shown;  // what the user does before pressing OK
};

// A folder of the prefix, and all it holds, made unchangeable for as long as
// the object lives, as a folder whose permissions deny writing is on Windows.
// Wine running as root lets both the read-only attribute of a folder and the
// Unix permissions pass, so the host's immutable flag stands in for them.
class UnchangeableFolder {
 public:
  UnchangeableFolder(const std::string& folder, const std::string& below_prefix) : folder_(folder) {
    char prefix[1024] = {};
    if (GetEnvironmentVariableA("GEOLUME_WINE_PREFIX_UNIX", prefix, sizeof prefix) == 0) return;
    unix_path_ = std::string(prefix) + "/" + below_prefix;
    applied_ = Chattr("+i", false);
  }
  // Also after a failed start, so that the prefix can be removed.
  ~UnchangeableFolder() {
    if (!unix_path_.empty()) Chattr("-i", true);
  }
  UnchangeableFolder(const UnchangeableFolder&) = delete;
  UnchangeableFolder& operator=(const UnchangeableFolder&) = delete;
  bool Applied() const { return applied_; }

 private:
  // Wine starts a host program like a Windows one, but hands back no handle
  // to wait on: the wait is for the flag's effect.
  bool Chattr(const std::string& flag, bool writable) {
    Process::Start("Z:\\usr\\bin\\chattr", "-R " + flag + " \"" + unix_path_ + "\"");
    return WaitUntil([&] { return Writable() == writable; }, 10000);
  }

  bool Writable() {
    std::string probe = folder_ + "\\probe.tmp";
    if (!WriteBytes(probe, "")) return false;
    DeleteFileW(platform::Widen(probe).c_str());
    return true;
  }

  std::string folder_;
  std::string unix_path_;
  bool applied_ = false;
};

class HostileMedium : public Installation {
 protected:
  std::map<std::string, std::string> table_bytes;

  // The user's filled tables, one of them read-only and hidden, before the program starts.
  void SeedUserTables(std::size_t count = 4) {
    ASSERT_TRUE(MakeFolders("C:\\geolume"));
    for (std::size_t i = 0; i < count; ++i) {
      const std::string& table = UserTables()[i];
      table_bytes[table] = "preenchida pelo usuário " + std::to_string(i) + "\r\n";
      ASSERT_TRUE(WriteBytes(table, table_bytes[table], i == 1 ? FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN
                                                               : FILE_ATTRIBUTE_NORMAL));
    }
  }

  void ExpectUserTablesKept() {
    for (const auto& [table, bytes] : table_bytes) EXPECT_EQ(ReadBytes(table), bytes) << table;
    // Wine keeps the read-only bit as the file's Unix write permission and
    // rewrites that from a list set on the file (the installation gives users
    // write access to their tables); Windows keeps the two apart.
    EXPECT_EQ(Attributes(UserTables()[1]) & kProtected & ~DWORD{FILE_ATTRIBUTE_READONLY}, DWORD{FILE_ATTRIBUTE_HIDDEN});
  }

  Process Start(const std::string& installer) {
    Process process = Process::Start(installer);
    window = WaitForWindow(process.Id(), kTitle);
    return process;
  }

  void ChoosePortuguese() {
    ASSERT_NE(window, nullptr);
    HWND language = WaitForControl(window, "Português", "Button");
    ASSERT_NE(language, nullptr);
    Press(language);
  }

  // A visible window of the program other than the main window and the agreement.
  HWND OtherWindow(Process& installer) {
    for (HWND other : VisibleTopWindows(installer.Id())) {
      if (other == window || TextOf(other).rfind("CONTRATO DE LICEN", 0) == 0) continue;
      return other;
    }
    return nullptr;
  }

  static std::string BoxText(HWND box) {
    std::string text;
    for (HWND child : Descendants(box)) {
      if (ClassOf(child) == "Static") text += TextOf(child);
    }
    return text;
  }

  // Starts a run and answers its boxes until it ends on the CAD panel or the
  // program ends. Every box seen is compared with the expected ones, in order.
  void RunAnswering(Process& installer, const std::vector<ExpectedBox>& expected) {
    StartRun(installer, "Instalar Programa");
    ASSERT_TRUE(WaitUntil([&] { return !FindTopWindow(installer.Id(), "CONTRATO DE LICENÇA"); }));
    std::vector<std::string> seen;
    for (;;) {
      HWND box = nullptr;
      ASSERT_TRUE(WaitUntil([&] { return (box = OtherWindow(installer)) || CadPanelShown() || !installer.Running(); },
                            kInstallTimeoutMs))
          << "the run neither ended nor showed a box in time";
      if (!box) break;
      seen.push_back(TextOf(box) + ": " + BoxText(box));
      std::size_t index = seen.size() - 1;
      bool as_expected = index < expected.size() && seen.back() == kBoxCaption + (": " + expected[index].text);
      if (as_expected && expected[index].while_shown) expected[index].while_shown();
      HWND ok = FindControl(box, "OK", "Button");
      ASSERT_NE(ok, nullptr) << seen.back();
      Press(ok);
      ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(box); })) << seen.back();
    }
    std::vector<std::string> wanted;
    for (const auto& box : expected) wanted.push_back(kBoxCaption + (": " + box.text));
    EXPECT_EQ(seen, wanted);
  }

  void CancelPanel() {
    HWND cancel = FindControl(window, "Cancelar", "Button");
    ASSERT_NE(cancel, nullptr);
    Press(cancel);
  }

  // "Sair", the restart prompt when it comes, and the exit code.
  void LeaveWithExitCode(Process& installer, DWORD expected) {
    CancelPanel();
    HWND sair = FindControl(window, "Sair", "Button");
    ASSERT_NE(sair, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(sair); }));
    Press(sair);
    HWND prompt = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (prompt = FindTopWindow(installer.Id(), "Instalação Completa")) || !installer.Running(); }));
    if (prompt) {
      Press(FindControl(prompt, "Não. Eu reiniciarei meu computador mais tarde.", "Button"));
      HWND terminar = FindControl(prompt, "Terminar", "Button");
      ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(terminar); }));
      Press(terminar);
    }
    ExpectExitCode(installer, expected);
  }

  static void ExpectExitCode(Process& installer, DWORD expected) {
    DWORD code = 0xFFFFFFFF;
    ASSERT_TRUE(installer.WaitForExit(kWindowTimeoutMs, &code)) << "the program did not end";
    EXPECT_EQ(code, expected);
  }

  // Replaces a folder of the sample medium, which holds only files, by a file of that name.
  static void FileInPlaceOfFolder(const std::string& folder) {
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW(platform::Widen(folder + "\\*").c_str(), &found);
    ASSERT_NE(search, INVALID_HANDLE_VALUE) << folder;
    do {
      std::wstring name = found.cFileName;
      if (name != L"." && name != L"..") DeleteFileW((platform::Widen(folder) + L"\\" + name).c_str());
    } while (FindNextFileW(search, &found));
    FindClose(search);
    ASSERT_TRUE(RemoveDirectoryW(platform::Widen(folder).c_str())) << folder;
    ASSERT_TRUE(WriteBytes(folder, "não sou uma pasta\r\n"));
  }
};

TEST_F(HostileMedium, ForeignNamesLongPathsEmptyAndProtectedFilesArriveExactlyTwice) {
  std::string installer_path = MakeHostileMedium(kMedium);
  for (const HostileFile& file : HostileFiles()) {
    // What the medium holds is what the case is about.
    ASSERT_EQ(ReadBytes(file.Source(kMedium)), file.bytes) << file.name;
    ASSERT_EQ(Attributes(file.Source(kMedium)) & kProtected, file.attributes & kProtected) << file.name;
  }
  ASSERT_GT(HostileFiles()[4].Source(kMedium).size(), 260u);
  ASSERT_GT(HostileFiles()[4].Target().size(), 260u);
  // Two tables the user has filled; the other two are installed from the medium.
  SeedUserTables(2);
  Process installer = Start(installer_path);
  ChoosePortuguese();
  RunAnswering(installer, {});
  for (const HostileFile& file : HostileFiles()) {
    EXPECT_EQ(ReadBytes(file.Target()), file.bytes) << file.name;
    bool report = file.target_folder == "C:\\geolume\\Relatorios";
    EXPECT_EQ(Attributes(file.Target()) & kProtected, DWORD(report ? FILE_ATTRIBUTE_READONLY : 0)) << file.name;
  }
  for (std::size_t i = 2; i < 4; ++i) {
    const std::string& table = UserTables()[i];
    std::string name = table.substr(table.find_last_of('\\') + 1);
    EXPECT_EQ(ReadBytes(table), "tabela vazia: " + name + "\r\n");
    // Now the user fills it in.
    table_bytes[table] = "preenchida depois " + std::to_string(i) + "\r\n";
    ASSERT_TRUE(WriteBytes(table, table_bytes[table]));
  }
  ExpectUserTablesKept();

  CancelPanel();
  RunAnswering(installer, {});
  for (const HostileFile& file : HostileFiles()) EXPECT_EQ(ReadBytes(file.Target()), file.bytes) << file.name;
  ExpectUserTablesKept();
  LeaveWithExitCode(installer, 0);
}

TEST_F(HostileMedium, FileWhereARequiredMediumFolderBelongsIsNamedAndTheProgramEnds) {
  std::string installer_path = MakeSampleMedium(kMedium);
  FileInPlaceOfFolder(std::string(kMedium) + "\\demos\\Port");
  SeedUserTables();
  Process installer = Start(installer_path);
  ChoosePortuguese();
  RunAnswering(installer, {{"Não existe o diretório C:\\Geolume-CD\\demos\\Port\\ no CD. Solicite um novo CD de "
                            "Instalação"}});
  ExpectExitCode(installer, 1);
  EXPECT_TRUE(FileExists("C:\\geolume\\geolume.exe")) << "the step before it was done";
  EXPECT_EQ(ReadBytes("C:\\geolume\\leiame.txt"), "Leia-me geral\r\n") << "the language's step never came";
  ExpectUserTablesKept();
}

TEST_F(HostileMedium, FilesWhereFoldersBelongAreKeptAndEveryFileForThemReported) {
  std::string installer_path = MakeSampleMedium(kMedium);
  FileInPlaceOfFolder(std::string(kMedium) + "\\tutorial\\Port");  // may be absent: passed over
  SeedUserTables();
  ASSERT_TRUE(WriteBytes("C:\\geolume\\Simbolos", "arquivo do usuário\r\n", FILE_ATTRIBUTE_READONLY));
  // And a folder of the user's where the main program belongs.
  ASSERT_TRUE(MakeFolders("C:\\geolume\\geolume.exe"));
  ASSERT_TRUE(WriteBytes("C:\\geolume\\geolume.exe\\nota.txt", "do usuário\r\n"));
  ASSERT_TRUE(SetFileAttributesW(L"C:\\geolume\\geolume.exe", FILE_ATTRIBUTE_HIDDEN));
  ASSERT_EQ(Attributes("C:\\geolume\\geolume.exe") & kProtected, DWORD{FILE_ATTRIBUTE_HIDDEN});
  Process installer = Start(installer_path);
  ChoosePortuguese();
  std::vector<ExpectedBox> boxes = {
      {"Erro 5 ao copiar o arquivo C:\\Geolume-CD\\programa\\geolume.exe para c:\\Geolume\\geolume.exe."}};
  for (const char* name : {"arvore.sld", "marco.sld", "poste.sld"}) {
    boxes.push_back({std::string("Erro 3 ao copiar o arquivo C:\\Geolume-CD\\simbolos\\Port\\") + name +
                     " para c:\\Geolume\\Simbolos\\" + name + "."});
  }
  RunAnswering(installer, boxes);
  EXPECT_EQ(ReadBytes("C:\\geolume\\Simbolos"), "arquivo do usuário\r\n");
  EXPECT_EQ(Attributes("C:\\geolume\\Simbolos") & (kProtected | FILE_ATTRIBUTE_DIRECTORY), DWORD{FILE_ATTRIBUTE_READONLY});
  EXPECT_EQ(Attributes("C:\\geolume\\geolume.exe") & (kProtected | FILE_ATTRIBUTE_DIRECTORY),
            DWORD{FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_DIRECTORY});
  EXPECT_EQ(ReadBytes("C:\\geolume\\geolume.exe\\nota.txt"), "do usuário\r\n");
  EXPECT_NE(Attributes("C:\\geolume\\Tutorial") & FILE_ATTRIBUTE_DIRECTORY, 0u);
  EXPECT_EQ(Attributes("C:\\geolume\\Tutorial\\aula1.pdf"), INVALID_FILE_ATTRIBUTES);
  EXPECT_TRUE(FileExists("C:\\geolume\\Modelos\\modelo.dwt")) << "the run went on";
  ExpectUserTablesKept();
  LeaveWithExitCode(installer, 0);
}

TEST_F(HostileMedium, SourceHeldOpenShowsTheHintAndIsCopiedWhenReleasedOrKeepsTheTarget) {
  std::string installer_path = MakeSampleMedium(kMedium);
  const std::string source = std::string(kMedium) + "\\demos\\Port\\demo2.coo";
  const std::string target = "c:\\Geolume\\Demos\\demo2.coo";
  SeedUserTables();
  Process installer = Start(installer_path);
  ChoosePortuguese();
  {
    HeldOpenFile held(source);
    ASSERT_TRUE(held.Held());
    // The user closes the other program before pressing OK: the silent retry copies it.
    RunAnswering(installer, {{"Erro 32 ao copiar o arquivo " + source + " para " + target + ".\r" + kSharingHint,
                              [&] { held.Release(); }}});
  }
  EXPECT_EQ(ReadBytes(target), "demo2.coo (Port)\r\n");

  // Over the existing target the time comparison is what meets the other program.
  ASSERT_TRUE(WriteBytes(target, "alterado pelo usuário\r\n"));
  CancelPanel();
  {
    HeldOpenFile held(source);
    ASSERT_TRUE(held.Held());
    RunAnswering(installer, {{"Erro ao copiar o arquivo " + source + " para " + target + "."}});
  }
  EXPECT_EQ(ReadBytes(target), "alterado pelo usuário\r\n");
  ExpectUserTablesKept();
  LeaveWithExitCode(installer, 0);
}

TEST_F(HostileMedium, TargetFolderThatRefusesWritesReportsEveryFileAndKeepsItsContent) {
  std::string installer_path = MakeSampleMedium(kMedium);
  SeedUserTables();
  ASSERT_TRUE(MakeFolders("C:\\geolume\\Demos"));
  ASSERT_TRUE(WriteBytes("C:\\geolume\\Demos\\demo1.cad", "do usuário\r\n", FILE_ATTRIBUTE_READONLY));
  UnchangeableFolder denied("C:\\geolume\\Demos", "drive_c/geolume/Demos");
  ASSERT_TRUE(denied.Applied()) << "the folder still takes files";
  Process installer = Start(installer_path);
  ChoosePortuguese();
  // Nor does it take the entry that lets users write there.
  std::vector<ExpectedBox> boxes{{"Não foi possível proteger a pasta c:\\Geolume\\Demos contra alterações de usuários "
                                  "sem privilégios de administrador (erro 5)."}};
  for (const char* name : {"demo1.cad", "demo2.coo", "demo3.niv"}) {
    boxes.push_back({std::string("Erro 5 ao copiar o arquivo C:\\Geolume-CD\\demos\\Port\\") + name +
                     " para c:\\Geolume\\Demos\\" + name + "."});
  }
  RunAnswering(installer, boxes);
  EXPECT_EQ(ReadBytes("C:\\geolume\\Demos\\demo1.cad"), "do usuário\r\n");
  EXPECT_EQ(Attributes("C:\\geolume\\Demos\\demo2.coo"), INVALID_FILE_ATTRIBUTES);
  EXPECT_TRUE(FileExists("C:\\geolume\\Modelos\\modelo.dwt")) << "the run went on";
  ExpectUserTablesKept();
  LeaveWithExitCode(installer, 0);
}

}  // namespace
