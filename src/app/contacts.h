#pragma once

#include <QString>

namespace fendrake {

// The support contacts shown on the main window, in the contact message and after fault detection.
inline const QString SupportQQ = QStringLiteral("10086512");
inline const QString SupportEmail = QStringLiteral("support@fendrake.net");
// The web site name the messenger shows beside a chat started from our link.
inline const QString SupportSiteName = QStringLiteral("Fendrake");

} // namespace fendrake
