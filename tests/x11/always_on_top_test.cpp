#include "app/always_on_top.h"

#include <QElapsedTimer>
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
