// Imports version.dll statically, as a careless program would.
#include <windows.h>

int main() {
  DWORD handle = 0;
  return GetFileVersionInfoSizeW(L"C:\\windows\\notepad.exe", &handle) > 0 ? 0 : 1;
}
