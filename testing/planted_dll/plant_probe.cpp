// Imports version.dll and comctl32.dll statically, as a careless program would.
#include <windows.h>
#include <commctrl.h>

int main() {
  DWORD handle = 0;
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&icc);
  return GetFileVersionInfoSizeW(L"C:\\windows\\notepad.exe", &handle) > 0 ? 0 : 1;
}
