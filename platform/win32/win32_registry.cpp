#include "platform/win32/win32_registry.h"

#include <windows.h>

#include <cstring>
#include <vector>

#include "platform/win32/wide_text.h"

namespace platform {
namespace {

HKEY RootHandle(RegistryRoot root) {
  switch (root) {
    case RegistryRoot::ClassesRoot: return HKEY_CLASSES_ROOT;
    case RegistryRoot::CurrentUser: return HKEY_CURRENT_USER;
    case RegistryRoot::LocalMachine: break;
  }
  return HKEY_LOCAL_MACHINE;
}

// The registry refuses a leading backslash; trailing and doubled ones it takes.
std::wstring KeyPath(const std::string& key) {
  const auto first = key.find_first_not_of('\\');
  return first == std::string::npos ? std::wstring() : Widen(key.substr(first));
}

// An open key, closed when it goes.
class OpenKey {
 public:
  OpenKey(RegistryRoot root, const std::string& key, REGSAM access) {
    opened_ = RegOpenKeyExW(RootHandle(root), KeyPath(key).c_str(), 0, access, &handle_) ==
              ERROR_SUCCESS;
  }
  ~OpenKey() {
    if (opened_) RegCloseKey(handle_);
  }
  OpenKey(const OpenKey&) = delete;
  OpenKey& operator=(const OpenKey&) = delete;

  explicit operator bool() const { return opened_; }
  HKEY handle() const { return handle_; }

 private:
  HKEY handle_ = nullptr;
  bool opened_ = false;
};

std::string TextOf(const std::vector<BYTE>& data) {
  std::wstring text(data.size() / sizeof(wchar_t), L'\0');
  if (!text.empty()) memcpy(text.data(), data.data(), text.size() * sizeof(wchar_t));
  while (!text.empty() && text.back() == L'\0') text.pop_back();
  return Narrow(text);
}

RegistryValue ValueOf(DWORD type, const std::vector<BYTE>& data) {
  RegistryValue value;
  value.bytes.assign(data.begin(), data.end());
  if (type == REG_SZ || type == REG_EXPAND_SZ) {
    value.type = type == REG_SZ ? RegistryValueType::String : RegistryValueType::ExpandString;
    value.text = TextOf(data);
    value.bytes.clear();
  } else if (type == REG_DWORD && data.size() == sizeof(DWORD)) {
    value.type = RegistryValueType::Dword;
    memcpy(&value.number, data.data(), sizeof(DWORD));
    value.bytes.clear();
  } else {
    value.type = type == REG_BINARY ? RegistryValueType::Binary : RegistryValueType::Other;
  }
  return value;
}

// The names an enumeration call gives for index 0, 1, ... until it runs out;
// nullopt when it fails on the way.
template <typename Enumerate>
std::optional<std::vector<std::string>> EnumeratedNames(DWORD longest, Enumerate enumerate) {
  std::vector<std::string> names;
  std::wstring buffer(longest + 1, L'\0');
  for (DWORD index = 0;; ++index) {
    DWORD length = static_cast<DWORD>(buffer.size());
    const LONG result = enumerate(index, buffer.data(), &length);
    if (result == ERROR_NO_MORE_ITEMS) return names;
    if (result != ERROR_SUCCESS) return std::nullopt;
    names.push_back(Narrow(buffer.substr(0, length)));
  }
}

bool SetValue(RegistryRoot root, const std::string& key, const std::string& name, DWORD type,
              const void* data, DWORD size) {
  OpenKey opened(root, key, KEY_ALL_ACCESS);
  if (!opened) return false;
  return RegSetValueExW(opened.handle(), Widen(name).c_str(), 0, type,
                        static_cast<const BYTE*>(data), size) == ERROR_SUCCESS;
}

}  // namespace

bool Win32Registry::KeyExists(RegistryRoot root, const std::string& key) {
  return static_cast<bool>(OpenKey(root, key, KEY_READ));
}

bool Win32Registry::CreateKey(RegistryRoot root, const std::string& key) {
  HKEY handle = nullptr;
  const auto result = RegCreateKeyExW(RootHandle(root), KeyPath(key).c_str(), 0, nullptr,
                                      REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &handle,
                                      nullptr);
  if (result != ERROR_SUCCESS) return false;
  RegCloseKey(handle);
  return true;
}

std::optional<std::vector<std::string>> Win32Registry::SubKeys(RegistryRoot root,
                                                               const std::string& key) {
  OpenKey opened(root, key, KEY_READ);
  if (!opened) return std::nullopt;
  // Key names have at most 255 characters.
  return EnumeratedNames(255, [&opened](DWORD index, wchar_t* name, DWORD* length) {
    return RegEnumKeyExW(opened.handle(), index, name, length, nullptr, nullptr, nullptr, nullptr);
  });
}

std::optional<std::vector<std::string>> Win32Registry::ValueNames(RegistryRoot root,
                                                                  const std::string& key) {
  OpenKey opened(root, key, KEY_READ);
  if (!opened) return std::nullopt;
  // Value names have at most 16383 characters.
  return EnumeratedNames(16383, [&opened](DWORD index, wchar_t* name, DWORD* length) {
    return RegEnumValueW(opened.handle(), index, name, length, nullptr, nullptr, nullptr, nullptr);
  });
}

std::optional<RegistryValue> Win32Registry::ReadValue(RegistryRoot root, const std::string& key,
                                                      const std::string& name) {
  OpenKey opened(root, key, KEY_READ);
  if (!opened) return std::nullopt;
  const auto wide_name = Widen(name);
  DWORD type = 0;
  DWORD size = 0;
  auto result = RegQueryValueExW(opened.handle(), wide_name.c_str(), nullptr, &type, nullptr, &size);
  std::vector<BYTE> data;
  // The value may grow between the two calls; ask again until it fits.
  while (result == ERROR_SUCCESS || result == ERROR_MORE_DATA) {
    data.resize(size);
    result = RegQueryValueExW(opened.handle(), wide_name.c_str(), nullptr, &type,
                              data.empty() ? nullptr : data.data(), &size);
    if (result == ERROR_SUCCESS) {
      data.resize(size);
      return ValueOf(type, data);
    }
  }
  return std::nullopt;
}

bool Win32Registry::WriteString(RegistryRoot root, const std::string& key,
                                const std::string& name, const std::string& text) {
  const auto wide = Widen(text);
  const auto size = static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t));
  return SetValue(root, key, name, REG_SZ, wide.c_str(), size);
}

bool Win32Registry::WriteDword(RegistryRoot root, const std::string& key, const std::string& name,
                               std::uint32_t number) {
  const DWORD data = number;
  return SetValue(root, key, name, REG_DWORD, &data, sizeof data);
}

bool Win32Registry::WriteValue(RegistryRoot root, const std::string& key, const std::string& name,
                               const RegistryValue& value) {
  switch (value.type) {
    case RegistryValueType::String: return WriteString(root, key, name, value.text);
    case RegistryValueType::Dword: return WriteDword(root, key, name, value.number);
    case RegistryValueType::ExpandString: {
      const auto wide = Widen(value.text);
      const auto size = static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t));
      return SetValue(root, key, name, REG_EXPAND_SZ, wide.c_str(), size);
    }
    case RegistryValueType::Binary:
    case RegistryValueType::Other: break;
  }
  return SetValue(root, key, name, REG_BINARY, value.bytes.data(), static_cast<DWORD>(value.bytes.size()));
}

bool Win32Registry::DeleteValue(RegistryRoot root, const std::string& key,
                                const std::string& name) {
  OpenKey opened(root, key, KEY_ALL_ACCESS);
  if (!opened) return false;
  return RegDeleteValueW(opened.handle(), Widen(name).c_str()) == ERROR_SUCCESS;
}

bool Win32Registry::DeleteKey(RegistryRoot root, const std::string& key) {
  const auto path = KeyPath(key);
  if (path.find_first_not_of(L'\\') == std::wstring::npos) return false;  // never a whole root
  return RegDeleteTreeW(RootHandle(root), path.c_str()) == ERROR_SUCCESS;
}

}  // namespace platform
