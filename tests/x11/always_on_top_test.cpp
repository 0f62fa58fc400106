#include "app/always_on_top.h"
#include "app/form1.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QProcess>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>

using fendrake::setAlwaysOnTop;

TEST(AlwaysOnTop, TogglingKeepsTheWindowShownInPlace)
{
    QWidget window;
    window.setGeometry(120, 80, 400, 300);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QRect before = window.geometry();
    const QRect frameBefore = window.frameGeometry();

    for (bool onTop : {true, false, true}) {
        setAlwaysOnTop(&window, onTop);
        QTest::qWait(200);
        EXPECT_TRUE(window.isVisible()) << onTop;
        EXPECT_TRUE(window.windowHandle()->isExposed()) << onTop;
        EXPECT_EQ(window.geometry(), before) << onTop;
        EXPECT_EQ(window.frameGeometry(), frameBefore) << onTop;
        EXPECT_EQ(window.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint), onTop);
        EXPECT_EQ(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint), onTop);
    }
}

TEST(AlwaysOnTop, WindowNotYetShownTakesTheHintWhenShown)
{
    QWidget window;
    window.setGeometry(120, 80, 400, 300);
    setAlwaysOnTop(&window, true);
    EXPECT_FALSE(window.isVisible());
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_TRUE(window.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
}

namespace {

// The window's place and size as the X server has them.
QString serverGeometry(WId window)
{
    QProcess xdotool;
    xdotool.start(QStringLiteral("xdotool"), {QStringLiteral("getwindowgeometry"), QString::number(window)});
    xdotool.waitForFinished(5000);
    return QString::fromLatin1(xdotool.readAllStandardOutput()).section(u'\n', 1);
}

bool mappedOnServer(WId window)
{
    QProcess xwininfo;
    xwininfo.start(QStringLiteral("xwininfo"), {QStringLiteral("-id"), QString::number(window)});
    xwininfo.waitForFinished(5000);
    return xwininfo.readAllStandardOutput().contains("Map State: IsViewable");
}

} // namespace

TEST(AlwaysOnTop, Check1KeepsTheMainWindowMappedInPlace)
{
    fendrake::Form1 form;
    form.move(100, 60);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QTest::qWait(200);
    const WId window = form.winId();
    const QString before = serverGeometry(window);
    ASSERT_FALSE(before.isEmpty());
    auto *check = form.findChild<QCheckBox *>(QStringLiteral("Check1"));
    ASSERT_NE(check, nullptr);
    for (bool onTop : {true, false}) {
        QTest::mouseClick(check, Qt::LeftButton);
        QTest::qWait(300);
        EXPECT_EQ(check->isChecked(), onTop);
        EXPECT_EQ(form.winId(), window) << "the native window is not re-created";
        EXPECT_TRUE(mappedOnServer(window)) << onTop;
        EXPECT_EQ(serverGeometry(window), before) << onTop;
    }
}
