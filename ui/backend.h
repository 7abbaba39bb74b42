#pragma once
// What the toolkit needs of a windowing system: real windows (ui/win32) or
// none at all, with scripted answers, for host tests.
#include <string>

namespace ui {

class Application;
class Form;

enum class MessageIcon { None, Information, Error };

struct MessageBoxRequest {
  std::string text;
  std::string caption;
  MessageIcon icon = MessageIcon::None;
  Form* owner = nullptr;  // none: the box belongs to no window
};

class Backend {
 public:
  virtual ~Backend() = default;
  // The application announces itself when it is made over this backend.
  virtual void Attach(Application&) {}
  // Creates the form's window and one peer per control.
  virtual void Realize(Form& form) = 0;
  // Shows the main form and dispatches messages until Terminate.
  virtual int Run(Form& main_form) = 0;
  virtual void Terminate(int exit_code) = 0;
  // Shows the form modally; returns when it closes.
  virtual void ShowModal(Form& form) = 0;
  virtual void EndModal(Form& form) = 0;
  // A box with one OK button.
  virtual void ShowMessage(const MessageBoxRequest& request) = 0;
  // A question with Yes and No buttons; true for Yes.
  virtual bool Ask(const MessageBoxRequest& request) = 0;
  // The display of an error nothing else handled.
  virtual void ShowError(const std::string& text) = 0;
  // Keeps a busy window from being declared hung without taking its input.
  virtual void KeepResponsive() = 0;
};

}  // namespace ui
