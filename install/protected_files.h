#pragma once
// The files that CAD hosts load at start-up and the programs that every
// user's shortcut or survey file starts: a standard user must not be able to
// change them, or their code would run in every other user's session.
#include <string>

namespace install {

// Every program, library, control and CAD application directly in
// c:\geolume or c:\geolume\simbolos: acad.lsp and on_start.lsp, the COM
// servers, the programs the shortcuts and the file associations start.
bool IsProtectedProductFile(const std::string& path);

}  // namespace install
