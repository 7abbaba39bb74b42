#include "platform/win32/win32_shell.h"

#include <windows.h>
#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <stdexcept>
#include <string>

#include "platform/win32/wide_text.h"

namespace platform {
namespace {

// Initialises COM for one call unless the thread already has it in another
// mode, and undoes exactly what it did.
class ComScope {
 public:
  ComScope() : initialised_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
  ~ComScope() {
    if (initialised_) CoUninitialize();
  }
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;

 private:
  bool initialised_;
};

// Owns one interface reference.
template <typename Interface>
class ComReference {
 public:
  ComReference() = default;
  ~ComReference() {
    if (pointer_ != nullptr) pointer_->Release();
  }
  ComReference(const ComReference&) = delete;
  ComReference& operator=(const ComReference&) = delete;

  Interface* operator->() const { return pointer_; }
  Interface* get() const { return pointer_; }
  void** out() { return reinterpret_cast<void**>(&pointer_); }

 private:
  Interface* pointer_ = nullptr;
};

void CreateShellLink(ComReference<IShellLinkW>& link) {
  const HRESULT result = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                          IID_IShellLinkW, link.out());
  if (FAILED(result) || link.get() == nullptr) {
    throw std::runtime_error("no shell link object could be created");
  }
}

bool QueryPersistFile(const ComReference<IShellLinkW>& link, ComReference<IPersistFile>& file) {
  return SUCCEEDED(link->QueryInterface(IID_IPersistFile, file.out())) && file.get() != nullptr;
}

std::string TextUpToNull(const std::wstring& buffer) {
  return Narrow(std::wstring(buffer.c_str()));
}

}  // namespace

std::string Win32Shell::SpecialFolder(int csidl) {
  wchar_t buffer[MAX_PATH] = {};
  PIDLIST_ABSOLUTE items = nullptr;
  bool found = SUCCEEDED(SHGetSpecialFolderLocation(nullptr, csidl, &items)) && items != nullptr &&
               SHGetPathFromIDListW(items, buffer);
  CoTaskMemFree(items);
  // A folder Windows knows but has not made yet for this user (a profile
  // used for the first time) is made, as Windows makes it for any program
  // that asks so.
  if (!found) {
    found = SUCCEEDED(SHGetFolderPathW(nullptr, csidl | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, buffer));
  }
  if (!found) return {};
  std::string path = Narrow(buffer);
  while (!path.empty() && path.back() == '\\') path.pop_back();
  return path;
}

bool Win32Shell::SaveLink(const ShellLink& link, const std::string& link_path) {
  ComScope com;
  ComReference<IShellLinkW> object;
  CreateShellLink(object);
  object->SetPath(Widen(link.target).c_str());
  object->SetWorkingDirectory(Widen(link.working_folder).c_str());
  object->SetDescription(Widen(link.description).c_str());
  object->SetIconLocation(Widen(link.icon_path).c_str(), link.icon_index);
  ComReference<IPersistFile> file;
  if (!QueryPersistFile(object, file)) return false;
  return SUCCEEDED(file->Save(Widen(link_path).c_str(), FALSE));
}

std::optional<ShellLink> Win32Shell::ReadLink(const std::string& link_path) {
  ComScope com;
  ComReference<IShellLinkW> object;
  CreateShellLink(object);
  ComReference<IPersistFile> file;
  if (!QueryPersistFile(object, file)) return std::nullopt;
  if (FAILED(file->Load(Widen(link_path).c_str(), STGM_READ))) return std::nullopt;
  ShellLink link;
  std::wstring buffer(INFOTIPSIZE, L'\0');
  const int size = static_cast<int>(buffer.size());
  if (SUCCEEDED(object->GetPath(buffer.data(), size, nullptr, SLGP_RAWPATH))) {
    link.target = TextUpToNull(buffer);
  }
  buffer.assign(INFOTIPSIZE, L'\0');
  if (SUCCEEDED(object->GetWorkingDirectory(buffer.data(), size))) {
    link.working_folder = TextUpToNull(buffer);
  }
  buffer.assign(INFOTIPSIZE, L'\0');
  if (SUCCEEDED(object->GetDescription(buffer.data(), size))) {
    link.description = TextUpToNull(buffer);
  }
  buffer.assign(INFOTIPSIZE, L'\0');
  if (SUCCEEDED(object->GetIconLocation(buffer.data(), size, &link.icon_index))) {
    link.icon_path = TextUpToNull(buffer);
  }
  return link;
}

}  // namespace platform
