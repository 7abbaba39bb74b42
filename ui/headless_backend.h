#pragma once
// A backend without windows, for host tests: message boxes and modal dialogs
// are answered by the test's script, and everything shown is recorded.
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "ui/backend.h"

namespace ui {

class Control;

class HeadlessBackend : public Backend {
 public:
  struct ShownMessage {
    std::string text;
    std::string caption;
    MessageIcon icon = MessageIcon::None;
    bool owned = false;
  };

  void Realize(Form& form) override;
  int Run(Form& main_form) override;
  void Terminate(int exit_code) override;
  void ShowModal(Form& form) override;
  void EndModal(Form& form) override;
  void ShowMessage(const MessageBoxRequest& request) override;
  // Recorded as a message; answered from answers, No when none is left.
  bool Ask(const MessageBoxRequest& request) override;
  void ShowError(const std::string& text) override;
  void KeepResponsive() override { ++responsive_calls; }

  // Gives the control a stand-in for a window that counts its repaints and
  // the changes of its text (headless controls have no window of their own).
  void Watch(Control& control);

  // Runs while a modal form is shown, as the user acting on it; when it does
  // not close the form, the form closes as if by its close box.
  std::function<void(Form&)> on_modal;
  // Runs while a message box is shown (after it has been recorded).
  std::function<void(const ShownMessage&)> on_message;
  // Runs when a watched control is repainted, before it is counted.
  std::function<void(const Control&)> on_repaint;

  std::vector<ShownMessage> messages;
  std::deque<bool> answers;
  std::vector<std::string> errors;
  std::vector<std::string> modal_forms;  // class names, in the order shown
  bool terminated = false;
  int exit_code = 0;
  int responsive_calls = 0;
  // Of the watched controls, by name.
  std::map<std::string, int> repaints;
  std::map<std::string, int> text_changes;

 private:
  Form* modal_ = nullptr;
  bool modal_ended_ = false;
};

}  // namespace ui
