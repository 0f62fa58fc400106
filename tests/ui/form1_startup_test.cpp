#include "app/form1.h"
#include "app/form4.h"
#include "app/services/browser_control.h"
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

using fendrake::BrowserControl;
using fendrake::Form1;
using fendrake::test::childNamed;
using fendrake::test::showActive;

namespace {

QStringList rowsOf(const QComboBox *box)
{
    QStringList rows;
    for (int i = 0; i < box->count(); ++i)
        rows.append(box->itemText(i));
    return rows;
}

// Runs the event loop the way main does and reports how it ended: the exit code, or -1 when the
// action did not end it within five seconds.
int runUntilEnd(const std::function<void()> &action)
{
    QTimer::singleShot(0, action);
    QTimer::singleShot(5000, [] { QCoreApplication::exit(-1); });
    return QCoreApplication::exec();
}

} // namespace

TEST(Form1Startup, RegionListsHoldTheirRowsInOrderWithNoneSelected)
{
    Form1 form;
    const auto *provinces = childNamed<QComboBox>(&form, "Combo1");
    const auto *cities = childNamed<QComboBox>(&form, "Combo2");
    const QStringList provinceRows = rowsOf(provinces);
    const QStringList cityRows = rowsOf(cities);

    ASSERT_EQ(provinceRows.size(), 34);
    EXPECT_EQ(provinceRows.first(), QStringLiteral("北京"));
    EXPECT_EQ(provinceRows.last(), QStringLiteral("台湾"));
    EXPECT_EQ(provinceRows.mid(4, 4), QStringList({"内蒙古", "辽宁", "吉林", "黑龙江"}));
    EXPECT_EQ(provinceRows.mid(30, 4), QStringList({"新疆", "香港", "澳门", "台湾"}));

    ASSERT_EQ(cityRows.size(), 52);
    EXPECT_EQ(cityRows.first(), QStringLiteral("保定"));
    EXPECT_EQ(cityRows.last(), QStringLiteral("郑州"));
    EXPECT_EQ(cityRows.mid(8, 3), QStringList({"广州", "富阳", "哈尔滨"}));
    EXPECT_EQ(cityRows.mid(42, 3), QStringList({"新乡", "新乡北站分局", "兴安盟"}));
    EXPECT_TRUE(provinceRows.contains("吉林") && cityRows.contains("吉林"));
    EXPECT_EQ(QSet<QString>(cityRows.begin(), cityRows.end()).size(), 52);

    EXPECT_EQ(provinces->currentIndex(), -1);
    EXPECT_EQ(cities->currentIndex(), -1);
}

TEST(Form1Startup, NoPanelShowsAFrameLineOrCaption)
{
    Form1 form;
    for (const char *name : {"frmTelWZ", "frmShouJi", "frmIP", "frmShenFenZheng", "frmZhuJi", "frmRenQi", "frmLiuXing",
                             "frmICP", "frmMX", "frmQQ", "frmUSafe", "frmTB", "frmGongShang", "frmSL", "frmYuMing"}) {
        const auto *panel = childNamed<QFrame>(&form, name);
        ASSERT_NE(panel, nullptr) << name;
        EXPECT_EQ(panel->frameShape(), QFrame::NoFrame) << name;
        EXPECT_EQ(panel->frameWidth(), 0) << name;
        EXPECT_EQ(qobject_cast<const QGroupBox *>(panel), nullptr) << name << " would draw its caption";
    }
}

TEST(Form1Startup, LinkLabelsAreUnderlined)
{
    Form1 form;
    for (const char *name : {"Label3", "Label4"})
        EXPECT_TRUE(childNamed<QLabel>(&form, name)->font().underline()) << name;
}

TEST(Form1Startup, BrowserControlsStandUnseenInTheirPanels)
{
    Form1 form;
    const struct
    {
        const char *name;
        const char *owner;
        BrowserControl *field;
    } controls[] = {{"WebICP", "frmICP", form.WebICP}, {"WebUS", "frmUSafe", form.WebUS},
                    {"WebMX", "frmMX", form.WebMX},    {"WebTB", "centralwidget", form.WebTB},
                    {"WebQQ", "frmQQ", form.WebQQ},    {"WebTel", "frmTelWZ", form.WebTel}};
    for (const auto &c : controls) {
        auto *control = childNamed<BrowserControl>(&form, c.name);
        ASSERT_NE(control, nullptr) << c.name;
        EXPECT_EQ(control, c.field) << c.name;
        EXPECT_EQ(control->parent()->objectName().toStdString(), c.owner) << c.name;
        EXPECT_EQ(form.findChild<QWidget *>(c.name), nullptr) << c.name << " is no widget";
        EXPECT_EQ(control->Silent(), control == form.WebICP) << c.name;
    }
}

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

TEST(Form1Startup, SecondCopyStopsTheSetUpAtItsFirstStep)
{
    QTemporaryDir dir;
    const QString lock = dir.filePath(QStringLiteral("fendrake.lock"));
    fendrake::SingleInstance mine(lock);
    fendrake::SingleInstance running(lock);
    ASSERT_FALSE(running.anotherCopyRunning());

    Form1 form;
    EXPECT_TRUE(form.isSecondCopy());
    EXPECT_EQ(childNamed<QComboBox>(&form, "Combo1")->count(), 0);
}

TEST(Form1Startup, FirstCopyRunsTheWholeSetUp)
{
    QTemporaryDir dir;
    fendrake::SingleInstance mine(dir.filePath(QStringLiteral("fendrake.lock")));
    Form1 form;
    EXPECT_FALSE(form.isSecondCopy());
    EXPECT_EQ(childNamed<QComboBox>(&form, "Combo1")->count(), 34);
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
