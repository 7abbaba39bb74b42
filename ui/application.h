#pragma once
// The application object: the backend, the forms in creation order (the first
// is the main form), termination and the display of unhandled errors.
#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "ui/backend.h"

namespace ui {

class Form;

// A non-empty message whose last character sorts after "." gets "." appended.
std::string WithFullStop(const std::string& message);

class Application {
 public:
  explicit Application(Backend& backend);

  Backend& GetBackend() { return backend_; }
  Form* MainForm() const { return forms_.empty() ? nullptr : forms_.front(); }
  const std::vector<Form*>& Forms() const { return forms_; }
  void AddForm(Form& form);
  void RemoveForm(Form& form);

  int Run();
  void Terminate(int exit_code = 0);
  bool Terminated() const { return terminated_; }

  void ShowMessage(const MessageBoxRequest& request) { backend_.ShowMessage(request); }
  void ShowModal(Form& form);

  // Runs an event handler; an error it lets out is shown and the program goes on.
  void Dispatch(const std::function<void()>& handler);
  void HandleError(const std::exception& error);
  // The text HandleError shows, for a run that shows nothing.
  std::string ErrorText(const std::exception& error) const;

  // Turns an error's message, as a format and its values, into the text
  // shown; a translation engine may put its own in place (it then applies
  // the full-stop rule itself). A plain exception's message has no values.
  std::function<std::string(const std::string& format, const std::vector<std::string>& values)> error_text;

 private:
  Backend& backend_;
  std::vector<Form*> forms_;
  bool terminated_ = false;
};

}  // namespace ui
