// Whole installations by the real Instalar.exe from the sample medium.
#include <windows.h>
#undef CopyFile
#undef DeleteFile

#include <gtest/gtest.h>

#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/wide_text.h"
#include "testing/windows_support/sample_medium.h"
#include "tests/windows/install/installation_fixture.h"

namespace {

using namespace install_wine;

DWORD AttributesOf(const std::string& path) { return GetFileAttributesW(platform::Widen(path).c_str()); }

TEST_F(Installation, PortugueseRunInstallsEverything) {
  Process installer = Process::Start(MakeSampleMedium(kMedium));
  Install(installer, "Português", "Instalar Programa");
  SaveScreenshot(window, "install-cad-panel-after-run");

  // Folders, with the reports under their Portuguese name.
  for (const char* folder : {"", "\\Demos", "\\formatos\\geolume", "\\Simbolos", "\\Relatorios", "\\perfil_tipo",
                             "\\Tutorial", "\\Modelos", "\\rbmc"}) {
    EXPECT_NE(AttributesOf(std::string("C:\\geolume") + folder) & FILE_ATTRIBUTE_DIRECTORY, 0u) << folder;
  }
  EXPECT_EQ(AttributesOf("C:\\geolume\\Informes"), INVALID_FILE_ATTRIBUTES);
  EXPECT_TRUE(FileExists("C:\\geolume\\geolume.exe"));
  EXPECT_TRUE(FileExists("C:\\geolume\\Demos\\demo1.cad"));
  EXPECT_EQ(ReadWholeFile("C:\\geolume\\Demos\\demo1.cad"), "demo1.cad (Port)\r\n");
  EXPECT_EQ(ReadWholeFile("C:\\geolume\\leiame.txt"), "Leia-me em portugues\r\n");
  EXPECT_TRUE(FileExists("C:\\geolume\\geolume.ini"));
  EXPECT_TRUE(FileExists("C:\\geolume\\rbmc\\estacoes.txt"));
  EXPECT_NE(AttributesOf("C:\\geolume\\Relatorios\\memorial.rtf") & FILE_ATTRIBUTE_READONLY, 0u);
  DWORD hidden = AttributesOf("C:\\geolume\\geolume.hlp");
  EXPECT_EQ(hidden & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY), 0u);
  EXPECT_FALSE(FileExists("C:\\geolume\\descritivo.cfg"));
  // The program's own bitness decides which system folder it sees; so does the test's.
  EXPECT_TRUE(FileExists(SystemFolder() + "\\" + kSystemFile));
  for (const std::string& icon : AssociationIcons()) EXPECT_TRUE(FileExists("C:\\geolume\\" + icon)) << icon;

  // The viewer control, in the view of the program's bitness.
  const std::string clsid = "\\CLSID\\{6F55C185-A9A7-11D3-91F8-0000E878EB25}";
  EXPECT_EQ(Default(clsid + "\\InprocServer32"), "C:\\GEOLUME\\FVC.OCX");
  EXPECT_EQ(Default(clsid + "\\MiscStatus\\1"), "205201");
  EXPECT_EQ(Default("\\Visor de Arquivos\\Clsid"), "{6F55C185-A9A7-11D3-91F8-0000E878EB25}");
  // Registered by the stubs the run started, which it does not wait for.
  for (const char* prog_id : {"plotsum.plotsum", "drafter.drafter", "TIS.TX.TextControl.17"}) {
    EXPECT_TRUE(WaitUntil([&] { return registry.KeyExists(RegistryRoot::ClassesRoot, prog_id); })) << prog_id;
  }

  // Shortcuts, read back through the shell link object.
  platform::Win32Shell shell;
  for (const std::string& link : {shell.SpecialFolder(0x26) + "\\Sistema Topográfico Geolume\\Geolume.lnk",
                                   shell.SpecialFolder(0x10) + "\\Geolume.lnk"}) {
    auto read = shell.ReadLink(link);
    ASSERT_TRUE(read.has_value()) << link;
    EXPECT_EQ(read->target, "c:\\geolume\\geolume.exe") << link;
    EXPECT_EQ(read->working_folder, "c:\\geolume\\") << link;
    EXPECT_EQ(read->description, "Sistema de Automação Topográfica Geolume") << link;
    EXPECT_EQ(read->icon_index, 0) << link;
  }

  // A sample of the 34 associations; every extension points at its own class.
  const char* extensions[] = {"cad", "coo", "niv", "irr", "pol", "seq", "xyz", "obr", "cde", "frt", "mem", "ali",
                              "prj", "tpo", "sec", "scc", "mdt", "prg", "dat", "tcl", "geo", "raw", "tcn", "med",
                              "cor", "nik", "god", "pen", "m21", "c21", "zei", "rw5", "asc", "cfg"};
  for (const char* extension : extensions) {
    std::string upper = extension;
    for (char& c : upper) c = static_cast<char>(toupper(c));
    EXPECT_EQ(Default(std::string("\\.") + extension), "Arquivo " + upper) << extension;
  }
  EXPECT_EQ(Default("\\Arquivo CAD"), "Caderneta Geolume");
  EXPECT_EQ(Default("\\Arquivo CAD\\DefaultIcon"), "c:\\geolume\\pcad.ico,0");
  EXPECT_EQ(Default("\\Arquivo CAD\\Shell\\Open\\Command"), "c:\\geolume\\geolume.exe %1");
  EXPECT_EQ(Default("\\Arquivo IRR\\Shell\\Open\\Command"), "(missing)");
  wchar_t windows_folder[MAX_PATH] = {};
  GetWindowsDirectoryW(windows_folder, MAX_PATH);
  EXPECT_EQ(Default("\\Arquivo DAT\\Shell\\Open\\Command"), platform::Narrow(windows_folder) + "\\notepad.exe %1");
  EXPECT_EQ(Default("\\Arquivo PRG"), "Projeto de Georreferenciamento Geolume");
}

TEST_F(Installation, SecondRunOverAnUnchangedMediumCopiesNothing) {
  Process installer = Process::Start(MakeSampleMedium(kMedium));
  Install(installer, "Português", "Instalar Programa");
  // Same size and time, other content: only a copy would bring the old bytes back.
  const std::string target = "C:\\geolume\\Demos\\demo1.cad";
  std::string altered(ReadWholeFile(target).size(), 'x');
  ASSERT_FALSE(altered.empty());
  HANDLE file = CreateFileW(platform::Widen(target).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  FILETIME written{};
  GetFileTime(file, nullptr, nullptr, &written);
  DWORD done = 0;
  WriteFile(file, altered.data(), static_cast<DWORD>(altered.size()), &done, nullptr);
  SetFileTime(file, nullptr, nullptr, &written);
  CloseHandle(file);

  Press(FindControl(window, "Cancelar", "Button"));
  RunAgain(installer, "Instalar Programa");
  EXPECT_EQ(ReadWholeFile(target), altered);
  EXPECT_NE(AttributesOf("C:\\geolume\\Relatorios\\memorial.rtf") & FILE_ATTRIBUTE_READONLY, 0u);
}

TEST_F(Installation, TargetHeldOpenByAnotherProgramIsReportedAndKept) {
  Process installer = Process::Start(MakeSampleMedium(kMedium));
  Install(installer, "Português", "Instalar Programa");
  const std::string target = "C:\\geolume\\Demos\\demo1.cad";
  const std::string before = ReadWholeFile(target);
  // This test is the other program: it holds the file open, sharing it with nobody.
  HANDLE held = CreateFileW(platform::Widen(target).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  Press(FindControl(window, "Cancelar", "Button"));
  StartRun(installer, "Instalar Programa");
  HWND box = WaitForWindow(installer.Id(), "Erro na Instalação");
  ASSERT_NE(box, nullptr);
  EXPECT_NE(FindControl(box, "Erro ao copiar o arquivo C:\\Geolume-CD\\demos\\Port\\demo1.cad para "
                             "c:\\Geolume\\Demos\\demo1.cad."),
            nullptr);
  Press(FindControl(box, "OK", "Button"));
  HWND configurar = FindControl(window, "Configurar", "Button");
  EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(configurar); }, kInstallTimeoutMs)) << "the run goes on";
  CloseHandle(held);
  EXPECT_EQ(ReadWholeFile(target), before);
}

TEST_F(Installation, ClosingAfterReplacingASystemFileOffersTheRestartPrompt) {
  Process installer = Process::Start(MakeSampleMedium(kMedium));
  Install(installer, "Português", "Instalar Programa");
  Press(FindControl(window, "Cancelar", "Button"));
  CloseBox(window);
  HWND prompt = WaitForWindow(installer.Id(), "Instalação Completa");
  ASSERT_NE(prompt, nullptr);
  HWND terminar = FindControl(prompt, "Terminar", "Button");
  ASSERT_NE(terminar, nullptr);
  EXPECT_FALSE(IsWindowEnabled(terminar));
  SaveScreenshot(prompt, "restart-prompt");
  HWND later = FindControl(prompt, "Não. Eu reiniciarei meu computador mais tarde.", "Button");
  ASSERT_NE(later, nullptr);
  Press(later);
  ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(terminar); }));
  Press(terminar);
  DWORD code = 1;
  ASSERT_TRUE(installer.WaitForExit(kWindowTimeoutMs, &code));
  EXPECT_EQ(code, 0u);
}

TEST_F(Installation, SpanishRunUsesTheSpanishFoldersAndTexts) {
  Process installer = Process::Start(MakeSampleMedium(kMedium));
  Install(installer, "Espanhol", "Instalar el Programa");
  EXPECT_TRUE(FileExists("C:\\geolume\\Informes\\memorial.rtf"));
  EXPECT_EQ(AttributesOf("C:\\geolume\\Relatorios"), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(ReadWholeFile("C:\\geolume\\Demos\\demo1.cad"), "demo1.cad (Esp)\r\n");
  EXPECT_EQ(Default("\\.cad"), "Archivo CAD");
  EXPECT_EQ(Default("\\Archivo CAD"), "Libreta Geolume");
  EXPECT_EQ(Default("\\.prg"), "Arquivo PRG");
  platform::Win32Shell shell;
  auto link = shell.ReadLink(shell.SpecialFolder(0x10) + "\\Geolume.lnk");
  ASSERT_TRUE(link.has_value());
  EXPECT_EQ(link->description, "Sistema de Automación Topográfica Geolume");
}

TEST_F(Installation, MediumWithoutProgramaNamesTheFolderAndEnds) {
  MediumOptions options;
  options.with_programa = false;
  Process installer = Process::Start(MakeSampleMedium(kMedium, options));
  window = WaitForWindow(installer.Id(), kTitle);
  ASSERT_NE(window, nullptr);
  Press(WaitForControl(window, "Português", "Button"));
  StartRun(installer, "Instalar Programa");
  HWND box = WaitForWindow(installer.Id(), "Erro na Instalação");
  ASSERT_NE(box, nullptr);
  EXPECT_NE(FindControl(box, "Não existe o diretório C:\\Geolume-CD\\programa\\ no CD. Solicite um novo CD de "
                             "Instalação"),
            nullptr);
  Press(FindControl(box, "OK", "Button"));
  DWORD code = 0;
  EXPECT_TRUE(installer.WaitForExit(kWindowTimeoutMs, &code));
  EXPECT_NE(AttributesOf("C:\\geolume\\Demos") & FILE_ATTRIBUTE_DIRECTORY, 0u) << "folders come first";
  EXPECT_FALSE(FileExists("C:\\geolume\\Demos\\demo1.cad"));
}

}  // namespace
