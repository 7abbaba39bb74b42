#include "ui/form.h"

#include "ui/application.h"

namespace ui {

Form::Form(Application& application, std::string class_name, std::string name)
    : Control(std::move(class_name), std::move(name), nullptr), application_(application) {
  AddAncestor("TCustomForm");
  AddAncestor("TForm");
  DeclareTextMember("Caption", caption_, [this] { Changed(Change::Text); });
  SetVisible(false);
  application_.AddForm(*this);
}

Form::~Form() { application_.RemoveForm(*this); }

void Form::SetClientSize(int width, int height) {
  if (client_width_ == width && client_height_ == height) return;
  client_width_ = width;
  client_height_ = height;
  Realign();
  if (on_resize) on_resize();
}

void Form::Close() {
  if (on_close) on_close();
  if (modal_) {
    application_.GetBackend().EndModal(*this);
    return;
  }
  Hide();
}

}  // namespace ui
