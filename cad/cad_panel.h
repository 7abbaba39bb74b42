#pragma once
// The main window's CAD panel: the list of profiles with their ticks, and
// the buttons that configure the ticked ones or close the panel.
#include <functional>
#include <string>

#include "platform/platform.h"
#include "ui/button.h"
#include "ui/check_list_box.h"
#include "ui/form.h"
#include "ui/panel.h"

namespace cad {

// The controls of the main window the panel drives.
struct CadPanelControls {
  ui::Form& form;
  ui::Button& lblInstalar;
  ui::Button& lblConfigurar;
  ui::Button& lblSair;
  ui::Panel& Panel3;
  ui::CheckListBox& cadlist;
  ui::Button& Button1;
  ui::Button& Button2;
};

// Takes them from a window that has them under these names (the main window).
template <typename Window>
CadPanelControls CadPanelControlsOf(Window& window) {
  return {window,         window.lblInstalar, window.lblConfigurar, window.lblSair,
          window.Panel3,  window.cadlist,     window.Button1,       window.Button2};
}

class CadPanel {
 public:
  using Translate = std::function<std::string(const std::string&)>;

  // Without a lookup, texts are shown as they are.
  CadPanel(CadPanelControls controls, platform::Platform& platform, Translate translate = {});

  // Sets the click handlers of "Configurar CAD", the list, "Configurar" and "Cancelar".
  void Attach();

  // Refills the list from the registry, every line ticked.
  void ListCadProfiles();

  void lblConfigurarClick();
  void cadlistClick();
  void Button1Click();
  void Button2Click();

 private:
  void ShowMainButtons();
  void ShowPlainMessage(const std::string& text);
  void ShowInformation(const std::string& text);

  CadPanelControls controls_;
  platform::Platform& platform_;
  Translate translate_;
};

}  // namespace cad
