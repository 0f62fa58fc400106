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
using fendrake::test::waitFor;

namespace {

void pressAltA()
{
    QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("alt+a")});
}

} // namespace

TEST(HotKey, AltAActivatesTheWindowWhileAnotherWindowHasTheFocus)
{
    QWidget main;
    main.setWindowTitle(QStringLiteral("main"));
    main.setGeometry(50, 50, 300, 200);
    main.show();
    HotKey hotKey(&main);
    ASSERT_TRUE(hotKey.isActive());
    main.activateWindow();
    ASSERT_TRUE(waitFor([&] { return QApplication::activeWindow() == &main; }));

    // Another program's window takes the focus.
    QProcess other;
    other.start(QStringLiteral("xmessage"),
                {QStringLiteral("-geometry"), QStringLiteral("+500+50"), QStringLiteral("other")});
    QProcess search;
    search.start(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--sync"),
                                             QStringLiteral("--classname"), QStringLiteral("xmessage")});
    ASSERT_TRUE(search.waitForFinished(10000));
    const QString otherWindow = QString::fromLatin1(search.readAllStandardOutput()).split(u'\n').first();
    QProcess::execute(QStringLiteral("xdotool"),
                      {QStringLiteral("windowfocus"), QStringLiteral("--sync"), otherWindow});
    ASSERT_TRUE(waitFor([&] { return QApplication::activeWindow() == nullptr; }));

    pressAltA();
    EXPECT_TRUE(waitFor([&] { return QApplication::activeWindow() == &main; }));
    other.kill();
    other.waitForFinished();
}

TEST(HotKey, AltAShowsAHiddenWindow)
{
    QWidget main;
    main.setGeometry(50, 50, 300, 200);
    HotKey hotKey(&main);
    ASSERT_TRUE(hotKey.isActive());
    pressAltA();
    EXPECT_TRUE(waitFor([&] { return main.isVisible() && QApplication::activeWindow() == &main; }));
}

TEST(HotKey, OtherKeysAreNotTaken)
{
    QWidget main;
    main.setGeometry(50, 50, 300, 200);
    HotKey hotKey(&main);
    ASSERT_TRUE(hotKey.isActive());
    for (const char *key : {"a", "ctrl+a", "alt+b", "alt+shift+a"})
        QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("key"), QString::fromLatin1(key)});
    QTest::qWait(300);
    EXPECT_FALSE(main.isVisible());
}

TEST(HotKey, KeyHeldByAnotherProgramGoesUnnoticed)
{
    Display *otherClient = XOpenDisplay(nullptr);
    ASSERT_NE(otherClient, nullptr);
    const KeyCode a = XKeysymToKeycode(otherClient, XK_a);
    XGrabKey(otherClient, a, Mod1Mask, DefaultRootWindow(otherClient), False, GrabModeAsync, GrabModeAsync);
    XSync(otherClient, False);

    QWidget main;
    {
        HotKey hotKey(&main);
        EXPECT_FALSE(hotKey.isActive());
    }
    XCloseDisplay(otherClient);

    HotKey afterwards(&main);
    EXPECT_TRUE(afterwards.isActive());
}

TEST(HotKey, AltAWorksWithNumLockAndCapsLockOn)
{
    for (const char *lock : {"Num_Lock", "Caps_Lock"}) {
        QWidget main;
        main.setGeometry(50, 50, 300, 200);
        HotKey hotKey(&main);
        ASSERT_TRUE(hotKey.isActive());
        QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("key"), QString::fromLatin1(lock)});
        pressAltA();
        EXPECT_TRUE(waitFor([&] { return main.isVisible(); })) << lock;
        QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("key"), QString::fromLatin1(lock)});
    }
}
