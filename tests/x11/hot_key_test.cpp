#include "app/hot_key.h"
#include "wait.h"

#include <QApplication>
#include <QProcess>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

// After gtest: Xlib's macros (None, Bool) clash with its names.
#include <X11/Xlib.h>
#include <X11/keysym.h>

using fendrake::HotKey;

namespace {

void pressKey(const char *key)
{
    QProcess::execute("xdotool", {"key", key});
}

// Activation from another program's window is pinned with the real program (program_test).
TEST(HotKey, OnlyAltAShowsAHiddenWindowAlsoWithNumLockOrCapsLockOn)
{
    for (const char *lock : {"", "Num_Lock", "Caps_Lock"}) {
        SCOPED_TRACE(lock);
        QWidget main;
        main.setGeometry(50, 50, 300, 200);
        HotKey hotKey(&main);
        ASSERT_TRUE(hotKey.isActive());
        if (*lock)
            pressKey(lock);
        for (const char *key : {"a", "ctrl+a", "alt+b", "alt+shift+a"})
            pressKey(key);
        QTest::qWait(300);
        EXPECT_FALSE(main.isVisible()) << "another key was taken";
        pressKey("alt+a");
        EXPECT_TRUE(fendrake::test::waitFor([&] { return main.isVisible() && QApplication::activeWindow() == &main; }));
        if (*lock)
            pressKey(lock);
    }
}

TEST(HotKey, KeyHeldByAnotherProgramGoesUnnoticed)
{
    Display *otherClient = XOpenDisplay(nullptr);
    ASSERT_NE(otherClient, nullptr);
    const KeyCode a = XKeysymToKeycode(otherClient, XK_a);
    XGrabKey(otherClient, a, Mod1Mask, DefaultRootWindow(otherClient), False, GrabModeAsync, GrabModeAsync);
    XSync(otherClient, False);
    QWidget main;
    EXPECT_FALSE(HotKey(&main).isActive());
    XCloseDisplay(otherClient);
    EXPECT_TRUE(HotKey(&main).isActive());
}

} // namespace
