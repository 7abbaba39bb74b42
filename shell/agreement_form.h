#pragma once
// The licence agreement, Tcontrato: it gates every installation and reports
// its answer through AgreementAccepted.
#include <memory>

#include "i18n/iv_translator.h"
#include "platform/platform.h"
#include "shell/installer_state.h"
#include "ui/button.h"
#include "ui/form.h"
#include "ui/rich_edit.h"

namespace shell {

class AgreementForm : public ui::Form {
 public:
  AgreementForm(ui::Application& application, platform::Platform& platform, InstallerState& state);

  void Button1Click();
  void Button2Click();

 private:
  InstallerState& state_;

 public:
  ui::RichEdit& RichEdit1;
  ui::Button& Button1;
  ui::Button& Button2;
  // Finds Dictionary1 by its name and translates the dialog into the language in force.
  std::unique_ptr<i18n::TIvTranslator> IvTranslator1;
};

// The agreement's text, kept with the program; empty lines included.
std::vector<std::string> AgreementText(platform::Resources& resources);

}  // namespace shell
