#pragma once
// The toolkit's backend for a program that must never show anything: the
// logon program, which Windows' per-user set-up waits for while the user's
// desktop is held. A box asked for is not shown (a question is answered No),
// so no code path can make a logon wait for a person.
#include "ui/backend.h"

namespace shell {

class NoScreenBackend : public ui::Backend {
 public:
  void Realize(ui::Form&) override {}
  int Run(ui::Form&) override { return exit_code_; }
  void Terminate(int exit_code) override { exit_code_ = exit_code; }
  void ShowModal(ui::Form&) override {}
  void EndModal(ui::Form&) override {}
  void ShowMessage(const ui::MessageBoxRequest&) override {}
  bool Ask(const ui::MessageBoxRequest&) override { return false; }
  void ShowError(const std::string&) override {}
  void KeepResponsive() override {}

 private:
  int exit_code_ = 0;
};

}  // namespace shell
