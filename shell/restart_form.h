#pragma once
// The restart prompt, Tboot: offers to restart Windows when the installer is
// left after an installation that needs it. It has no translator: its texts
// stay Portuguese.
#include "platform/platform.h"
#include "ui/bevel.h"
#include "ui/button.h"
#include "ui/form.h"
#include "ui/image.h"
#include "ui/label.h"
#include "ui/panel.h"
#include "ui/radio_group.h"

namespace shell {

// EWX_REBOOT | EWX_FORCE: restart without waiting for programs to agree.
constexpr std::uint32_t kRestartFlags = 6;

// Asks Windows to exit with the flags, enabling the shutdown privilege first
// on the NT family; true when Windows accepted.
bool RestartWindows(platform::System& system, std::uint32_t exit_flags);

class RestartForm : public ui::Form {
 public:
  RestartForm(ui::Application& application, platform::Platform& platform);

  void rg1Click();
  void Button1Click();

 private:
  platform::Platform& platform_;

 public:
  ui::Panel& Panel1;
  ui::Panel& Panel2;
  ui::Image& Image1;
  ui::Label& Label1;
  ui::Label& Label2;
  ui::Label& Label3;
  ui::Label& Label4;
  ui::RadioGroup& rg1;
  ui::Label& Label6;
  ui::Bevel& Bevel1;
  ui::Button& Button1;
};

}  // namespace shell
