#include "platform/memory/memory_shell.h"

#include <gtest/gtest.h>

#include "platform/memory/memory_file_system.h"

namespace platform {
namespace {

ShellLink GeolumeLink() {
  ShellLink link;
  link.target = "c:\\geolume\\geolume.exe";
  link.working_folder = "c:\\geolume\\";
  link.description = "Sistema de Automação Topográfica Geolume 100% \r\nnovo";
  link.icon_path = "c:\\geolume\\geolume.exe";
  link.icon_index = 3;
  return link;
}

void ExpectSameLink(const ShellLink& actual, const ShellLink& expected) {
  EXPECT_EQ(actual.target, expected.target);
  EXPECT_EQ(actual.working_folder, expected.working_folder);
  EXPECT_EQ(actual.description, expected.description);
  EXPECT_EQ(actual.icon_path, expected.icon_path);
  EXPECT_EQ(actual.icon_index, expected.icon_index);
}

TEST(MemoryShell, SpecialFoldersHaveDefaultsAndCanBeChanged) {
  MemoryFileSystem files;
  MemoryShell shell(files);
  EXPECT_EQ(shell.SpecialFolder(kFolderDesktop), "C:\\Users\\Usuario\\Desktop");
  EXPECT_EQ(shell.SpecialFolder(kFolderProgramFiles), "C:\\Program Files (x86)");
  EXPECT_EQ(shell.SpecialFolder(0x05), "");
  shell.SetSpecialFolder(kFolderDesktop, "");
  EXPECT_EQ(shell.SpecialFolder(kFolderDesktop), "");
}

TEST(MemoryShell, SavedLinksAreFilesThatReadBackWhereverTheyGo) {
  MemoryFileSystem files;
  MemoryShell shell(files);
  files.AddFolder("C:\\Users\\Usuario\\Desktop");
  const std::string path = "C:\\Users\\Usuario\\Desktop\\Geolume.lnk";
  ASSERT_TRUE(shell.SaveLink(GeolumeLink(), path));
  EXPECT_TRUE(files.FileExists(path));
  ExpectSameLink(*shell.ReadLink("c:\\users\\usuario\\desktop\\geolume.lnk"), GeolumeLink());
  EXPECT_EQ(shell.SavedLinks(), std::vector<std::string>{path});

  ASSERT_TRUE(files.RenameFile(path, "C:\\Users\\Usuario\\Desktop\\Moved.lnk"));
  ExpectSameLink(*shell.ReadLink("C:\\Users\\Usuario\\Desktop\\Moved.lnk"), GeolumeLink());
  EXPECT_EQ(shell.ReadLink(path), std::nullopt);

  auto changed = GeolumeLink();
  changed.description = "Sistema de Automación Topográfica Geolume";
  ASSERT_TRUE(shell.SaveLink(changed, "C:\\Users\\Usuario\\Desktop\\Moved.lnk"));
  EXPECT_EQ(shell.ReadLink("C:\\Users\\Usuario\\Desktop\\Moved.lnk")->description,
            changed.description);

  files.AddFile("C:\\Users\\Usuario\\Desktop\\notes.lnk", "not a link");
  EXPECT_EQ(shell.ReadLink("C:\\Users\\Usuario\\Desktop\\notes.lnk"), std::nullopt);
}

TEST(MemoryShell, SavingFailsIntoMissingFoldersAndThrowsWithoutLinkObjects) {
  MemoryFileSystem files;
  MemoryShell shell(files);
  EXPECT_FALSE(shell.SaveLink(GeolumeLink(), "c:\\missing\\Geolume.lnk"));
  EXPECT_TRUE(shell.SavedLinks().empty());

  files.AddFolder("c:\\desk");
  shell.SetLinkCreationFails(true);
  EXPECT_THROW(shell.SaveLink(GeolumeLink(), "c:\\desk\\Geolume.lnk"), std::runtime_error);
  EXPECT_FALSE(files.FileExists("c:\\desk\\Geolume.lnk"));
}

}  // namespace
}  // namespace platform
