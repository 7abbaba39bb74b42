// Stands in for the product's executable COM servers (plotsum.exe, drafter.exe):
// started with "/regserver" it registers its ProgID under HKEY_CLASSES_ROOT,
// which is all the installer can see of a registration; "/unregserver"
// removes it again.
#include <windows.h>

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR command_line, int) {
  const std::wstring command(command_line);
  const bool unregister = command.find(L"/unregserver") != std::wstring::npos;
  if (!unregister && command.find(L"/regserver") == std::wstring::npos) return 0;
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring name(path);
  name = name.substr(name.find_last_of(L'\\') + 1);
  name = name.substr(0, name.find_last_of(L'.'));
  for (auto& c : name) c = static_cast<wchar_t>(towlower(c));
  std::wstring prog_id = name + L"." + name;  // plotsum.plotsum, drafter.drafter
  if (unregister) return RegDeleteKeyW(HKEY_CLASSES_ROOT, prog_id.c_str()) == ERROR_SUCCESS ? 0 : 1;
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CLASSES_ROOT, prog_id.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                      nullptr) != ERROR_SUCCESS) {
    return 1;
  }
  std::wstring description = name + L" (servidor de teste)";
  RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(description.c_str()),
                 static_cast<DWORD>((description.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(key);
  return 0;
}
