#pragma once
// What every FileSystem promises, written once and run against each Windows:
// the in-memory one on the host and the real one under Wine. The environment
// type offers:
//   FileSystem& files();
//   std::string root();  // an empty folder of the test's own, no trailing backslash
//   void SetLocalWriteTime(const std::string& path, const LocalTime& time);
//   void HoldOpen(const std::string& path, OtherOpen sharing);  // as another program
//   void Release(const std::string& path);
//   bool UnderWine();
// Where Wine is known to differ from Windows, the expectation says so and
// takes Wine's answer only under Wine.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "tests/contract/environment.h"

namespace platform::contract {

constexpr std::uint32_t kErrorInvalidParameter = 87;
constexpr std::uint32_t kErrorInvalidName = 123;
constexpr std::uint32_t kErrorDirectory = 267;

template <typename Environment>
class FileSystemContract : public ::testing::Test {
 protected:
  std::string At(const std::string& relative) { return environment.root() + "\\" + relative; }

  // The folder's entries, folders marked by a trailing backslash, sorted.
  std::vector<std::string> Listing(const std::string& relative) {
    const auto entries = files.ListFolder(At(relative));
    if (!entries) return {"(not listed)"};
    std::vector<std::string> names;
    for (const auto& entry : *entries) names.push_back(entry.name + (entry.is_folder ? "\\" : ""));
    std::sort(names.begin(), names.end());
    return names;
  }

  // A file of that content, in its folder, whose last write was at the time given.
  void MakeFile(const std::string& relative, const std::string& content, const LocalTime& time) {
    const auto folder_end = relative.find_last_of('\\');
    if (folder_end != std::string::npos) {
      ASSERT_TRUE(files.CreateFolders(At(relative.substr(0, folder_end)))) << relative;
    }
    ASSERT_TRUE(files.WriteFile(At(relative), content)) << relative;
    environment.SetLocalWriteTime(At(relative), time);
  }

  // Wine reports the archive bit on every file, whatever was set; Windows
  // reports what was set.
  std::uint32_t ArchiveUnderWine() {
    return environment.UnderWine() ? std::uint32_t{kAttributeArchive} : 0u;
  }

  Environment environment;
  FileSystem& files = environment.files();
};

TYPED_TEST_SUITE_P(FileSystemContract);

TYPED_TEST_P(FileSystemContract, NamesIgnoreCaseAndKeepTheSpellingTheyWereGiven) {
  auto& files = this->files;
  ASSERT_TRUE(files.CreateFolders(this->At("Geolume\\Programa")));
  ASSERT_TRUE(files.WriteFile(this->At("Geolume\\Programa\\Acad.LSP"), "first"));
  EXPECT_TRUE(files.FileExists(this->At("GEOLUME\\programa\\acad.lsp")));
  EXPECT_TRUE(files.FolderExists(this->At("geolume\\PROGRAMA")));
  EXPECT_FALSE(files.FolderExists(this->At("geolume\\programa\\ACAD.LSP")));
  EXPECT_FALSE(files.FileExists(this->At("GEOLUME")));

  // Writing and copying over a file spelt otherwise keep the name it has.
  ASSERT_TRUE(files.WriteFile(this->At("geolume\\programa\\ACAD.lsp"), "second"));
  EXPECT_EQ(files.ReadFile(this->At("GEOLUME\\PROGRAMA\\ACAD.LSP")), "second");
  ASSERT_TRUE(files.WriteFile(this->At("Geolume\\source.txt"), "copied"));
  ASSERT_TRUE(files.CopyFile(this->At("GEOLUME\\SOURCE.TXT"),
                             this->At("geolume\\PROGRAMA\\acad.LSP")));
  EXPECT_EQ(files.ReadFile(this->At("geolume\\programa\\acad.lsp")), "copied");
  EXPECT_EQ(this->Listing("GEOLUME\\programa"),
            (std::vector<std::string>{"..\\", ".\\", "Acad.LSP"}));

  // A new name that differs only in case is a rename all the same; Wine
  // answers success but keeps the old spelling.
  ASSERT_TRUE(files.RenameFile(this->At("geolume\\programa\\acad.lsp"),
                               this->At("geolume\\programa\\ACAD.LSP")));
  const auto renamed = this->environment.UnderWine() ? "Acad.LSP" : "ACAD.LSP";
  EXPECT_EQ(this->Listing("geolume\\programa"),
            (std::vector<std::string>{"..\\", ".\\", renamed}));
  // Renaming onto another file, spelt any way, is refused.
  ASSERT_TRUE(files.WriteFile(this->At("geolume\\programa\\acad-Renomeado-pelo-Geolume-1.lsp"),
                              "set aside"));
  EXPECT_FALSE(files.RenameFile(this->At("geolume\\programa\\acad.lsp"),
                                this->At("GEOLUME\\Programa\\ACAD-renomeado-PELO-geolume-1.LSP")));
  EXPECT_EQ(files.LastError(), kErrorAlreadyExists);
  EXPECT_EQ(files.ReadFile(this->At("geolume\\programa\\acad-renomeado-pelo-geolume-1.lsp")),
            "set aside");
}

TYPED_TEST_P(FileSystemContract, NamesInOtherScriptsIgnoreCaseToo) {
  auto& files = this->files;
  ASSERT_TRUE(files.CreateFolders(this->At("Sistema Topográfico")));
  ASSERT_TRUE(files.CreateFolders(this->At("Τοπογραφία")));
  ASSERT_TRUE(files.WriteFile(this->At("Sistema Topográfico\\Çedilha é ÿ ā ș.txt"), "latin"));
  ASSERT_TRUE(files.WriteFile(this->At("Τοπογραφία\\σημεία.txt"), "greek"));
  ASSERT_TRUE(files.WriteFile(this->At("Съёмка ґ.cad"), "cyrillic"));
  ASSERT_TRUE(files.WriteFile(this->At("Չափում ǆ ⓐ.niv"), "other"));
  ASSERT_TRUE(files.WriteFile(this->At("測量ａｂ.niv"), "full width"));

  EXPECT_EQ(files.ReadFile(this->At("SISTEMA TOPOGRÁFICO\\çEDILHA É Ÿ Ā Ș.TXT")), "latin");
  EXPECT_EQ(files.ReadFile(this->At("ΤΟΠΟΓΡΑΦΊΑ\\ΣΗΜΕΊΑ.TXT")), "greek");
  EXPECT_EQ(files.ReadFile(this->At("СЪЁМКА Ґ.CAD")), "cyrillic");
  EXPECT_EQ(files.ReadFile(this->At("ՉԱՓՈՒՄ Ǆ Ⓐ.NIV")), "other");
  EXPECT_EQ(files.ReadFile(this->At("測量ＡＢ.NIV")), "full width");
  EXPECT_EQ(this->Listing("sistema topográfico"),
            (std::vector<std::string>{"..\\", ".\\", "Çedilha é ÿ ā ș.txt"}));

  // Letters of the same shape in another script, or without their accent,
  // are other letters.
  EXPECT_FALSE(files.FileExists(this->At("Cъёмка ґ.cad")));  // a Latin C
  EXPECT_FALSE(files.FolderExists(this->At("Τοπογραφια")));
  EXPECT_FALSE(files.FolderExists(this->At("Sistema Topografico")));
  // So are letters whose upper case form lower-cases to another letter: the
  // final sigma, the dotless i.
  ASSERT_TRUE(files.WriteFile(this->At("σημεία ς.txt"), "final sigma"));
  ASSERT_TRUE(files.WriteFile(this->At("Iı.txt"), "dotless i"));
  EXPECT_FALSE(files.FileExists(this->At("ΣΗΜΕΊΑ Σ.TXT")));
  EXPECT_FALSE(files.FileExists(this->At("II.TXT")));
  EXPECT_FALSE(files.FileExists(this->At("Iİ.TXT")));
}

TYPED_TEST_P(FileSystemContract, PathsTakeDoubledSeparatorsSlashesAndDots) {
  auto& files = this->files;
  ASSERT_TRUE(files.CreateFolders(this->At("geolume\\programa\\")));
  ASSERT_TRUE(files.WriteFile(this->At("geolume\\programa\\acad.lsp"), "x"));
  EXPECT_TRUE(files.FileExists(this->At("geolume\\\\programa\\acad.lsp")));
  EXPECT_TRUE(files.FileExists(this->At("geolume/programa/acad.lsp")));
  EXPECT_TRUE(files.FileExists(this->At("geolume\\.\\x\\..\\programa\\acad.lsp")));
  EXPECT_TRUE(files.FolderExists(this->At("geolume\\programa\\")));
  EXPECT_EQ(files.LastError(), 0u);
  // A folder's name loses one dot at its end, the last name every dot and space.
  EXPECT_TRUE(files.FileExists(this->At("geolume.\\programa\\acad.lsp. .")));
  EXPECT_FALSE(files.FileExists(this->At("geolume \\programa\\acad.lsp")));
  ASSERT_TRUE(files.WriteFile(this->At("geolume\\novo. "), "y"));
  EXPECT_EQ(this->Listing("geolume"), (std::vector<std::string>{"..\\", ".\\", "novo", "programa\\"}));
  EXPECT_FALSE(files.FileExists(this->At("geolume\\programa\\acad.lsp\\x")));
  EXPECT_EQ(files.LastError(), kErrorPathNotFound);

  EXPECT_FALSE(files.FileExists(this->At("a|b.txt")));
  EXPECT_EQ(files.LastError(), kErrorInvalidName);
  EXPECT_FALSE(files.WriteFile(this->At("geolume\\a*b.txt"), "x"));
  EXPECT_EQ(files.LastError(), kErrorInvalidName);
}

TYPED_TEST_P(FileSystemContract, AFileNameFollowedByASeparatorNamesNoFile) {
  auto& files = this->files;
  const auto file = this->At("acad.lsp\\");
  ASSERT_TRUE(files.WriteFile(this->At("acad.lsp"), "x"));
  EXPECT_FALSE(files.FileExists(file));
  EXPECT_FALSE(files.GetAttributes(file));
  EXPECT_EQ(files.LastError(), kErrorPathNotFound);
  EXPECT_FALSE(files.ListFolder(this->At("acad.lsp")));
  EXPECT_EQ(files.LastError(), kErrorInvalidName);
  EXPECT_FALSE(files.ReadFile(file));
  EXPECT_EQ(files.LastError(), kErrorInvalidName);
  EXPECT_FALSE(files.ReadStamp(file));
  EXPECT_EQ(files.LastError(), kErrorInvalidName);
  EXPECT_FALSE(files.SetAttributes(file, kAttributeHidden));
  EXPECT_EQ(files.LastError(), kErrorInvalidName);
  EXPECT_FALSE(files.CopyFile(file, this->At("copy.lsp")));
  EXPECT_EQ(files.LastError(), kErrorInvalidName);
  EXPECT_FALSE(files.RenameFile(file, this->At("moved.lsp")));
  EXPECT_EQ(files.LastError(), kErrorInvalidName);
  EXPECT_FALSE(files.DeleteFile(file));
  EXPECT_EQ(files.LastError(), kErrorInvalidName);
  EXPECT_FALSE(files.RemoveFolder(file));
  EXPECT_EQ(files.LastError(), kErrorInvalidName);
  EXPECT_FALSE(files.RemoveFolder(this->At("acad.lsp")));
  EXPECT_EQ(files.LastError(), kErrorDirectory);

  // Nor can a file be made under such a name.
  EXPECT_FALSE(files.WriteFile(this->At("new.lsp\\"), "x"));
  EXPECT_EQ(files.LastError(), kErrorInvalidName);
  EXPECT_FALSE(files.CopyFile(this->At("acad.lsp"), this->At("copy.lsp\\")));
  EXPECT_EQ(files.LastError(), kErrorInvalidName);
  EXPECT_FALSE(files.RenameFile(this->At("acad.lsp"), this->At("moved.lsp\\")));
  EXPECT_EQ(files.LastError(), kErrorDirectory);
  EXPECT_EQ(this->Listing(""), (std::vector<std::string>{"..\\", ".\\", "acad.lsp"}));
  EXPECT_EQ(files.ReadFile(this->At("acad.lsp")), "x");
}

TYPED_TEST_P(FileSystemContract, AttributesReadBackAsSet) {
  auto& files = this->files;
  const auto path = this->At("descritivo.cfg");
  ASSERT_TRUE(files.WriteFile(path, "cfg"));
  EXPECT_EQ(files.GetAttributes(path), kAttributeArchive);
  EXPECT_EQ(files.LastError(), 0u);

  ASSERT_TRUE(files.SetAttributes(path, kAttributeReadOnly | kAttributeHidden));
  EXPECT_EQ(files.GetAttributes(path),
            kAttributeReadOnly | kAttributeHidden | this->ArchiveUnderWine());
  ASSERT_TRUE(files.SetAttributes(path, kAttributeSystem | kAttributeArchive));
  EXPECT_EQ(files.GetAttributes(path), kAttributeSystem | kAttributeArchive);
  // A file with no attribute left reports "normal", which stands alone.
  ASSERT_TRUE(files.SetAttributes(path, kAttributeNormal));
  EXPECT_EQ(files.GetAttributes(path),
            this->environment.UnderWine() ? kAttributeArchive : kAttributeNormal);

  // A copy carries its source's attributes and is marked for archiving.
  ASSERT_TRUE(files.SetAttributes(path, kAttributeReadOnly | kAttributeHidden));
  ASSERT_TRUE(files.CopyFile(path, this->At("copy.cfg")));
  EXPECT_EQ(files.GetAttributes(this->At("copy.cfg")),
            kAttributeReadOnly | kAttributeHidden | kAttributeArchive);

  ASSERT_TRUE(files.CreateFolders(this->At("folder")));
  EXPECT_EQ(files.GetAttributes(this->At("FOLDER")), kAttributeDirectory);
  EXPECT_FALSE(files.GetAttributes(this->At("none.cfg")));
  EXPECT_EQ(files.LastError(), kErrorFileNotFound);
  EXPECT_FALSE(files.GetAttributes(this->At("none\\x.cfg")));
  EXPECT_EQ(files.LastError(), kErrorPathNotFound);
  EXPECT_FALSE(files.SetAttributes(this->At("none.cfg"), kAttributeNormal));
  EXPECT_EQ(files.LastError(), kErrorFileNotFound);
}

TYPED_TEST_P(FileSystemContract, ReadOnlyHiddenAndSystemFilesRefuseBeingReplaced) {
  auto& files = this->files;
  ASSERT_TRUE(files.WriteFile(this->At("new.dll"), "new"));
  struct Case {
    std::uint32_t attribute;
    bool copy_refused;
  };
  // Writing a file anew is refused over all three; a copy, over read-only
  // and hidden files.
  for (const Case& case_ : {Case{kAttributeReadOnly, true}, Case{kAttributeHidden, true},
                            Case{kAttributeSystem, false}}) {
    SCOPED_TRACE(case_.attribute);
    const auto path = this->At("old.dll");
    ASSERT_TRUE(files.WriteFile(path, "old"));
    ASSERT_TRUE(files.SetAttributes(path, case_.attribute));
    const bool written = files.WriteFile(path, "x");
    // Wine lets hidden and system files be written over, and read-only ones
    // too when it runs as root.
    if (!this->environment.UnderWine()) {
      EXPECT_FALSE(written);
      EXPECT_EQ(files.LastError(), kErrorAccessDenied);
      EXPECT_EQ(files.ReadFile(path), "old");
    }
    ASSERT_TRUE(files.SetAttributes(path, case_.attribute));
    const bool copied = files.CopyFile(this->At("new.dll"), path);
    if (!this->environment.UnderWine()) {
      EXPECT_EQ(copied, !case_.copy_refused);
      EXPECT_EQ(files.LastError(), case_.copy_refused ? kErrorAccessDenied : 0u);
      EXPECT_EQ(files.ReadFile(path), std::string(case_.copy_refused ? "old" : "new"));
    }
    ASSERT_TRUE(files.SetAttributes(path, kAttributeNormal));
  }

  // A read-only file cannot be deleted, but it can be renamed.
  const auto path = this->At("old.dll");
  ASSERT_TRUE(files.SetAttributes(path, kAttributeReadOnly));
  EXPECT_FALSE(files.DeleteFile(path));
  EXPECT_EQ(files.LastError(), kErrorAccessDenied);
  EXPECT_TRUE(files.RenameFile(path, this->At("moved.dll")));
  EXPECT_TRUE(files.FileExists(this->At("moved.dll")));
  EXPECT_FALSE(files.FileExists(path));
  // Hidden and system files are deleted like any other.
  ASSERT_TRUE(files.SetAttributes(this->At("moved.dll"), kAttributeHidden | kAttributeSystem));
  EXPECT_TRUE(files.DeleteFile(this->At("moved.dll")));
  EXPECT_FALSE(files.FileExists(this->At("moved.dll")));
}

TYPED_TEST_P(FileSystemContract, AReadOnlyFolderStillTakesNewFilesButIsNotRemoved) {
  auto& files = this->files;
  ASSERT_TRUE(files.CreateFolders(this->At("suporte")));
  ASSERT_TRUE(files.SetAttributes(this->At("suporte"), kAttributeReadOnly));
  EXPECT_TRUE(files.WriteFile(this->At("suporte\\acad.lsp"), "x"));
  EXPECT_TRUE(files.CreateFolders(this->At("suporte\\sub")));
  EXPECT_TRUE(files.RemoveFolder(this->At("suporte\\sub")));
  EXPECT_TRUE(files.DeleteFile(this->At("suporte\\acad.lsp")));
  if (this->environment.UnderWine()) {
    // Wine keeps no read-only attribute on folders: it neither reports it
    // nor refuses removal. Windows does both.
    EXPECT_EQ(files.GetAttributes(this->At("suporte")), kAttributeDirectory);
    return;
  }
  EXPECT_EQ(files.GetAttributes(this->At("suporte")), kAttributeDirectory | kAttributeReadOnly);
  EXPECT_FALSE(files.RemoveFolder(this->At("suporte")));
  EXPECT_EQ(files.LastError(), kErrorAccessDenied);
  ASSERT_TRUE(files.SetAttributes(this->At("suporte"), kAttributeNormal));
  EXPECT_TRUE(files.RemoveFolder(this->At("suporte")));
}

TYPED_TEST_P(FileSystemContract, StampsGiveTheLocalDosTimeAndTheSize) {
  auto& files = this->files;
  // 2003-05-17 09:30:43: DOS times count seconds in pairs, so 42.
  this->MakeFile("Geolume.exe", "program bytes", {2003, 5, 17, 9, 30, 43});
  const auto stamp = files.ReadStamp(this->At("GEOLUME.EXE"));
  ASSERT_TRUE(stamp);
  EXPECT_EQ(stamp->dos_date_time, 0x2EB14BD5u);
  EXPECT_EQ(stamp->size_low, 13u);
  EXPECT_EQ(files.LastError(), 0u);

  // The two ends of the DOS range.
  this->MakeFile("early.txt", "", {1980, 1, 1, 0, 0, 0});
  this->MakeFile("late.txt", "late", {2107, 12, 31, 23, 59, 58});
  EXPECT_EQ(files.ReadStamp(this->At("early.txt"))->dos_date_time, 0x00210000u);
  EXPECT_EQ(files.ReadStamp(this->At("early.txt"))->size_low, 0u);
  EXPECT_EQ(files.ReadStamp(this->At("late.txt"))->dos_date_time, 0xFF9FBF7Du);

  ASSERT_TRUE(files.CreateFolders(this->At("folder")));
  EXPECT_FALSE(files.ReadStamp(this->At("folder")));
  EXPECT_EQ(files.LastError(), kErrorAccessDenied);
  EXPECT_FALSE(files.ReadStamp(this->At("none.exe")));
  EXPECT_EQ(files.LastError(), kErrorFileNotFound);
  EXPECT_FALSE(files.ReadStamp(this->At("none\\geolume.exe")));
  EXPECT_EQ(files.LastError(), kErrorPathNotFound);
  EXPECT_TRUE(files.GetAttributes(this->At("folder")));
  EXPECT_EQ(files.LastError(), 0u);
}

TYPED_TEST_P(FileSystemContract, ACopyKeepsTheLastWriteTimeOfItsSource) {
  auto& files = this->files;
  this->MakeFile("medium\\Geolume.exe", "program bytes", {2003, 5, 17, 9, 30, 42});
  this->MakeFile("geolume\\geolume.exe", "an older program", {2024, 1, 15, 12, 0, 0});
  ASSERT_TRUE(files.CopyFile(this->At("medium\\Geolume.exe"), this->At("geolume\\geolume.exe")));
  ASSERT_TRUE(files.CopyFile(this->At("medium\\Geolume.exe"), this->At("geolume\\new.exe")));
  for (const char* copy : {"geolume\\geolume.exe", "geolume\\new.exe"}) {
    const auto stamp = files.ReadStamp(this->At(copy));
    ASSERT_TRUE(stamp) << copy;
    EXPECT_EQ(stamp->dos_date_time, 0x2EB14BD5u) << copy;
    EXPECT_EQ(stamp->size_low, 13u) << copy;
    EXPECT_EQ(files.ReadFile(this->At(copy)), "program bytes");
  }
}

TYPED_TEST_P(FileSystemContract, AFileHeldOpenSharingNothingRefusesEverythingButAttributes) {
  auto& files = this->files;
  const auto held = this->At("geolume\\held.dll");
  this->MakeFile("geolume\\held.dll", "held", {2003, 5, 17, 9, 30, 42});
  ASSERT_TRUE(files.WriteFile(this->At("new.dll"), "new"));
  this->environment.HoldOpen(held, OtherOpen::SharingNothing);

  EXPECT_FALSE(files.ReadStamp(held));
  EXPECT_EQ(files.LastError(), kErrorSharingViolation);
  EXPECT_FALSE(files.ReadFile(held));
  EXPECT_EQ(files.LastError(), kErrorSharingViolation);
  EXPECT_FALSE(files.CopyFile(held, this->At("copy.dll")));
  EXPECT_EQ(files.LastError(), kErrorSharingViolation);
  EXPECT_FALSE(files.CopyFile(this->At("new.dll"), held));
  EXPECT_EQ(files.LastError(), kErrorSharingViolation);
  EXPECT_FALSE(files.WriteFile(held, "x"));
  EXPECT_EQ(files.LastError(), kErrorSharingViolation);
  EXPECT_FALSE(files.DeleteFile(held));
  EXPECT_EQ(files.LastError(), kErrorSharingViolation);
  EXPECT_FALSE(files.RenameFile(held, this->At("geolume\\moved.dll")));
  EXPECT_EQ(files.LastError(), kErrorSharingViolation);
  // Wine moves the folder of an open file; Windows refuses.
  if (!this->environment.UnderWine()) {
    EXPECT_FALSE(files.RenameFile(this->At("geolume"), this->At("moved")));
    EXPECT_EQ(files.LastError(), kErrorAccessDenied);
  }
  EXPECT_TRUE(files.FileExists(held));
  EXPECT_TRUE(files.SetAttributes(held, kAttributeHidden));
  EXPECT_EQ(files.GetAttributes(held), kAttributeHidden | this->ArchiveUnderWine());
  EXPECT_TRUE(files.SetAttributes(held, kAttributeArchive));

  this->environment.Release(held);
  const auto stamp = files.ReadStamp(held);
  ASSERT_TRUE(stamp);
  EXPECT_EQ(files.LastError(), 0u);
  EXPECT_EQ(stamp->dos_date_time, 0x2EB14BD5u);
  EXPECT_EQ(files.ReadFile(held), "held");
  EXPECT_TRUE(files.CopyFile(this->At("new.dll"), held));
  EXPECT_TRUE(files.DeleteFile(held));
}

TYPED_TEST_P(FileSystemContract, AFileHeldOpenForSharedReadingCanOnlyBeRead) {
  auto& files = this->files;
  const auto held = this->At("shared.txt");
  ASSERT_TRUE(files.WriteFile(held, "shared"));
  ASSERT_TRUE(files.WriteFile(this->At("new.txt"), "new"));
  this->environment.HoldOpen(held, OtherOpen::SharingRead);

  EXPECT_EQ(files.ReadFile(held), "shared");
  EXPECT_TRUE(files.CopyFile(held, this->At("copy.txt")));
  EXPECT_EQ(files.ReadFile(this->At("copy.txt")), "shared");
  // An open that shares with nobody still meets the other program's open.
  EXPECT_FALSE(files.ReadStamp(held));
  EXPECT_EQ(files.LastError(), kErrorSharingViolation);
  EXPECT_FALSE(files.WriteFile(held, "x"));
  EXPECT_EQ(files.LastError(), kErrorSharingViolation);
  EXPECT_FALSE(files.CopyFile(this->At("new.txt"), held));
  EXPECT_EQ(files.LastError(), kErrorSharingViolation);
  EXPECT_FALSE(files.DeleteFile(held));
  EXPECT_EQ(files.LastError(), kErrorSharingViolation);
  EXPECT_FALSE(files.RenameFile(held, this->At("moved.txt")));
  EXPECT_EQ(files.LastError(), kErrorSharingViolation);
  this->environment.Release(held);
  EXPECT_EQ(files.ReadFile(held), "shared");
  EXPECT_TRUE(files.DeleteFile(held));
}

TYPED_TEST_P(FileSystemContract, FoldersListCreateAndRemove) {
  auto& files = this->files;
  ASSERT_TRUE(files.CreateFolders(this->At("Sistema Topográfico Geolume\\sub\\deeper\\")));
  EXPECT_TRUE(files.CreateFolders(this->At("sistema topográfico geolume\\SUB")));
  ASSERT_TRUE(files.WriteFile(this->At("Sistema Topográfico Geolume\\Geolume.lnk"), "x"));
  ASSERT_TRUE(files.WriteFile(this->At("Sistema Topográfico Geolume\\Oculto.ini"), "x"));
  ASSERT_TRUE(files.SetAttributes(this->At("Sistema Topográfico Geolume\\Oculto.ini"),
                                  kAttributeHidden | kAttributeSystem));
  EXPECT_EQ(this->Listing("Sistema Topográfico Geolume\\"),
            (std::vector<std::string>{"..\\", ".\\", "Geolume.lnk", "Oculto.ini", "sub\\"}));
  EXPECT_EQ(this->Listing("Sistema Topográfico Geolume\\sub\\deeper"),
            (std::vector<std::string>{"..\\", ".\\"}));
  EXPECT_FALSE(files.ListFolder(this->At("none")));
  EXPECT_EQ(files.LastError(), kErrorPathNotFound);

  EXPECT_FALSE(files.CreateFolders(this->At("Sistema Topográfico Geolume\\Geolume.lnk\\sub")));
  EXPECT_EQ(files.LastError(), kErrorAlreadyExists);
  EXPECT_FALSE(files.RemoveFolder(this->At("Sistema Topográfico Geolume\\sub")));
  EXPECT_EQ(files.LastError(), kErrorDirNotEmpty);
  EXPECT_FALSE(files.RemoveFolder(this->At("Sistema Topográfico Geolume\\Geolume.lnk")));
  EXPECT_EQ(files.LastError(), kErrorDirectory);
  EXPECT_TRUE(files.RemoveFolder(this->At("Sistema Topográfico Geolume\\sub\\deeper")));
  EXPECT_FALSE(files.FolderExists(this->At("Sistema Topográfico Geolume\\sub\\deeper")));
  EXPECT_FALSE(files.RemoveFolder(this->At("Sistema Topográfico Geolume\\sub\\deeper")));
  EXPECT_EQ(files.LastError(), kErrorFileNotFound);
}

TYPED_TEST_P(FileSystemContract, CopyDeleteAndRenameSayWhatStoodInTheWay) {
  auto& files = this->files;
  ASSERT_TRUE(files.CreateFolders(this->At("geolume\\programa")));
  ASSERT_TRUE(files.WriteFile(this->At("geolume\\a.txt"), "a"));

  EXPECT_FALSE(files.CopyFile(this->At("geolume\\missing.txt"), this->At("b.txt")));
  EXPECT_EQ(files.LastError(), kErrorFileNotFound);
  EXPECT_FALSE(files.CopyFile(this->At("geolume\\a.txt"), this->At("none\\a.txt")));
  EXPECT_EQ(files.LastError(), kErrorPathNotFound);
  EXPECT_FALSE(files.CopyFile(this->At("geolume\\a.txt"), this->At("geolume\\programa")));
  EXPECT_EQ(files.LastError(), kErrorAccessDenied);
  EXPECT_FALSE(files.CopyFile(this->At("geolume\\a.txt"), this->At("GEOLUME\\A.TXT")));
  EXPECT_EQ(files.LastError(), kErrorSharingViolation);
  EXPECT_EQ(files.ReadFile(this->At("geolume\\a.txt")), "a");

  EXPECT_FALSE(files.DeleteFile(this->At("geolume\\programa")));
  EXPECT_EQ(files.LastError(), kErrorAccessDenied);
  EXPECT_FALSE(files.CopyFile(this->At("geolume\\programa"), this->At("b.txt")));
  EXPECT_EQ(files.LastError(), kErrorAccessDenied);
  EXPECT_FALSE(files.ReadFile(this->At("geolume\\programa")));
  EXPECT_EQ(files.LastError(), kErrorAccessDenied);
  EXPECT_FALSE(files.WriteFile(this->At("geolume\\programa"), "x"));
  EXPECT_EQ(files.LastError(), kErrorAccessDenied);
  EXPECT_FALSE(files.DeleteFile(this->At("geolume\\missing.txt")));
  EXPECT_EQ(files.LastError(), kErrorFileNotFound);
  EXPECT_FALSE(files.DeleteFile(this->At("none\\a.txt")));
  EXPECT_EQ(files.LastError(), kErrorPathNotFound);

  EXPECT_FALSE(files.RenameFile(this->At("geolume\\missing.txt"), this->At("b.txt")));
  EXPECT_EQ(files.LastError(), kErrorFileNotFound);
  EXPECT_FALSE(files.RenameFile(this->At("geolume\\a.txt"), this->At("none\\a.txt")));
  EXPECT_EQ(files.LastError(), kErrorPathNotFound);
  EXPECT_FALSE(files.RenameFile(this->At("geolume"), this->At("geolume\\programa\\inside")));
  EXPECT_EQ(files.LastError(), kErrorInvalidParameter);
  // A folder moves with what it holds.
  EXPECT_TRUE(files.RenameFile(this->At("geolume"), this->At("renamed")));
  EXPECT_EQ(files.ReadFile(this->At("renamed\\a.txt")), "a");
  EXPECT_TRUE(files.FolderExists(this->At("renamed\\programa")));
  EXPECT_FALSE(files.FolderExists(this->At("geolume")));
}

TYPED_TEST_P(FileSystemContract, ReplaceFileRenamesOverTheTargetOrWhereNoneIs) {
  auto& files = this->files;
  ASSERT_TRUE(files.WriteFile(this->At("acad.lsp"), "old"));
  ASSERT_TRUE(files.WriteFile(this->At("acad.lsp.new"), "new"));
  ASSERT_TRUE(files.ReplaceFile(this->At("acad.lsp.new"), this->At("acad.lsp"))) << files.LastError();
  EXPECT_EQ(files.ReadFile(this->At("acad.lsp")), "new");
  EXPECT_FALSE(files.FileExists(this->At("acad.lsp.new")));
  ASSERT_TRUE(files.WriteFile(this->At("b.new"), "b"));
  ASSERT_TRUE(files.ReplaceFile(this->At("b.new"), this->At("b.txt")));
  EXPECT_EQ(files.ReadFile(this->At("b.txt")), "b");
  EXPECT_FALSE(files.ReplaceFile(this->At("missing.new"), this->At("b.txt")));
  EXPECT_EQ(files.LastError(), kErrorFileNotFound);
  EXPECT_EQ(files.ReadFile(this->At("b.txt")), "b");
  EXPECT_EQ(this->Listing(""), (std::vector<std::string>{"..\\", ".\\", "acad.lsp", "b.txt"}));
}

REGISTER_TYPED_TEST_SUITE_P(FileSystemContract,
                            NamesIgnoreCaseAndKeepTheSpellingTheyWereGiven,
                            NamesInOtherScriptsIgnoreCaseToo,
                            PathsTakeDoubledSeparatorsSlashesAndDots,
                            AFileNameFollowedByASeparatorNamesNoFile,
                            AttributesReadBackAsSet,
                            ReadOnlyHiddenAndSystemFilesRefuseBeingReplaced,
                            AReadOnlyFolderStillTakesNewFilesButIsNotRemoved,
                            StampsGiveTheLocalDosTimeAndTheSize,
                            ACopyKeepsTheLastWriteTimeOfItsSource,
                            AFileHeldOpenSharingNothingRefusesEverythingButAttributes,
                            AFileHeldOpenForSharedReadingCanOnlyBeRead,
                            FoldersListCreateAndRemove,
                            CopyDeleteAndRenameSayWhatStoodInTheWay,
                            ReplaceFileRenamesOverTheTargetOrWhereNoneIs);

}  // namespace platform::contract
