#include "install/viewer_control_registration.h"

#include <string>
#include <vector>

#include "install/class_registry_writes.h"

namespace install {

namespace {

constexpr char kViewerClassId[] = "{6F55C185-A9A7-11D3-91F8-0000E878EB25}";

struct ClassEntry {
  std::string key;
  std::string name;  // empty: the default value
  std::string value;
};

std::vector<ClassEntry> ViewerEntries() {
  const std::string class_key = std::string("\\CLSID\\") + kViewerClassId;
  return {
      {"\\Visor de Arquivos", "", "fv Control"},
      {"\\Visor de Arquivos\\Clsid", "", kViewerClassId},
      {class_key, "", "fv Control"},
      {class_key + "\\Control", "", ""},
      {class_key + "\\InprocServer32", "", "C:\\GEOLUME\\FVC.OCX"},
      {class_key + "\\InprocServer32", "ThreadingModel", "Apartment"},
      {class_key + "\\ProgID", "", "Visor de Arquivos"},
      {class_key + "\\Version", "", "1.0"},
      {class_key + "\\TypeLib", "", kViewerClassId},
      {class_key + "\\MiscStatus", "", "0"},
      // OLEMISC_RECOMPOSEONRESIZE | CANTLINKINSIDE | INSIDEOUT | ACTIVATEWHENVISIBLE |
      // ACTSLIKELABEL | SIMPLEFRAME | SETCLIENTSITEFIRST, 0x32191.
      {class_key + "\\MiscStatus\\1", "", "205201"},
      {class_key + "\\ToolboxBitmap32", "", "C:\\GEOLUME\\FVC.OCX,1"},
      {class_key + "\\Verb", "", ""},
      {class_key + "\\Verb\\0", "", "Properties,0,2"},
  };
}

}  // namespace

void RegisterViewerControl(platform::Registry& registry) {
  for (const ClassEntry& entry : ViewerEntries()) {
    WriteClassString(registry, entry.key, entry.name, entry.value);
  }
}

}  // namespace install
