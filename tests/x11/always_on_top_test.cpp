#include "app/form1.h"

#include <QCheckBox>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

namespace {

// What the X server has of the window: place, size and whether it is mapped.
QString serverState(WId window)
{
    QProcess xwininfo;
    xwininfo.start("xwininfo", {"-id", QString::number(window)});
    xwininfo.waitForFinished(5000);
    const QStringList lines = QString::fromLatin1(xwininfo.readAllStandardOutput()).split(u'\n');
    return lines.filter(QRegularExpression("Absolute|Width|Height|Map State")).join(u'\n');
}

TEST(AlwaysOnTop, Check1KeepsTheMainWindowMappedInPlace)
{
    fendrake::Form1 form;
    form.move(100, 60);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QTest::qWait(200);
    const WId window = form.winId();
    const QString before = serverState(window);
    ASSERT_TRUE(before.contains("IsViewable")) << before.toStdString();
    auto *check = form.findChild<QCheckBox *>("Check1");
    ASSERT_NE(check, nullptr);
    for (bool onTop : {true, false, true}) {
        QTest::mouseClick(check, Qt::LeftButton);
        QTest::qWait(300);
        EXPECT_EQ(check->isChecked(), onTop);
        EXPECT_EQ(form.winId(), window) << "the native window is not re-created";
        EXPECT_EQ(serverState(window), before) << onTop;
        EXPECT_EQ(form.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint), onTop);
        EXPECT_EQ(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint), onTop);
    }
}

} // namespace
