// The running-host test, the merge of the product's folders into search and
// trusted paths, and the release number of a profile.
#include <gtest/gtest.h>

#include "cad/cad_messages.h"
#include "cad/product_paths.h"
#include "cad/release_number.h"
#include "cad/running_host_check.h"
#include "cad/trusted_paths.h"
#include "platform/memory/memory_processes.h"

namespace {

TEST(IsProcessRunning, ComparesFileNamesWithoutFolderOrLetterCase) {
  platform::MemoryProcesses processes;
  processes.SetRunning({"C:\\Program Files\\Autodesk\\AutoCAD 2021\\ACAD.EXE", "explorer.exe"});
  EXPECT_TRUE(cad::IsProcessRunning(processes, "acad.exe"));
  processes.SetRunning({"D:\\outro\\Acad.exe"});
  EXPECT_TRUE(cad::IsProcessRunning(processes, "acad.exe"));
  processes.SetRunning({"acad.exe.bak", "C:\\x\\myacad.exe", "C:\\acad.exe\\cad.exe"});
  EXPECT_FALSE(cad::IsProcessRunning(processes, "acad.exe"));
  processes.SetRunning({"C:\\Programas\\ÉDITION.EXE"});
  EXPECT_TRUE(cad::IsProcessRunning(processes, "édition.exe"));
}

TEST(IsProcessRunning, NoSnapshotMeansNothingRuns) {
  platform::MemoryProcesses processes;
  processes.SetRunning({"acad.exe"});
  processes.SetSnapshotAvailable(false);
  EXPECT_FALSE(cad::IsProcessRunning(processes, "acad.exe"));
  EXPECT_FALSE(cad::RunningHostMessage(processes));
}

TEST(RunningHostMessage, FirstOpenHostInTheFixedOrderSpeaks) {
  platform::MemoryProcesses processes;
  EXPECT_FALSE(cad::RunningHostMessage(processes));
  processes.SetRunning({"gcad.exe", "BricsCAD.exe", "acad.exe"});
  EXPECT_EQ(cad::RunningHostMessage(processes), cad::messages::kAutoCadOpen);
  processes.SetRunning({"gcad.exe", "BricsCAD.exe"});
  EXPECT_EQ(cad::RunningHostMessage(processes), cad::messages::kBricsCadOpen);
  processes.SetRunning({"c:\\gstar\\GCAD.EXE"});
  EXPECT_EQ(cad::RunningHostMessage(processes),
            "Existe um GstarCAD Aberto. Por favor feche todas as janelas do GstarCAD que estiverem "
            "abertas e tente novamente!!!");
}

TEST(AddProductPaths, AddsWhatTheTextDoesNotHoldAnywhere) {
  EXPECT_EQ(cad::AddProductPaths(""), ";C:\\geolume;C:\\geolume\\simbolos");
  EXPECT_EQ(cad::AddProductPaths("d:\\s"), "d:\\s;C:\\geolume;C:\\geolume\\simbolos");
  EXPECT_EQ(cad::AddProductPaths("d:\\s;"), "d:\\s;;C:\\geolume;C:\\geolume\\simbolos");
  EXPECT_EQ(cad::AddProductPaths("d:\\s;c:\\Geolume"), "d:\\s;c:\\Geolume;C:\\geolume\\simbolos");
  // The root test finds the root inside the longer folder.
  EXPECT_EQ(cad::AddProductPaths("C:\\GEOLUME\\SIMBOLOS"), "C:\\GEOLUME\\SIMBOLOS");
  const std::string merged = "c:\\GeoLume;C:\\geolume\\Simbolos;d:\\s";
  EXPECT_EQ(cad::AddProductPaths(merged), merged);
  EXPECT_EQ(cad::AddProductPaths(cad::AddProductPaths("d:\\s")), cad::AddProductPaths("d:\\s"));
}

TEST(MergeTrustedPath, KeepsTheOtherTrustedFoldersAndAddsOursOnce) {
  EXPECT_EQ(cad::MergeTrustedPath(""), "C:\\geolume");
  EXPECT_EQ(cad::MergeTrustedPath("."), "C:\\geolume");
  EXPECT_EQ(cad::MergeTrustedPath("  "), "C:\\geolume");
  EXPECT_EQ(cad::MergeTrustedPath("d:\\addin\\...;e:\\lisp"), "d:\\addin\\...;e:\\lisp;C:\\geolume");
  EXPECT_EQ(cad::MergeTrustedPath("c:\\geolume\\simbolos"), "c:\\geolume\\simbolos;C:\\geolume");
  EXPECT_EQ(cad::MergeTrustedPath("c:\\geolume2;x"), "c:\\geolume2;x;C:\\geolume");
  for (const std::string present :
       {"C:\\geolume", "d:\\a; \"c:\\GEOLUME\\\" ", "c:\\Geolume\\...;d:\\a", "d:\\a;c:\\geolume\\"}) {
    EXPECT_EQ(cad::MergeTrustedPath(present), present);
  }
}

TEST(ReleaseNumber, ReadsTheFolderAfterTheFirstCapitalRWithAPoint) {
  EXPECT_DOUBLE_EQ(cad::ReleaseNumber("\\Software\\Autodesk\\AutoCAD\\R19.1\\ACAD-D001:409\\Profiles\\p"), 19.1);
  EXPECT_GE(cad::ReleaseNumber("\\Software\\Autodesk\\AutoCAD\\R19.1\\ACAD-D001:409"), 19.1);
  EXPECT_LT(cad::ReleaseNumber("\\Software\\Autodesk\\AutoCAD\\R19.0\\ACAD-B001:409"), 19.1);
  EXPECT_DOUBLE_EQ(cad::ReleaseNumber("\\Software\\Autodesk\\AutoCAD\\R18.2\\ACAD-A001:416"), 18.2);
  EXPECT_DOUBLE_EQ(cad::ReleaseNumber("\\Software\\Autodesk\\AutoCAD\\R24.0\\x"), 24.0);
  // No "\R", no backslash within ten characters, or no number: 0.
  EXPECT_EQ(cad::ReleaseNumber("\\software\\autodesk\\autocad\\r19.1\\x"), 0);
  EXPECT_EQ(cad::ReleaseNumber("\\Software\\AutoCAD\\R19.1"), 0);
  EXPECT_EQ(cad::ReleaseNumber("\\Software\\AutoCAD\\R19.1234567890\\x"), 0);
  EXPECT_EQ(cad::ReleaseNumber("\\Software\\AutoCAD\\R19,1\\x"), 0);
  EXPECT_EQ(cad::ReleaseNumber("\\Software\\AutoCAD\\Release\\x"), 0);
  EXPECT_EQ(cad::ReleaseNumber("\\Software\\AutoCAD\\R\\x"), 0);
  EXPECT_EQ(cad::ReleaseNumber("\\Software\\AutoCAD\\Rinf\\x"), 0);
}

}  // namespace
