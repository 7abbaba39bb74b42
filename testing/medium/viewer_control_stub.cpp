// Stands in for the file-viewer control FVC.OCX, whose registry entries the
// installer writes itself; it only has to be a DLL.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
