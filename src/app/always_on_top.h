#pragma once

class QWidget;

namespace fendrake {

// Keeps the window above all others of the desktop, or releases it, changing only its stacking:
// it is not hidden, moved or resized.
void setAlwaysOnTop(QWidget *window, bool onTop);

} // namespace fendrake
