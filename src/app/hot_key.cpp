#include "app/hot_key.h"

#include <QGuiApplication>
#include <QWindow>
#include <QtGui/qguiapplication_platform.h>

#include <X11/Xlib.h>
#include <X11/keysym.h>
#include <xcb/xcb.h>

namespace fendrake {

namespace {

Display *x11Display()
{
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->display() : nullptr;
}

bool g_grabFailed = false;

int recordGrabError(Display *, XErrorEvent *error)
{
    if (error->error_code == BadAccess)
        g_grabFailed = true;
    return 0;
}

// The modifier bit that Num Lock sets on this server (usually Mod2).
unsigned int numLockMask(Display *display)
{
    unsigned int mask = 0;
    XModifierKeymap *map = XGetModifierMapping(display);
    if (!map)
        return Mod2Mask;
    const KeyCode numLock = XKeysymToKeycode(display, XK_Num_Lock);
    for (int modifier = 0; modifier < 8 && numLock; ++modifier) {
        for (int k = 0; k < map->max_keypermod; ++k) {
            if (map->modifiermap[modifier * map->max_keypermod + k] == numLock)
                mask = 1u << modifier;
        }
    }
    XFreeModifiermap(map);
    return mask ? mask : Mod2Mask;
}

// Alt+A with any combination of the lock modifiers, which would otherwise defeat the grab.
template <typename F> void forEachLockCombination(unsigned int lockMask, F f)
{
    for (unsigned int extra : {0u, unsigned(LockMask), lockMask, unsigned(LockMask) | lockMask})
        f(extra);
}

} // namespace

HotKey::HotKey(QWidget *window) : m_window(window)
{
    grab();
    if (m_active)
        qApp->installNativeEventFilter(this);
}

HotKey::~HotKey()
{
    if (m_active) {
        qApp->removeNativeEventFilter(this);
        ungrab();
    }
}

void HotKey::grab()
{
    Display *display = x11Display();
    if (!display)
        return;
    m_keycode = XKeysymToKeycode(display, XK_a);
    if (!m_keycode)
        return;
    m_modifiers = Mod1Mask;
    const Window root = DefaultRootWindow(display);
    const unsigned int lockMask = numLockMask(display);

    XSync(display, False);
    g_grabFailed = false;
    XErrorHandler previous = XSetErrorHandler(recordGrabError);
    forEachLockCombination(lockMask, [&](unsigned int extra) {
        XGrabKey(display, int(m_keycode), m_modifiers | extra, root, False, GrabModeAsync, GrabModeAsync);
    });
    XSync(display, False);
    XSetErrorHandler(previous);
    m_active = !g_grabFailed;
    if (!m_active)
        ungrab();
}

void HotKey::ungrab()
{
    Display *display = x11Display();
    if (!display)
        return;
    const Window root = DefaultRootWindow(display);
    forEachLockCombination(numLockMask(display),
                           [&](unsigned int extra) { XUngrabKey(display, int(m_keycode), m_modifiers | extra, root); });
    XFlush(display);
}

bool HotKey::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    if ((event->response_type & 0x7f) != XCB_KEY_PRESS)
        return false;
    const auto *key = static_cast<const xcb_key_press_event_t *>(message);
    const unsigned int relevant = ShiftMask | ControlMask | Mod1Mask | Mod4Mask;
    if (key->detail != m_keycode || (key->state & relevant) != m_modifiers)
        return false;
    // Activate once the toolkit has taken the key press's time: the server refuses a focus change
    // stamped earlier than the one that gave another program the focus.
    QMetaObject::invokeMethod(
        qApp, [window = m_window] { activate(window); }, Qt::QueuedConnection);
    return false;
}

void HotKey::activate(QWidget *window)
{
    if (!window)
        return;
    if (window->isMinimized())
        window->showNormal();
    else
        window->show();
    window->raise();
    window->activateWindow();
}

} // namespace fendrake
