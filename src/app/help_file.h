#pragma once

#include <QString>

namespace fendrake {

// The help page beside the executable. There is no default viewer for a compiled help file here,
// so the help is one HTML page opened in the browser.
QString helpFilePath();

// Tests point the program's folder elsewhere; an empty folder restores the executable's own.
// Returns the folder set before.
QString setHelpFolder(const QString &folder);

} // namespace fendrake
