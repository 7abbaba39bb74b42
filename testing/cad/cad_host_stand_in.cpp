// Stands in for a CAD host in the Windows tests: copied under a host's
// executable name, it only has to be running. It ends by itself after a few
// minutes, so a test that dies cannot leave it behind for good.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  Sleep(5 * 60 * 1000);
  return 0;
}
