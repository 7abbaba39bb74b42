#pragma once
// Where the central area puts its panels and its column of buttons.

namespace shell {

struct CentreLayout {
  int panel_left = 0;
  int panel_top = 0;
  int button_left = 0;
  int row_top[3] = {0, 0, 0};  // the prompt/"Instalar", "Português"/"Configurar", "Espanhol"/"Sair"
};

// Centres the CAD panel and the button column in an area of the given size.
// Halves round to the even neighbour; nothing is clamped.
CentreLayout ComputeCentreLayout(int area_width, int area_height, int panel_width, int panel_height,
                                 int button_width);

}  // namespace shell
