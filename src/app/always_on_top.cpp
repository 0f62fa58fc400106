#include "app/always_on_top.h"

#include <QWidget>
#include <QWindow>

namespace fendrake {

void setAlwaysOnTop(QWidget *window, bool onTop)
{
    Qt::WindowFlags flags = window->windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, onTop);
    QWindow *native = window->windowHandle();
    if (!native) {
        window->setWindowFlags(flags);
        return;
    }
    // QWidget::setWindowFlags re-creates a shown window (it hides it); the native window takes the
    // hint in place, and the widget is only told what it now is.
    window->overrideWindowFlags(flags);
    native->setFlags(flags);
    if (onTop)
        window->raise();
}

} // namespace fendrake
