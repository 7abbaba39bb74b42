#pragma once
// A top-level window. A form builds its components in its constructor and is
// then made real by the application's backend.
#include <functional>
#include <string>

#include "ui/control.h"

namespace ui {

class Application;

enum class BorderStyle {
  Sizeable,            // title bar with system menu, minimise and maximise
  DialogNoButtons,     // fixed frame, no title-bar buttons, no system menu
  SizeableDialog,      // sizeable, with the standard title-bar buttons
};

enum class FormPosition { ScreenCenter, Designed };

class Form : public Control {
 public:
  Form(Application& application, std::string class_name, std::string name);
  ~Form() override;

  Application& App() const { return application_; }
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption) { SetText("Caption", caption); }
  std::string WindowText() const override { return caption_; }

  BorderStyle GetBorderStyle() const { return border_style_; }
  void SetBorderStyle(BorderStyle style) { border_style_ = style; }
  FormPosition Position() const { return position_; }
  void SetFormPosition(FormPosition position) { position_ = position; }

  Bounds ClientArea() const override { return {0, 0, client_width_, client_height_}; }
  int ClientWidth() const { return client_width_; }
  int ClientHeight() const { return client_height_; }
  // Told by the backend whenever the window's client area changes size.
  void SetClientSize(int width, int height);

  // Closes the form: the close handler runs, then a modal form ends its
  // modal loop and any other form is hidden.
  void Close();
  bool Modal() const { return modal_; }
  void SetModal(bool modal) { modal_ = modal; }

  std::function<void()> on_create;
  std::function<void()> on_resize;
  std::function<void()> on_close;

 private:
  Application& application_;
  std::string caption_;
  BorderStyle border_style_ = BorderStyle::Sizeable;
  FormPosition position_ = FormPosition::ScreenCenter;
  int client_width_ = 0;
  int client_height_ = 0;
  bool modal_ = false;
};

}  // namespace ui
