#pragma once
// What "Instalar Programa" does once the agreement is accepted: folders, the
// copy from the medium, component registration, shortcuts and file
// associations. The window around it shows the panels and the CAD list.
#include "install/installation_context.h"

namespace install {

// The exit code when the medium lacks a folder the installation needs.
constexpr int kExitMissingMediumFolder = 1;

enum class InstallationOutcome {
  Completed,
  RootNotCreated,       // reported; nothing copied, registered or written
  MissingMediumFolder,  // reported; the program must end at once
};

// Registry and shell failures that no message covers throw and end the run;
// what was done stays done.
InstallationOutcome InstallProduct(const InstallationContext& context);

}  // namespace install
