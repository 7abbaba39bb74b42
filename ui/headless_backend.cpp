#include "ui/headless_backend.h"

#include <memory>

#include "ui/form.h"

namespace ui {

namespace {
// The frame a Windows 10 sizeable window draws around its client area.
constexpr int kFrameWidth = 16;
constexpr int kFrameHeight = 39;
class WatchingPeer : public ControlPeer {
 public:
  WatchingPeer(HeadlessBackend& backend, Control& control) : backend_(backend), control_(control) {}
  void Changed(Change change) override {
    if (change == Change::Text) ++backend_.text_changes[control_.Name()];
  }
  void Repaint() override {
    if (backend_.on_repaint) backend_.on_repaint(control_);
    ++backend_.repaints[control_.Name()];
  }

 private:
  HeadlessBackend& backend_;
  Control& control_;
};

}  // namespace

void HeadlessBackend::Watch(Control& control) {
  control.AttachPeer(std::make_unique<WatchingPeer>(*this, control));
}

void HeadlessBackend::Realize(Form& form) {
  form.SetClientSize(form.Width() - kFrameWidth, form.Height() - kFrameHeight);
}

int HeadlessBackend::Run(Form& main_form) {
  main_form.Show();
  return exit_code;
}

void HeadlessBackend::Terminate(int code) {
  terminated = true;
  exit_code = code;
}

void HeadlessBackend::ShowModal(Form& form) {
  Form* outer = modal_;
  modal_ = &form;
  modal_ended_ = false;
  modal_forms.push_back(form.ClassName());
  form.Show();
  if (on_modal) on_modal(form);
  if (!modal_ended_) form.Close();
  form.Hide();
  modal_ = outer;
  modal_ended_ = false;
}

void HeadlessBackend::EndModal(Form& form) {
  if (&form == modal_) modal_ended_ = true;
}

void HeadlessBackend::ShowMessage(const MessageBoxRequest& request) {
  messages.push_back({request.text, request.caption, request.icon, request.owner != nullptr});
  if (on_message) on_message(messages.back());
}

bool HeadlessBackend::Ask(const MessageBoxRequest& request) {
  ShowMessage(request);
  if (answers.empty()) return false;
  const bool yes = answers.front();
  answers.pop_front();
  return yes;
}

void HeadlessBackend::ShowError(const std::string& text) { errors.push_back(text); }

}  // namespace ui
