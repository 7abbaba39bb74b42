#include "ui/application.h"

#include <algorithm>

#include "text/fill_in.h"
#include "text/formatted_error.h"
#include "ui/form.h"

namespace ui {

std::string WithFullStop(const std::string& message) {
  if (message.empty()) return message;
  if (static_cast<unsigned char>(message.back()) > static_cast<unsigned char>('.')) {
    return message + ".";
  }
  return message;
}

Application::Application(Backend& backend)
    : error_text([](const std::string& format, const std::vector<std::string>& values) {
        return WithFullStop(text::FillIn(format, values));
      }),
      backend_(backend) {
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

std::string Application::ErrorText(const std::exception& error) const {
  const auto* formatted = dynamic_cast<const text::FormattedError*>(&error);
  const std::string format = formatted ? formatted->Format() : error.what();
  const std::vector<std::string> values = formatted ? formatted->Values() : std::vector<std::string>{};
  return error_text ? error_text(format, values) : WithFullStop(text::FillIn(format, values));
}

void Application::HandleError(const std::exception& error) { backend_.ShowError(ErrorText(error)); }

}  // namespace ui
