#include "app/form1.h"
#include "app/form4.h"
#include "app/single_instance.h"
#include "widget_lookup.h"

#include <QAction>
#include <QComboBox>
#include <QEventLoop>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <optional>

using fendrake::Form1;
using fendrake::test::childNamed;
using fendrake::test::showActive;

// Another window of the program puts the focus back into Text5; a message box or a foreign window
// leaves it where it was.
TEST(Form1Startup, ActivationPutsTheFocusIntoText5OnlyFromAProgramWindow)
{
    Form1 form;
    ASSERT_TRUE(showActive(&form));
    auto *text5 = childNamed<QLineEdit>(&form, "Text5");
    EXPECT_EQ(QApplication::focusWidget(), text5) << "first activation";
    auto *box = childNamed<QLineEdit>(&form, "txtShouJi");
    form.findChild<QPushButton *>("cmdShouJi")->click();
    ASSERT_EQ(QApplication::focusWidget(), box);

    QMessageBox message(QMessageBox::Information, QStringLiteral("t"), QStringLiteral("x"), QMessageBox::Ok, &form);
    QWidget elsewhere;
    fendrake::Form4 programWindow; // the splash stands in for the about window
    for (QWidget *other : {static_cast<QWidget *>(&message), &elsewhere, static_cast<QWidget *>(&programWindow)}) {
        ASSERT_TRUE(showActive(other));
        other->hide();
        ASSERT_TRUE(showActive(&form));
        EXPECT_EQ(QApplication::focusWidget(), other == &programWindow ? text5 : box) << other->metaObject()->className();
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
        // -1: the action did not end the run within five seconds.
        QTimer::singleShot(0, [&] { e.exit(form); });
        QTimer::singleShot(5000, [] { QCoreApplication::exit(-1); });
        EXPECT_EQ(QCoreApplication::exec(), 0) << e.name;
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
        EXPECT_EQ(provinces->count() > 0, !secondCopy);
        EXPECT_EQ(provinces->currentIndex(), -1);
        EXPECT_EQ(childNamed<QComboBox>(&form, "Combo2")->count() > 0, !secondCopy);
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
    QTimer::singleShot(0, [&] { loop.exit(7); });
    EXPECT_EQ(loop.exec(), 7);
}
