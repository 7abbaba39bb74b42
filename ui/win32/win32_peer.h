#pragma once
// One real window for one control.
#include <windows.h>

#include <optional>
#include <utility>

#include "ui/control.h"

namespace ui::win32 {

class Win32Backend;

enum class PeerKind { Form, Panel, Label, Button, ProgressBar, StatusBar, CheckList, Image, RadioGroup,
                      RadioButton, RichEdit, Bevel };

class Peer : public ControlPeer {
 public:
  Peer(Win32Backend& backend, Control& control, PeerKind kind);
  ~Peer() override;

  // Creates the window below the parent window (none for a form).
  void Create(HWND parent);
  void Changed(Change change) override;
  void Repaint() override;
  void PaintChanges() override;

  HWND Window() const { return hwnd_; }
  Win32Backend& Backend() const { return backend_; }
  Control& Model() const { return control_; }
  PeerKind Kind() const { return kind_; }
  int Id() const { return id_; }

  // Messages the parent receives on behalf of this control.
  LRESULT ColorStatic(HDC dc);
  void Draw(const DRAWITEMSTRUCT& item);
  void Notified(const NMHDR& header);
  void Commanded(int code);
  // Child radio buttons of a radio group: index of the one the user picked.
  void RadioPicked(int index);
  int RadioIndexOf(HWND button) const;

  bool suppress_events = false;

 private:
  void ApplyFont();
  void ApplyText();
  void FillItems();
  void ApplyChecks();
  void ApplyProgress();
  void ApplySelection();
  void LoadPicture();
  void FitWidthToText();
  void FillRadioButtons();
  // The progress bar's own procedure in front of the control's.
  static LRESULT CALLBACK ProgressProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

  Win32Backend& backend_;
  Control& control_;
  PeerKind kind_;
  HWND hwnd_ = nullptr;
  HFONT font_ = nullptr;
  int id_ = 0;
  HBITMAP picture_ = nullptr;
  HBITMAP mask_ = nullptr;
  int picture_width_ = 0;
  int picture_height_ = 0;
  std::vector<HWND> radio_buttons_;
  HWND radio_frame_ = nullptr;
  WNDPROC progress_proc_ = nullptr;
  bool holding_paint_ = false;
  // The range the control holds, so that a change of position alone sends
  // only the position.
  std::optional<std::pair<int, int>> progress_range_;
};

PeerKind KindOf(const Control& control);

}  // namespace ui::win32
