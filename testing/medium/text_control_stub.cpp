// Stands in for the TX Text Control (tx4ole17.ocx): regsvr32 calls its
// DllRegisterServer, which registers the ProgID "TIS.TX.TextControl.17".
#include <windows.h>

extern "C" __declspec(dllexport) HRESULT __stdcall DllRegisterServer() {
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CLASSES_ROOT, L"TIS.TX.TextControl.17", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                      &key, nullptr) != ERROR_SUCCESS) {
    return E_FAIL;
  }
  const wchar_t text[] = L"TX Text Control (controle de teste)";
  RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(text), sizeof text);
  RegCloseKey(key);
  return S_OK;
}

extern "C" __declspec(dllexport) HRESULT __stdcall DllUnregisterServer() {
  return RegDeleteKeyW(HKEY_CLASSES_ROOT, L"TIS.TX.TextControl.17") == ERROR_SUCCESS ? S_OK : E_FAIL;
}
