#include "app/form1.h"
#include "app/form4.h"
#include "app/single_instance.h"
#include "widget_lookup.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QEventLoop>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>

using fendrake::Form1;
using fendrake::test::childNamed;
using fendrake::test::showActive;

namespace {

// Runs the event loop the way main does and reports how it ended: the exit code, or -1 when the
// action did not end it within five seconds.
int runUntilEnd(const std::function<void()> &action)
{
    QTimer::singleShot(0, action);
    QTimer::singleShot(5000, [] { QCoreApplication::exit(-1); });
    return QCoreApplication::exec();
}

} // namespace

TEST(Form1Startup, ActivationFromAProgramWindowPutsTheFocusIntoText5)
{
    Form1 form;
    ASSERT_TRUE(showActive(&form));
    auto *text5 = childNamed<QLineEdit>(&form, "Text5");
    EXPECT_EQ(QApplication::focusWidget(), text5) << "first activation";

    auto *box = childNamed<QLineEdit>(&form, "txtShouJi");
    form.findChild<QPushButton *>("cmdShouJi")->click();
    ASSERT_EQ(QApplication::focusWidget(), box);

    // Another window of the program (the splash stands in for the about window here).
    fendrake::Form4 programWindow;
    ASSERT_TRUE(showActive(&programWindow));
    ASSERT_TRUE(showActive(&form));
    EXPECT_EQ(QApplication::focusWidget(), text5);
}

TEST(Form1Startup, ReturnFromAMessageBoxOrOtherWindowKeepsTheFocus)
{
    Form1 form;
    ASSERT_TRUE(showActive(&form));
    auto *box = childNamed<QLineEdit>(&form, "txtShouJi");
    form.findChild<QPushButton *>("cmdShouJi")->click();
    ASSERT_EQ(QApplication::focusWidget(), box);

    QMessageBox message(QMessageBox::Information, QStringLiteral("t"), QStringLiteral("x"), QMessageBox::Ok, &form);
    QWidget elsewhere;
    for (QWidget *other : {static_cast<QWidget *>(&message), &elsewhere}) {
        ASSERT_TRUE(showActive(other));
        other->hide();
        ASSERT_TRUE(showActive(&form));
        EXPECT_EQ(QApplication::focusWidget(), box);
    }
}

TEST(Form1Startup, Check1ChangesOnlyTheStackingOfTheShownWindow)
{
    Form1 form;
    ASSERT_TRUE(showActive(&form));
    const QRect geometry = form.geometry();
    auto *check = childNamed<QCheckBox>(&form, "Check1");
    for (bool onTop : {true, false}) {
        check->click();
        EXPECT_EQ(check->isChecked(), onTop);
        EXPECT_EQ(form.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint), onTop);
        EXPECT_TRUE(form.isVisible());
        EXPECT_EQ(form.geometry(), geometry);
    }
}

TEST(Form1Startup, EveryExitEndsTheRunAtOnce)
{
    const struct
    {
        const char *name;
        std::function<void(Form1 &)> exit;
        bool hidden; // the exit menu entry hides the window first
    } exits[] = {
        {"exit button", [](Form1 &form) { form.findChild<QPushButton *>("Command2")->click(); }, false},
        {"exit menu entry", [](Form1 &form) { form.findChild<QAction *>("mnuEnd")->trigger(); }, true},
        {"close box", [](Form1 &form) { form.close(); }, true},
    };
    for (const auto &e : exits) {
        Form1 form;
        form.show();
        // An open secondary window neither stops the end nor is asked anything.
        QWidget secondary;
        secondary.show();
        EXPECT_EQ(runUntilEnd([&] { e.exit(form); }), 0) << e.name;
        EXPECT_EQ(form.isHidden(), e.hidden) << e.name;
    }
}

// A second copy ends before its set-up fills anything; the first runs the whole set-up.
TEST(Form1Startup, OnlyTheFirstCopyRunsTheSetUp)
{
    for (const bool secondCopy : {false, true}) {
        QTemporaryDir dir;
        const QString lock = dir.filePath(QStringLiteral("fendrake.lock"));
        fendrake::SingleInstance mine(lock);
        std::optional<fendrake::SingleInstance> running;
        if (secondCopy) {
            running.emplace(lock);
            ASSERT_FALSE(running->anotherCopyRunning());
        }
        Form1 form;
        EXPECT_EQ(form.isSecondCopy(), secondCopy);
        const auto *provinces = childNamed<QComboBox>(&form, "Combo1");
        EXPECT_EQ(provinces->count(), secondCopy ? 0 : 34);
        EXPECT_EQ(provinces->currentIndex(), -1);
        EXPECT_EQ(childNamed<QComboBox>(&form, "Combo2")->count(), secondCopy ? 0 : 52);
    }
}

TEST(Form1Startup, ClosingAWindowOutsideTheRunLeavesLaterEventLoopsWorking)
{
    {
        Form1 form;
        form.show();
        form.close();
    }
    QEventLoop loop;
    bool ran = false;
    QTimer::singleShot(0, [&] {
        ran = true;
        loop.exit(7);
    });
    EXPECT_EQ(loop.exec(), 7);
    EXPECT_TRUE(ran);
}
