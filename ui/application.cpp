#include "ui/application.h"

#include <algorithm>

#include "ui/form.h"

namespace ui {

std::string WithFullStop(const std::string& message) {
  if (message.empty()) return message;
  if (static_cast<unsigned char>(message.back()) > static_cast<unsigned char>('.')) {
    return message + ".";
  }
  return message;
}

Application::Application(Backend& backend) : error_text(WithFullStop), backend_(backend) {
  backend_.Attach(*this);
}

void Application::AddForm(Form& form) { forms_.push_back(&form); }

void Application::RemoveForm(Form& form) {
  forms_.erase(std::remove(forms_.begin(), forms_.end(), &form), forms_.end());
}

int Application::Run() {
  Form* main = MainForm();
  if (!main) return 0;
  return backend_.Run(*main);
}

void Application::Terminate(int exit_code) {
  terminated_ = true;
  backend_.Terminate(exit_code);
}

void Application::ShowModal(Form& form) {
  form.SetModal(true);
  backend_.ShowModal(form);
  form.SetModal(false);
}

void Application::Dispatch(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const std::exception& error) {
    HandleError(error);
  }
}

void Application::HandleError(const std::exception& error) {
  backend_.ShowError(error_text ? error_text(error.what()) : WithFullStop(error.what()));
}

}  // namespace ui
