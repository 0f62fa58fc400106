#include "app/services/shell_open.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace fendrake {

namespace {

ShellOpenHandler &currentHandler()
{
    static ShellOpenHandler handler;
    return handler;
}

} // namespace

QUrl shellOpenUrl(const QString &address)
{
    if (QDir::isAbsolutePath(address))
        return QUrl::fromLocalFile(address);
    const QUrl url(address, QUrl::TolerantMode);
    if (url.scheme().isEmpty() && QFileInfo::exists(address))
        return QUrl::fromLocalFile(QFileInfo(address).absoluteFilePath());
    return url;
}

void OpenInBrowser(QWidget *owner, const QString &address)
{
    Q_UNUSED(owner); // the desktop opens the address in a window of its own
    if (const ShellOpenHandler handler = currentHandler()) {
        handler(address);
        return;
    }
    // The desktop's launcher gets the address as one argument, never through a shell;
    // like the shell's "open", a failure is not reported.
    QDesktopServices::openUrl(shellOpenUrl(address));
}

ShellOpenHandler setShellOpenHandler(ShellOpenHandler handler)
{
    ShellOpenHandler previous = std::move(currentHandler());
    currentHandler() = std::move(handler);
    return previous;
}

} // namespace fendrake
