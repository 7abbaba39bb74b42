// The installing panel during a copy: its texts and bar follow every file,
// its pixels are drawn once a display frame, at the end of each step and
// before every box.
#include <algorithm>
#include <string>
#include <vector>

#include "install/copy_folder.h"
#include "shell/frame_pace.h"
#include "tests/host/install/install_fixture.h"

namespace {

using install_testing::InstallTest;

constexpr char kSource[] = "D:\\programa\\";
constexpr char kRoot[] = "c:\\Geolume";
constexpr int kFiles = 1000;
constexpr std::int64_t kFrame = shell::FramePace::kFrameMicroseconds;

std::string Name(int i) { return "f" + std::to_string(1000 + i) + ".dat"; }

class ProgressPaintTest : public InstallTest {
 protected:
  void SetUp() override {
    InstallTest::SetUp();
    Portuguese();
    windows.files.AddFolder(kRoot);
    for (int i = 0; i < kFiles; ++i) windows.files.AddFile(kSource + Name(i), "x");
    backend.Watch(main.Panel2);
    backend.Watch(main.Labeltext);
    backend.on_repaint = [this](const ui::Control& control) {
      if (&control == &main.Panel2) painted.push_back(Shown());
    };
  }

  std::string Shown() const {
    return main.Labeltext.Caption() + "|" + main.Label24.Caption() + "|" + std::to_string(main.pb1.Position());
  }

  static std::string Lines(int i) {
    return " De: D:\\programa\\" + Name(i) + "| Para: c:\\Geolume\\" + Name(i) + "|" + std::to_string(i + 2);
  }

  int Copy() { return install::CopyFolder(Context(), kSource, kRoot, install::CopyRule::None); }

  int Paints() { return backend.repaints["Panel2"]; }

  std::vector<std::string> painted;  // what each paint of the panel showed
};

TEST_F(ProgressPaintTest, AThousandFilesWithinOneFrameArePaintedTwiceButShownEveryTime) {
  windows.system.microseconds_per_reading = 2;
  EXPECT_EQ(Copy(), kFiles);
  ASSERT_LT(windows.system.monotonic_microseconds, kFrame);
  EXPECT_EQ(backend.text_changes["Labeltext"], kFiles);
  // The bar's start at once, then nothing until the step ends.
  ASSERT_EQ(painted.size(), 2u);
  EXPECT_EQ(painted[0], "||0");
  EXPECT_EQ(painted[1], Lines(kFiles - 1));
  EXPECT_EQ(backend.responsive_calls, 2);
}

TEST_F(ProgressPaintTest, PaintsAndPeeksOnceAFrameWhileTheCopyTakesLonger) {
  windows.system.microseconds_per_reading = 100;
  EXPECT_EQ(Copy(), kFiles);
  std::int64_t frames = windows.system.monotonic_microseconds / kFrame;
  ASSERT_GE(frames, 10);
  EXPECT_EQ(backend.text_changes["Labeltext"], kFiles);
  // One paint per frame that passed, the first file's and the step's end.
  EXPECT_GE(Paints(), frames - 1);
  EXPECT_LE(Paints(), frames + 2);
  EXPECT_GE(backend.responsive_calls, frames - 1);
  EXPECT_LE(backend.responsive_calls, frames + 2);
  EXPECT_EQ(painted.back(), Lines(kFiles - 1));
}

TEST_F(ProgressPaintTest, FilesSlowerThanAFrameAreEachPainted) {
  windows.system.microseconds_per_reading = kFrame;
  EXPECT_EQ(Copy(), kFiles);
  ASSERT_GE(painted.size(), static_cast<std::size_t>(kFiles));
  for (int i = 0; i < kFiles; ++i) {
    EXPECT_NE(std::find(painted.begin(), painted.end(), Lines(i)), painted.end()) << Name(i) << " never drawn";
  }
}

TEST_F(ProgressPaintTest, ABoxShowsOnlyOverWhatTheRunShowsNow) {
  windows.files.FailCopyOnce(std::string(kRoot) + "\\" + Name(500), 5);
  std::vector<std::string> under_box;
  backend.on_message = [&](const auto&) {
    EXPECT_EQ(Shown(), Lines(500)) << "the window's text at the box";
    under_box.push_back(painted.empty() ? "(nothing painted)" : painted.back());
  };
  EXPECT_EQ(Copy(), kFiles - 1);
  EXPECT_EQ(under_box, std::vector<std::string>{Lines(500)});
  // The clock stood still: the bar's start, the box and the end of the step.
  EXPECT_EQ(Paints(), 3);
}

TEST_F(ProgressPaintTest, AWholeRunPaintsEveryStepsLastFile) {
  AddMedium();
  Run();
  ASSERT_FALSE(painted.empty());
  EXPECT_EQ(painted.back().substr(0, painted.back().rfind('|')),
            " De: D:\\programa\\especial\\special.dll| Para: c:\\Geolume\\special.dll");
  // Each of the twelve steps ends painted, however still the clock stands.
  EXPECT_GE(Paints(), 12);
  EXPECT_EQ(backend.text_changes["Labeltext"], kFiles + 13);
}

}  // namespace
