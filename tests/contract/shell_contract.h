#pragma once
// What every Shell promises about shell links, written once and run against
// each Windows. The environment type offers:
//   Shell& shell();
//   FileSystem& files();  // the file system the links are saved in
//   std::string root();   // an empty folder of the test's own, no trailing backslash
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/file_system.h"
#include "platform/shell.h"

namespace platform::contract {

template <typename Environment>
class ShellContract : public ::testing::Test {
 protected:
  std::string At(const std::string& relative) { return environment.root() + "\\" + relative; }

  // The link the installer makes for its main program, in this test's folder.
  ShellLink ProgramLink() {
    ShellLink link;
    link.target = At("geolume\\geolume.exe");
    link.working_folder = At("geolume\\");
    link.description = "Sistema de Automação Topográfica Geolume";
    link.icon_path = At("geolume\\geolume.exe");
    link.icon_index = 3;
    return link;
  }

  static void ExpectSameLink(const std::optional<ShellLink>& actual, const ShellLink& expected) {
    ASSERT_TRUE(actual);
    EXPECT_EQ(actual->target, expected.target);
    EXPECT_EQ(actual->working_folder, expected.working_folder);
    EXPECT_EQ(actual->description, expected.description);
    EXPECT_EQ(actual->icon_path, expected.icon_path);
    EXPECT_EQ(actual->icon_index, expected.icon_index);
  }

  Environment environment;
  Shell& shell = environment.shell();
  FileSystem& files = environment.files();
};

TYPED_TEST_SUITE_P(ShellContract);

TYPED_TEST_P(ShellContract, LinksSaveAsFilesAndReadBackEveryField) {
  auto& files = this->files;
  auto& shell = this->shell;
  ASSERT_TRUE(files.CreateFolders(this->At("geolume")));
  ASSERT_TRUE(files.WriteFile(this->At("geolume\\geolume.exe"), "MZ"));
  ASSERT_TRUE(files.CreateFolders(this->At("Programas\\Geolume")));
  const auto path = this->At("Programas\\Geolume\\Geolume.lnk");
  auto link = this->ProgramLink();

  ASSERT_TRUE(shell.SaveLink(link, path));
  EXPECT_TRUE(files.FileExists(path));
  this->ExpectSameLink(shell.ReadLink(path), link);
  this->ExpectSameLink(shell.ReadLink(this->At("PROGRAMAS\\geolume\\GEOLUME.LNK")), link);

  // Saving over a link replaces it.
  link.description = "Sistema de Automación Topográfica Geolume";
  link.icon_index = 0;
  ASSERT_TRUE(shell.SaveLink(link, path));
  this->ExpectSameLink(shell.ReadLink(path), link);
}

TYPED_TEST_P(ShellContract, ALinkMayPointWhereNothingIsYet) {
  ASSERT_TRUE(this->files.CreateFolders(this->At("Desktop")));
  const auto path = this->At("Desktop\\Geolume.lnk");
  const auto link = this->ProgramLink();
  ASSERT_TRUE(this->shell.SaveLink(link, path));
  this->ExpectSameLink(this->shell.ReadLink(path), link);
}

TYPED_TEST_P(ShellContract, NoLinkIsSavedWhereNoFolderIsAndOnlyLinksReadBack) {
  auto& files = this->files;
  auto& shell = this->shell;
  EXPECT_FALSE(shell.SaveLink(this->ProgramLink(), this->At("missing\\Geolume.lnk")));
  EXPECT_FALSE(files.FileExists(this->At("missing\\Geolume.lnk")));
  EXPECT_EQ(shell.ReadLink(this->At("missing\\Geolume.lnk")), std::nullopt);
  EXPECT_EQ(shell.ReadLink(this->At("Geolume.lnk")), std::nullopt);
  ASSERT_TRUE(files.WriteFile(this->At("notes.lnk"), "not a link"));
  EXPECT_EQ(shell.ReadLink(this->At("notes.lnk")), std::nullopt);
}

REGISTER_TYPED_TEST_SUITE_P(ShellContract,
                            LinksSaveAsFilesAndReadBackEveryField,
                            ALinkMayPointWhereNothingIsYet,
                            NoLinkIsSavedWhereNoFolderIsAndOnlyLinksReadBack);

}  // namespace platform::contract
