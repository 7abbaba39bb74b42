// The toolkit on real windows, in this process: what a run that shows its
// progress once a frame relies on. The window holds every new text and
// position at once, for automation; the pixels wait for the next paint.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/win32/wide_text.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/panel.h"
#include "ui/progress_bar.h"
#include "ui/win32/win32_backend.h"

namespace {

class ProgressForm : public ui::Form {
 public:
  explicit ProgressForm(ui::Application& application)
      : ui::Form(application, "TProgressProbe", "ProgressProbe"),
        panel(Make<ui::Panel>("Panel", this)),
        line(Make<ui::Label>("Line", &panel)),
        bar(Make<ui::ProgressBar>("Bar", &panel)) {
    SetBounds({100, 100, 420, 200});
    panel.SetBounds({10, 10, 380, 100});
    line.SetBounds({4, 8, 360, 16});
    line.SetTransparent(true);
    bar.SetBounds({4, 40, 360, 16});
  }
  ui::Panel& panel;
  ui::Label& line;
  ui::ProgressBar& bar;
};

std::string TextOf(HWND window) {
  wchar_t text[512] = {};
  GetWindowTextW(window, text, 512);
  return platform::Narrow(text);
}

class ProgressWindow : public ::testing::Test {
 protected:
  ui::win32::Win32Backend backend{GetModuleHandleW(nullptr)};
  ui::Application application{backend};
  ProgressForm form{application};

  void SetUp() override {
    backend.Realize(form);
    form.Show();
    form.Repaint();
  }
  HWND Window(const ui::Control& control) { return backend.WindowOf(control); }
  bool WaitsForPaint(const ui::Control& control) { return GetUpdateRect(Window(control), nullptr, FALSE); }
};

TEST_F(ProgressWindow, TheBarHoldsEveryPositionAndRangeAtOnceAndDrawsThemWithTheNextPaint) {
  form.bar.SetRange(0, 10);
  form.bar.SetPosition(5);
  EXPECT_EQ(SendMessageW(Window(form.bar), PBM_GETPOS, 0, 0), 5);
  EXPECT_EQ(SendMessageW(Window(form.bar), PBM_GETRANGE, FALSE, 0), 10);
  EXPECT_TRUE(WaitsForPaint(form.bar));
  form.panel.PaintChanges();
  EXPECT_FALSE(WaitsForPaint(form.bar));

  // A position alone; then a new range, which must still reach the control.
  form.bar.SetPosition(6);
  EXPECT_EQ(SendMessageW(Window(form.bar), PBM_GETPOS, 0, 0), 6);
  form.bar.SetRange(0, 20);
  form.bar.SetPosition(15);
  EXPECT_EQ(SendMessageW(Window(form.bar), PBM_GETRANGE, FALSE, 0), 20);
  EXPECT_EQ(SendMessageW(Window(form.bar), PBM_GETPOS, 0, 0), 15);
}

TEST_F(ProgressWindow, ALineHoldsItsTextAtOnceAndItsAreaWaitsForThePaintOfChanges) {
  form.panel.PaintChanges();
  ASSERT_FALSE(WaitsForPaint(form.line));
  form.line.SetCaption(" De: C:\\Geolume-CD\\programa\\geolume.exe");
  EXPECT_EQ(TextOf(Window(form.line)), " De: C:\\Geolume-CD\\programa\\geolume.exe");
  // Transparent: the panel below it is to be drawn again too.
  EXPECT_TRUE(WaitsForPaint(form.line));
  RECT below{};
  EXPECT_TRUE(GetUpdateRect(Window(form.panel), &below, FALSE));
  EXPECT_EQ(below.top, 8);
  form.panel.PaintChanges();
  EXPECT_FALSE(WaitsForPaint(form.line));
  EXPECT_FALSE(WaitsForPaint(form.panel));
}

}  // namespace
