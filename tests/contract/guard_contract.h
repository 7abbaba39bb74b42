#pragma once
// What an elevated run's file system promises about a file that has another
// name: no change goes through the product's name into the other, and a
// replacing rename leaves the other name with what it held. The environment
// type offers:
//   FileSystem& files();  // the file system of an elevated run
//   std::string root();   // an empty folder of the test's own, no trailing backslash
//   void MakeSecondName(const std::string& existing, const std::string& name);  // a hard link
#include <gtest/gtest.h>

#include <string>

#include "platform/file_system.h"

namespace platform::contract {

template <typename Environment>
class GuardContract : public ::testing::Test {
 protected:
  std::string At(const std::string& relative) { return environment.root() + "\\" + relative; }

  Environment environment;
  FileSystem& files = environment.files();
};

TYPED_TEST_SUITE_P(GuardContract);

// What a user who may write the product's folder plants: a second name for
// the product's file, through which the administrator's change would reach a
// file of the user's choosing.
TYPED_TEST_P(GuardContract, EveryChangeRefusesAFileWithASecondNameAndLeavesBothAsTheyWere) {
  auto& files = this->files;
  const auto product = this->At("acad.lsp");
  const auto other = this->At("other.lsp");
  ASSERT_TRUE(files.WriteFile(product, "(princ)"));
  ASSERT_TRUE(files.WriteFile(this->At("medium.lsp"), "(load \"geolume\")"));
  this->environment.MakeSecondName(product, other);
  const auto attributes = files.GetAttributes(other);

  EXPECT_FALSE(files.WriteFile(product, "written"));
  EXPECT_EQ(files.LastError(), kErrorTooManyLinks);
  EXPECT_FALSE(files.CopyFile(this->At("medium.lsp"), product));
  EXPECT_EQ(files.LastError(), kErrorTooManyLinks);
  EXPECT_FALSE(files.AppendFile(product, "appended"));
  EXPECT_EQ(files.LastError(), kErrorTooManyLinks);
  EXPECT_FALSE(files.SetAttributes(product, kAttributeReadOnly | kAttributeHidden));
  EXPECT_EQ(files.LastError(), kErrorTooManyLinks);
  EXPECT_FALSE(files.SetAccess(product, kProtectedFileAccess));
  EXPECT_EQ(files.LastError(), kErrorTooManyLinks);
  EXPECT_FALSE(files.RenameFile(product, this->At("moved.lsp")));
  EXPECT_EQ(files.LastError(), kErrorTooManyLinks);
  EXPECT_FALSE(files.DeleteFile(product));
  EXPECT_EQ(files.LastError(), kErrorTooManyLinks);

  EXPECT_EQ(files.ReadFile(other), "(princ)");
  EXPECT_EQ(files.ReadFile(product), "(princ)");
  EXPECT_EQ(files.GetAttributes(other), attributes);
  EXPECT_FALSE(files.FileExists(this->At("moved.lsp")));
}

TYPED_TEST_P(GuardContract, ReplacingANameLeavesItsOtherNameWithTheOldFile) {
  auto& files = this->files;
  const auto product = this->At("acad.lsp");
  ASSERT_TRUE(files.WriteFile(product, "old"));
  this->environment.MakeSecondName(product, this->At("kept.lsp"));
  ASSERT_TRUE(files.WriteFile(this->At("acad.lsp.new"), "new"));

  ASSERT_TRUE(files.ReplaceFile(this->At("acad.lsp.new"), product)) << files.LastError();
  EXPECT_EQ(files.ReadFile(product), "new");
  EXPECT_EQ(files.ReadFile(this->At("kept.lsp")), "old");
  EXPECT_FALSE(files.FileExists(this->At("acad.lsp.new")));
  // Nothing at the name: the replacing rename is a rename.
  ASSERT_TRUE(files.WriteFile(this->At("startup.new"), "startup"));
  ASSERT_TRUE(files.ReplaceFile(this->At("startup.new"), this->At("on_start.lsp")));
  EXPECT_EQ(files.ReadFile(this->At("on_start.lsp")), "startup");

  // What is renamed in must have one name: else the product's name would
  // stand for a file the user can reach by the other.
  ASSERT_TRUE(files.WriteFile(this->At("planted.new"), "planted"));
  this->environment.MakeSecondName(this->At("planted.new"), this->At("user.lsp"));
  EXPECT_FALSE(files.ReplaceFile(this->At("planted.new"), product));
  EXPECT_EQ(files.LastError(), kErrorTooManyLinks);
  EXPECT_EQ(files.ReadFile(product), "new");
}

REGISTER_TYPED_TEST_SUITE_P(GuardContract, EveryChangeRefusesAFileWithASecondNameAndLeavesBothAsTheyWere,
                            ReplacingANameLeavesItsOtherNameWithTheOldFile);

}  // namespace platform::contract
