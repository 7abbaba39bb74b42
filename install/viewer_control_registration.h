#pragma once
// The product's file-viewer ActiveX control, FVC.OCX, registered by writing
// its class entries directly, whether the file is there or not.
#include "platform/registry.h"

namespace install {

// Catches nothing: a registry failure throws InstallError and ends the run.
void RegisterViewerControl(platform::Registry& registry);

}  // namespace install
