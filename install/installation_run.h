#pragma once
// What "Instalar Programa" does once the agreement is accepted: folders,
// the copy from the medium, component registration, shortcuts, file
// associations, and then the CAD panel.
#include <functional>
#include <string>

#include "shell/main_form.h"

namespace install {

// The exit code when the medium lacks a folder the installation needs.
constexpr int kExitMissingMediumFolder = 1;

// Shows the text across the progress panel's status bar and repaints it.
void SetStatus(shell::MainForm& form, const std::string& text);

// Runs on the main window; list_cad_profiles fills the CAD panel at the end.
// Registry and shell failures that no message covers throw and end the run.
void RunInstallation(shell::MainForm& form, const std::function<void()>& list_cad_profiles);

// Makes "Instalar Programa" run the installation.
void AttachInstallation(shell::MainForm& form, std::function<void()> list_cad_profiles);

}  // namespace install
