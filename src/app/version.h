#pragma once

#include <QString>

namespace fendrake {

// The program's own version text, compared as exact text with the update notice page.
inline const QString CurrentVersion = QStringLiteral("4.02");

} // namespace fendrake
