#pragma once
// Typed access to a DLL's exported function, for DLLs loaded at run time.
#include <windows.h>

namespace platform {

template <typename Function>
Function ProcAddress(HMODULE module, const char* name) {
  if (!module) return nullptr;
  // Through void(*)(), the one function type any other may be cast from cleanly.
  auto generic = reinterpret_cast<void (*)()>(GetProcAddress(module, name));
  return reinterpret_cast<Function>(generic);
}

}  // namespace platform
