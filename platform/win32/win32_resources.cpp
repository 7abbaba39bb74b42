#include "platform/win32/win32_resources.h"

#include <windows.h>

#include "platform/win32/wide_text.h"

namespace platform {

std::optional<std::string> Win32Resources::RcData(const std::string& name) {
  const std::wstring wide_name = Widen(name);
  HRSRC resource = FindResourceW(nullptr, wide_name.c_str(), RT_RCDATA);
  if (!resource) return std::nullopt;
  HGLOBAL loaded = LoadResource(nullptr, resource);
  if (!loaded) return std::nullopt;
  const void* bytes = LockResource(loaded);
  const DWORD size = SizeofResource(nullptr, resource);
  if (!bytes) return std::nullopt;
  return std::string(static_cast<const char*>(bytes), size);
}

}  // namespace platform
