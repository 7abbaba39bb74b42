#pragma once
// The toolkit on real windows: one standard Windows control per control, kept
// in step with the model.
#include <windows.h>

#include <map>
#include <memory>
#include <unordered_map>

#include "ui/backend.h"
#include "ui/control.h"

namespace ui {

class Application;

namespace win32 {

class Peer;

class Win32Backend : public Backend {
 public:
  explicit Win32Backend(HINSTANCE instance);
  ~Win32Backend() override;

  void Attach(Application& application) override { application_ = &application; }
  void Realize(Form& form) override;
  int Run(Form& main_form) override;
  void Terminate(int exit_code) override;
  void ShowModal(Form& form) override;
  void EndModal(Form& form) override;
  void ShowMessage(const MessageBoxRequest& request) override;
  bool Ask(const MessageBoxRequest& request) override;
  void ShowError(const std::string& text) override;
  void KeepResponsive() override;

  HINSTANCE Instance() const { return instance_; }
  Application& App() { return *application_; }
  HBRUSH Brush(Color color);
  COLORREF ColorRef(Color color) const;
  HWND WindowOf(const Control& control) const;

  // Peers register their windows so messages find their controls.
  void Register(HWND hwnd, Peer* peer) { peers_[hwnd] = peer; }
  void Unregister(HWND hwnd) { peers_.erase(hwnd); }
  Peer* Find(HWND hwnd) const;
  int NextId() { return next_id_++; }

  // A handler of a window message: errors it lets out are shown, never thrown
  // through Windows' own frames.
  void Dispatch(const std::function<void()>& handler);

 private:
  void RegisterClasses();
  void CreatePeers(Control& control, HWND parent);
  void FocusFirst(HWND root);
  void PumpUntil(const bool& done);

  HINSTANCE instance_;
  Application* application_ = nullptr;
  std::unordered_map<HWND, Peer*> peers_;
  std::map<Color, HBRUSH> brushes_;
  std::map<const Form*, bool> modal_done_;
  int next_id_ = 100;
  bool quitting_ = false;
  int exit_code_ = 0;

  friend LRESULT CALLBACK ContainerProc(HWND, UINT, WPARAM, LPARAM);
};

LRESULT CALLBACK ContainerProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

}  // namespace win32
}  // namespace ui
