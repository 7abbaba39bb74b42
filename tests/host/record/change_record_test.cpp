// The record of changes: its lines, a record cut by a crash, and what the
// recording platform writes into it for each kind of change.
#include <gtest/gtest.h>

#include "record/change_record.h"
#include "record/recording_platform.h"
#include "tests/host/shell/test_windows.h"

namespace {

using platform::RegistryRoot;
using platform::RegistryValue;
using platform::RegistryValueType;
using record::Entry;
using record::EntryKind;

constexpr char kRecord[] = "C:\\Program Files (x86)\\Geo\\registro.txt";

RegistryValue Text(const std::string& text, RegistryValueType type = RegistryValueType::String) {
  RegistryValue value;
  value.type = type;
  value.text = text;
  return value;
}

Entry Of(EntryKind kind) {
  Entry entry;
  entry.kind = kind;
  return entry;
}

TEST(ChangeRecordLines, EveryKindReadsBackWhateverItsTextsHold) {
  Entry file = Of(EntryKind::File);
  file.path = "c:\\geolume\\a\tb%25\\c\r\nd%.txt";
  file.existed = true;
  file.stamp = {0x58CE6000, 4294967295u};
  Entry value = Of(EntryKind::Value);
  value.root = RegistryRoot::CurrentUser;
  value.key = "Software\\Autodesk\\AutoCAD\\R24.0\\ACAD-1\\Profiles\\<<Unnamed Profile>>\\General";
  value.name = "ACAD";
  value.former = Text("C:\\a;%PATH%\\x", RegistryValueType::ExpandString);
  value.written = Text("C:\\a;C:\\geolume");
  Entry number = Of(EntryKind::Value);
  number.root = RegistryRoot::LocalMachine;
  number.key = "k";
  number.name = "";
  number.written.type = RegistryValueType::Dword;
  number.written.number = 4000000000u;
  Entry binary = number;
  binary.former = RegistryValue{};
  binary.former->type = RegistryValueType::Binary;
  binary.former->bytes = {0x00, 0xff, 0x10};
  Entry renamed = Of(EntryKind::Renamed);
  renamed.path = "d:\\a\\acad.lsp";
  renamed.other_path = "d:\\a\\acad-Renomeado-pelo-Geolume-1.lsp";
  Entry run = Of(EntryKind::Run);
  run.text = "install";
  run.language = "es";
  for (const Entry& entry : {file, value, number, binary, renamed, run}) {
    const std::string line = record::LineOf(entry);
    EXPECT_EQ(line.find('\n'), std::string::npos) << line;
    const auto back = record::EntryOf(line);
    ASSERT_TRUE(back) << line;
    EXPECT_EQ(record::LineOf(*back), line);
  }
  const auto back = record::EntryOf(record::LineOf(file));
  EXPECT_EQ(back->path, file.path);
  EXPECT_EQ(back->stamp.size_low, 4294967295u);
  const auto former = record::EntryOf(record::LineOf(value))->former;
  ASSERT_TRUE(former);
  EXPECT_EQ(former->type, RegistryValueType::ExpandString);
  EXPECT_EQ(former->text, "C:\\a;%PATH%\\x");
  EXPECT_FALSE(record::EntryOf(record::LineOf(number))->former) << "absent before";
  EXPECT_EQ(record::EntryOf(record::LineOf(binary))->former->bytes, (std::vector<std::uint8_t>{0x00, 0xff, 0x10}));
}

TEST(ChangeRecordLines, ACutOrForeignLineIsPassedOverAndTheRestIsKept) {
  Entry folder = Of(EntryKind::Folder);
  folder.path = "c:\\geolume";
  const std::string whole = record::LineOf(folder) + "\n";
  EXPECT_EQ(record::ParseRecord(whole + "file\tc:\\geolume\\x\t1\n" + "bogus\tline\n" + "value\tHKXX\tk\tn\t-\ts:x\n" +
                                "file\tc:\\geolume\\y\t0\t12\t34\n" + whole + "folder\tc:\\geolume\\cut")
                .size(),
            3u);
  EXPECT_FALSE(record::EntryOf("folder\tc:\\bad%escape"));
  EXPECT_FALSE(record::EntryOf("file\tc:\\x\t2\t1\t1"));
}

class RecordingPlatformTest : public ::testing::Test {
 protected:
  std::vector<Entry> Entries() { return record::ReadRecord(windows.files, kRecord); }

  testing_support::TestWindows windows;
  record::ChangeRecord record{windows.files, kRecord, "install", "pt"};
  record::RecordingPlatform recorded{windows.platform, record};
  platform::Platform& machine = recorded.Get();
};

TEST_F(RecordingPlatformTest, ChangesAreRecordedWithWhatStoodBeforeAndReadsAreNot) {
  windows.files.AddFile("d:\\m\\a.dll", "novo");
  windows.files.AddFile("c:\\geolume\\a.dll", "antigo");
  windows.registry.SetString(RegistryRoot::ClassesRoot, ".zei", "", "Outro.Programa");
  EXPECT_FALSE(windows.files.FileExists(kRecord)) << "nothing changed, no record yet";

  ASSERT_TRUE(machine.files.CreateFolders("c:\\geolume\\formatos\\geolume"));
  ASSERT_TRUE(machine.files.CopyFile("d:\\m\\a.dll", "c:\\geolume\\a.dll"));
  ASSERT_TRUE(machine.files.CopyFile("d:\\m\\a.dll", "c:\\geolume\\formatos\\b.dll"));
  ASSERT_TRUE(machine.registry.CreateKey(RegistryRoot::ClassesRoot, "Arquivo ZEI\\shell\\open"));
  ASSERT_TRUE(machine.registry.WriteString(RegistryRoot::ClassesRoot, ".zei", "", "Arquivo ZEI"));
  ASSERT_TRUE(machine.files.RenameFile("c:\\geolume\\a.dll", "c:\\geolume\\a-velho.dll"));
  ASSERT_TRUE(machine.processes.StartHidden("c:\\geolume\\plotsum.exe /regserver"));
  machine.files.ListFolder("c:\\geolume");
  machine.registry.ReadValue(RegistryRoot::ClassesRoot, ".zei", "");

  const auto entries = Entries();
  std::vector<std::string> lines;
  for (const Entry& entry : entries) lines.push_back(record::LineOf(entry));
  const std::string stamp = std::to_string(platform::MemoryFileSystem::kDefaultClock);
  EXPECT_EQ(lines, (std::vector<std::string>{
                       "run\tinstall\tpt",
                       "folder\tc:\\geolume\\formatos",
                       "folder\tc:\\geolume\\formatos\\geolume",
                       "file\tc:\\geolume\\a.dll\t1\t4\t" + stamp,
                       "file\tc:\\geolume\\formatos\\b.dll\t0\t4\t" + stamp,
                       "key\tHKCR\tArquivo ZEI",
                       "key\tHKCR\tArquivo ZEI\\shell",
                       "key\tHKCR\tArquivo ZEI\\shell\\open",
                       "value\tHKCR\t.zei\t\ts:Outro.Programa\ts:Arquivo ZEI",
                       "renamed\tc:\\geolume\\a.dll\tc:\\geolume\\a-velho.dll",
                       "started\tc:\\geolume\\plotsum.exe /regserver",
                   }));
}

TEST_F(RecordingPlatformTest, AFailedChangeIsNotRecordedAndKeepsItsError) {
  windows.files.AddFile("d:\\m\\a.dll", "novo");
  windows.files.AddFile("c:\\geolume\\a.dll", "aberto");
  windows.files.HoldOpen("c:\\geolume\\a.dll", platform::FileSharing::None);
  EXPECT_FALSE(machine.files.CopyFile("d:\\m\\a.dll", "c:\\geolume\\a.dll"));
  EXPECT_EQ(machine.files.LastError(), platform::kErrorSharingViolation);
  EXPECT_FALSE(machine.registry.WriteString(RegistryRoot::CurrentUser, "Software\\Missing", "ACAD", "x"));
  EXPECT_TRUE(Entries().empty());
}

TEST_F(RecordingPlatformTest, ALaterRunAddsToTheRecordAndAnUnwritableRecordLetsTheWorkGoOn) {
  ASSERT_TRUE(machine.registry.CreateKey(RegistryRoot::CurrentUser, "Software\\G"));
  ASSERT_TRUE(machine.registry.WriteString(RegistryRoot::CurrentUser, "Software\\G", "V", "um"));
  record::ChangeRecord second(windows.files, kRecord, "cad", "es");
  record::RecordingPlatform again(windows.platform, second);
  ASSERT_TRUE(again.Get().registry.WriteString(RegistryRoot::CurrentUser, "Software\\G", "V", "dois"));
  std::vector<Entry> values, runs;
  for (const Entry& entry : Entries()) {
    if (entry.kind == EntryKind::Value) values.push_back(entry);
    if (entry.kind == EntryKind::Run) runs.push_back(entry);
  }
  ASSERT_EQ(values.size(), 2u);
  EXPECT_FALSE(values[0].former) << "the first run's former value stays first";
  EXPECT_EQ(values[1].former->text, "um");
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[1].language, "es");

  windows.files.SetFolderReadOnly("C:\\Program Files (x86)\\Geo");
  EXPECT_TRUE(again.Get().registry.WriteString(RegistryRoot::CurrentUser, "Software\\G", "V", "três"));
  EXPECT_TRUE(second.Failed());
  EXPECT_EQ(windows.registry.ReadValue(RegistryRoot::CurrentUser, "Software\\G", "V")->text, "três");
}

}  // namespace
