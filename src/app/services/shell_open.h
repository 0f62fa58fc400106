#pragma once

#include <QString>

#include <functional>

class QUrl;
class QWidget;

namespace fendrake {

// Opens an address (web page, mailto:, messenger link, local file) with the user's registered
// program. Reports nothing, as the shell's "open" did.
void OpenInBrowser(QWidget *owner, const QString &address);

// The URL handed to the desktop: an absolute path (or an existing file named without a scheme)
// as a file URL, anything else parsed leniently as typed.
QUrl shellOpenUrl(const QString &address);

using ShellOpenHandler = std::function<void(const QString &address)>;

// Tests record the addresses instead of starting programs; returns the previous handler.
ShellOpenHandler setShellOpenHandler(ShellOpenHandler handler);

} // namespace fendrake
