#pragma once

#include <QAbstractNativeEventFilter>
#include <QPointer>
#include <QWidget>

namespace fendrake {

// Alt+A anywhere on the desktop activates the window. On X11 the key is grabbed on the root
// window; other platforms (offscreen, Wayland) have no such grab and the hot key stays off.
class HotKey : public QAbstractNativeEventFilter
{
public:
    explicit HotKey(QWidget *window);
    ~HotKey() override;
    HotKey(const HotKey &) = delete;
    HotKey &operator=(const HotKey &) = delete;

    // False when the platform has no global keys or another program holds Alt+A.
    bool isActive() const { return m_active; }

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

private:
    void grab();
    void ungrab();
    static void activate(QWidget *window);

    QPointer<QWidget> m_window;
    bool m_active = false;
    unsigned int m_keycode = 0;
    unsigned int m_modifiers = 0;
};

} // namespace fendrake
