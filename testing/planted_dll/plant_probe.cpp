// Imports version.dll and comctl32.dll statically and loads the rich edit DLLs
// by bare name, as a careless program would.
#include <windows.h>
#include <commctrl.h>

int main() {
  DWORD handle = 0;
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&icc);
  LoadLibraryW(L"msftedit.dll");
  LoadLibraryW(L"riched20.dll");
  return GetFileVersionInfoSizeW(L"C:\\windows\\notepad.exe", &handle) > 0 ? 0 : 1;
}
