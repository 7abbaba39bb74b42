// Stands in for the product's main program, c:\geolume\geolume.exe: a window
// saying what it is, with the product's icon that the shortcuts show.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  MessageBoxW(nullptr, L"Sistema de Automação Topográfica Geolume (programa de teste)", L"Geolume", MB_OK);
  return 0;
}
