#pragma once

#include <QString>

namespace fendrake {

// What may reach the lookup command: letters, digits, dots and hyphens, not empty and not starting
// with "-" (which the command would read as an option).
bool isHostName(const QString &text);

// The command's output as the result box shows it: its lines joined by CR LF, every blank removed,
// each "Addresses:" turned into the heading line, every TAB removed.
QString tidyNslookupOutput(const QString &output);

} // namespace fendrake
