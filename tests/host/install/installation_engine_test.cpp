// The installation engine with no window at all: what it tells its progress
// and its messages, and what it leaves to the caller.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "install/installation_run.h"
#include "tests/host/shell/test_windows.h"

namespace {

class RecordedProgress : public install::InstallationProgress {
 public:
  void ShowStatus(const std::string& text) override { events.push_back("status " + text); }
  void ShowCopyCaption() override { events.push_back("caption"); }
  void ShowFiles(const std::string& from_line, const std::string& to_line) override {
    events.push_back("files" + from_line + " |" + to_line);
  }
  void SetBarRange(int minimum, int maximum) override {
    events.push_back("range " + std::to_string(minimum) + ".." + std::to_string(maximum));
  }
  void SetBarPosition(int position) override { positions.push_back(position); }
  void KeepAlive() override { ++keep_alive; }
  void EndOfStep() override { events.push_back("end of step"); }

  std::vector<std::string> events;
  std::vector<int> positions;
  int keep_alive = 0;
};

class InstallationEngine : public ::testing::Test {
 protected:
  void SetUp() override {
    windows.files.AddFolder(windows.system.system_folder);
    for (const char* folder : {"programa\\Esp", "programa\\especial", "sistema"}) {
      windows.files.AddFolder(std::string("D:\\") + folder);
    }
    for (const char* folder : {"demos\\", "formatos\\", "perfil_tipo\\", "simbolos\\", "relatorios\\", "modelos\\"}) {
      windows.files.AddFolder(std::string("D:\\") + folder + "Esp");
    }
    windows.files.AddFile("D:\\programa\\geolume.exe", "programa");
  }

  install::InstallationOutcome Run() {
    const install::InstallationContext context{
        windows.platform,
        "D:\\",
        windows.system.system_folder,
        install::Language::Spanish,
        [](const std::string& text) { return "<" + text + ">"; },
        [this](const install::InstallationMessage& message) {
          messages.push_back(message.caption + ": " + message.text);
        },
        progress,
        restart_needed};
    return install::InstallProduct(context);
  }

  testing_support::TestWindows windows;
  RecordedProgress progress;
  std::vector<std::string> messages;
  bool restart_needed = false;
};

TEST_F(InstallationEngine, TellsItsProgressEveryStepInOrderAndLooksUpEveryText) {
  EXPECT_EQ(Run(), install::InstallationOutcome::Completed);
  EXPECT_TRUE(messages.empty()) << messages[0];
  const std::vector<std::string> first = {"status <Criando diretório de Instalação>", "caption",
                                          "status <Copiando Arquivos...>", "range 0..4"};
  ASSERT_GE(progress.events.size(), first.size());
  EXPECT_EQ(std::vector<std::string>(progress.events.begin(), progress.events.begin() + 4), first);
  EXPECT_EQ(progress.events[4], "files< De: D:\\programa\\geolume.exe> |< Para: c:\\Geolume\\geolume.exe>")
      << "looked up before the values go in";
  EXPECT_EQ(progress.events.back(), "status <Criando atalhos...>");
  EXPECT_EQ(progress.keep_alive, 1);
  // Every step that was copied ends before the next begins, the last before
  // the run moves on: what it showed last is then on the screen.
  int open_steps = 0;
  int ended = 0;
  for (const std::string& event : progress.events) {
    if (event.rfind("range ", 0) == 0) {
      EXPECT_EQ(open_steps++, 0) << "a step began before the last one ended";
    }
    if (event.rfind("status ", 0) == 0) {
      EXPECT_EQ(open_steps, 0) << event;
    }
    if (event != "end of step") continue;
    EXPECT_EQ(--open_steps, 0) << "a step ended that had not begun";
    ++ended;
  }
  EXPECT_EQ(ended, 10);  // the copy table less the two absent steps
  // Spanish folders and the looked-up class names of the associations.
  EXPECT_TRUE(windows.files.FolderExists("c:\\Geolume\\Informes"));
  EXPECT_EQ(windows.files.ReadFile("c:\\geolume\\geolume.exe"), "programa");
  EXPECT_TRUE(windows.registry.KeyExists(platform::RegistryRoot::ClassesRoot, "<Arquivo PRG>"));
  EXPECT_FALSE(restart_needed);
}

TEST_F(InstallationEngine, SystemFileCopiedSaysARestartIsNeededEvenWhenTheRunStopsLater) {
  windows.files.AddFile("D:\\sistema\\geo32.dll", "dll");
  windows.shell.SetLinkCreationFails(true);
  EXPECT_ANY_THROW(Run());
  EXPECT_TRUE(restart_needed);
}

TEST_F(InstallationEngine, MissingMediumFolderIsReportedAndEndsTheRunForTheCallerToEndTheProgram) {
  windows.files.RemoveFolder("D:\\sistema");
  EXPECT_EQ(Run(), install::InstallationOutcome::MissingMediumFolder);
  EXPECT_EQ(messages, std::vector<std::string>{
                          "<Erro na Instalação>: <Não existe o diretório D:\\sistema\\ no CD. Solicite um novo CD de "
                          "Instalação>"});
  EXPECT_FALSE(windows.registry.KeyExists(platform::RegistryRoot::ClassesRoot, "<Arquivo PRG>"));
}

TEST_F(InstallationEngine, RootThatCannotBeMadeIsReportedAndNothingElseIsDone) {
  windows.files.SetFolderReadOnly("c:\\");
  EXPECT_EQ(Run(), install::InstallationOutcome::RootNotCreated);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(progress.events.back(), "caption");
}

}  // namespace
