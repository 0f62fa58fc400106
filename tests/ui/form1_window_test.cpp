#include "app/fonts.h"
#include "app/form1.h"
#include "app/form4.h"
#include "app/tight_text.h"
#include "app/wrap_label.h"
#include "widget_lookup.h"

#include <QAction>
#include <QComboBox>
#include <QEventLoop>
#include <QFontInfo>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <tuple>
#include <utility>

using fendrake::Form1;
using fendrake::test::childNamed;
using fendrake::test::showActive;
using fendrake::test::shownText;

namespace {

// focus nullptr: the focus stays on the button.
struct FeatureCase
{
    const char *level, *button, *panel, *focus;
};

// clang-format off
const FeatureCase kFeatures[] = {
    {"cmdChuJi", "cmdShouJi", "frmShouJi", "txtShouJi"},   {"cmdChuJi", "cmdIP", "frmIP", "txtIP"},
    {"cmdChuJi", "cmdShenFenZheng", "frmShenFenZheng", "txtShenFenZheng"},
    {"cmdChuJi", "cmdYuMing", "frmYuMing", "txtYuMing"},   {"cmdZhongJi", "cmdZhuJi", "frmZhuJi", "txtZhuJi"},
    {"cmdZhongJi", "cmdPaiming", "frmRenQi", "txtRenQi"},  {"cmdZhongJi", "cmdLiuXing", "frmLiuXing", "txtLiuXing"},
    {"cmdZhongJi", "Command3", "frmSL", "txtSLURL"},       {"cmdZhongJi", "Command8", "frmQQ", "Text4"},
    {"cmdZhongJi", "Command12", "frmMX", nullptr},         {"cmdGaoji", "cmdICP", "frmICP", nullptr},
    {"cmdGaoji", "cmdGongShang", "frmGongShang", nullptr}, {"cmdGaoji", "cmdEmail", "frmTelWZ", "txtTel"},
    {"cmdGaoji", "cmdSafe", "frmUSafe", "txtUS"},          {"cmdGaoji", "Command7", "frmTB", nullptr}};
// clang-format on

class Form1Window : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { fendrake::installFontSubstitutions(); }

    void SetUp() override { ASSERT_TRUE(showActive(&m_form)); }

    template <typename T = QWidget> T *child(const QString &name) { return childNamed<T>(&m_form, name); }

    void click(const QString &button)
    {
        auto *target = child<QAbstractButton>(button);
        ASSERT_TRUE(target && target->isVisible()) << button.toStdString() << " cannot be pressed now";
        QTest::mouseClick(target, Qt::LeftButton);
    }

    // Opens the panel that holds the control, the way the user does.
    void openPanelOf(const QString &control)
    {
        for (const FeatureCase &feature : kFeatures)
            if (child(feature.panel)->isAncestorOf(child(control))) {
                click(feature.level);
                click(feature.button);
            }
    }

    QStringList visible(const QStringList &names)
    {
        QStringList shown;
        for (const QString &name : names)
            if (child(name)->isVisible())
                shown << name;
        return shown;
    }

    Form1 m_form;
};

const QStringList kPanels = [] {
    QStringList panels;
    for (const FeatureCase &feature : kFeatures)
        panels << feature.panel;
    return panels;
}();

TEST_F(Form1Window, FeatureAndLevelButtonsShowExactlyTheirPanelOrGroup)
{
    const std::tuple<const char *, const char *, int, int> levels[] = {
        {"cmdChuJi", "frmChuJi", 344, 372}, {"cmdZhongJi", "frmZhongJi", 32, 372}, {"cmdGaoji", "frmGaoji", 32, 60}};
    const QStringList groups = {"frmChuJi", "frmZhongJi", "frmGaoji"};
    // The window opens in the basic level's state.
    EXPECT_EQ(visible(groups), QStringList{"frmChuJi"});
    EXPECT_TRUE(visible(kPanels).isEmpty() && child("Picture1")->isVisible());
    for (const FeatureCase &feature : kFeatures) {
        for (const auto &[level, group, zhongJiTop, gaojiTop] : levels) {
            SCOPED_TRACE(std::string(feature.button) + " then " + level);
            click(feature.level);
            click(feature.button);
            EXPECT_EQ(visible(kPanels), QStringList{feature.panel});
            EXPECT_FALSE(child("Picture1")->isVisible());
            ASSERT_NE(QApplication::focusWidget(), nullptr);
            EXPECT_EQ(QApplication::focusWidget()->objectName().toStdString(),
                      feature.focus ? feature.focus : feature.button);

            click(level);
            EXPECT_EQ(visible(groups), QStringList{group});
            EXPECT_TRUE(visible(kPanels).isEmpty() && child("Picture1")->isVisible());
            EXPECT_EQ(child("cmdZhongJi")->y(), zhongJiTop);
            EXPECT_EQ(child("cmdGaoji")->y(), gaojiTop);
        }
    }
}

TEST_F(Form1Window, LevelButtonsKeepAndFeatureButtonsResetOnlyTheListedPanels)
{
    const QStringList reset = {"txtIP",    "txtShouJi", "txtLiuXing", "txtSLURL",        "txtRenQi",
                               "txtZhuJi", "txtTel",    "txtYuMing",  "txtShenFenZheng", "txtYuMingJG"};
    const QStringList kept = {"Text4",     "txtMXName", "txtICP",  "txtUS",   "txtGM",    "txtTB",
                              "Text2",     "Text3",     "txtIPJG", "lblIPZZ", "lblZhuJi", "lblRenQi",
                              "lblShouLu", "Label26",   "lblUS",   "Text10"};
    for (const FeatureCase &feature : kFeatures) {
        SCOPED_TRACE(feature.button);
        for (const QString &name : reset + kept) {
            child(name)->setProperty(qobject_cast<QPlainTextEdit *>(child(name)) ? "plainText" : "text", "dirty");
            child(name)->setEnabled(false);
        }
        child("Label10")->setVisible(true);
        child<QLabel>("lblShouJiZZ")->setText("dirty");

        click(feature.level);
        for (const QString &name : reset)
            EXPECT_EQ(shownText(child(name)), "dirty") << "after the level button: " << name.toStdString();
        click(feature.button);
        for (const QString &name : reset)
            EXPECT_TRUE(shownText(child(name)).isEmpty() && child(name)->isEnabled()) << name.toStdString();
        for (const QString &name : kept)
            EXPECT_TRUE(shownText(child(name)) == "dirty" && !child(name)->isEnabled()) << name.toStdString();
        EXPECT_TRUE(child("Label10")->isHidden());
        EXPECT_NE(shownText(child("lblShouJiZZ")), "dirty");
    }
}

// The designed Chinese fonts land on installed families that render Chinese, and long labels fit in them.
TEST_F(Form1Window, ChineseFontsAreInstalledAndLongLabelsWrapWithinTheirDesignHeight)
{
    for (const char *control : {"lblShouJiHao", "txtIPTT", "Label18"})
        EXPECT_TRUE(QFontInfo(child(control)->font()).family().contains("CJK")) << control;
    const QList<fendrake::WrapLabel *> labels = m_form.findChildren<fendrake::WrapLabel *>();
    EXPECT_GE(labels.size(), 10);
    for (const fendrake::WrapLabel *label : labels) {
        const int lineStep = fendrake::TightText::designLineStep(label->font());
        const fendrake::TightText text(label->text(), label->font(), label->contentsRect().width(), Qt::AlignLeft,
                                       lineStep);
        EXPECT_GT(text.height(), lineStep) << "one line only? " << label->objectName().toStdString();
        EXPECT_LE(text.height(), label->height()) << label->objectName().toStdString();
    }
}

TEST_F(Form1Window, SetUpFillsTheRegionListsWithNothingChosen)
{
    EXPECT_FALSE(m_form.isSecondCopy());
    EXPECT_TRUE(child<QComboBox>("Combo1")->count() > 0 && child<QComboBox>("Combo2")->count() > 0);
    EXPECT_EQ(child<QComboBox>("Combo1")->currentIndex(), -1);
}

// Chinese and full-width characters arrive as a key press with text and no key code.
void type(QLineEdit *box, const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(box, char(c.unicode()));
        } else {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(box, &press);
        }
    }
}

TEST_F(Form1Window, EachBoxSwallowsItsForbiddenCharactersAndKeepsTheRest)
{
    // clang-format off
    const struct { const char *box, *swallowed, *accepted; } boxes[] = {
        {"txtYuMing", "//（，@ ", "http:www.a-b.cn"}, {"txtZhuJi", "/（，\\", "a-b.cn,"}, {"txtRenQi", "/（", "a.cn"},
        {"txtSLURL", "允许输入的字符\"（", "中a.:"}, {"txtICP", "（，/", "京,中a1"}, {"txtIP", "aZ,-（", "10.0.*.1"},
        {"txtLiuXing", "/（", "a.cn"}, {"txtUS", "/（", "a.cn"}, {"txtGM", "/（", "a.cn"}, {"txtTB", "", "/（允a\" "},
        {"txtShenFenZheng", "aAzZ（", "11010x19X"}, {"txtShouJi", "a.,（", "139"}, {"txtTel", "aZ（", "010-1"},
        {"Text2", "aZ（", "010"}, {"Text3", "a,.（", "1234"}, {"Text4", "允许输入的字符\"a（", "中12"}};
    // clang-format on
    for (const auto &row : boxes) {
        SCOPED_TRACE(row.box);
        openPanelOf(row.box);
        auto *box = child<QLineEdit>(row.box);
        ASSERT_TRUE(box && box->isVisible());
        box->clear();
        box->setFocus();
        type(box, QString::fromUtf8(row.swallowed));
        EXPECT_EQ(box->text().toStdString(), "");
        type(box, QString::fromUtf8(row.accepted));
        EXPECT_EQ(box->text().toStdString(), row.accepted);
    }
}

TEST_F(Form1Window, EnterInAreaCodeMovesFocusToTheNumberBoxWhenItCanTakeIt)
{
    click("cmdGaoji");
    click("cmdEmail");
    auto *text2 = child<QLineEdit>("Text2");
    auto *text3 = child<QLineEdit>("Text3");
    for (const auto &[enabled, shown] : {std::pair{true, true}, std::pair{false, true}, std::pair{true, false}}) {
        SCOPED_TRACE(testing::Message() << "enabled " << enabled << ", shown " << shown);
        text3->setEnabled(enabled);
        text3->setVisible(shown);
        text2->setText("010");
        text2->setFocus();
        QTest::keyClick(text2, Qt::Key_Return);
        EXPECT_EQ(text3->hasFocus(), enabled && shown);
        EXPECT_EQ(text2->hasFocus(), !(enabled && shown));
        EXPECT_EQ(text2->text(), "010");
    }
}

TEST_F(Form1Window, ActivationPutsTheFocusIntoText5OnlyFromAProgramWindow)
{
    EXPECT_EQ(QApplication::focusWidget(), child("Text5")) << "first activation";
    click("cmdShouJi");
    ASSERT_EQ(QApplication::focusWidget(), child("txtShouJi"));
    QMessageBox message(QMessageBox::Information, "t", "x", QMessageBox::Ok, &m_form);
    QWidget elsewhere;
    fendrake::Form4 programWindow; // the splash stands in for the about window
    for (QWidget *other : {static_cast<QWidget *>(&message), &elsewhere, static_cast<QWidget *>(&programWindow)}) {
        ASSERT_TRUE(showActive(other));
        other->hide();
        ASSERT_TRUE(showActive(&m_form));
        EXPECT_EQ(QApplication::focusWidget(), child(other == &programWindow ? "Text5" : "txtShouJi"))
            << other->metaObject()->className();
    }
}

// Closing a window outside the run leaves later event loops working.
TEST(Form1Startup, EveryExitEndsTheRunAtOnce)
{
    {
        Form1 form;
        form.show();
        form.close();
    }
    QEventLoop loop;
    QTimer::singleShot(0, [&] { loop.exit(7); });
    EXPECT_EQ(loop.exec(), 7);

    // The exit menu entry and the close box hide the window first.
    const std::tuple<const char *, std::function<void(Form1 &)>, bool> exits[] = {
        {"exit button", [](Form1 &form) { form.findChild<QAbstractButton *>("Command2")->click(); }, false},
        {"exit menu entry", [](Form1 &form) { form.findChild<QAction *>("mnuEnd")->trigger(); }, true},
        {"close box", [](Form1 &form) { form.close(); }, true}};
    for (const auto &[name, exit, hidden] : exits) {
        SCOPED_TRACE(name);
        Form1 form;
        form.show();
        // An open secondary window neither stops the end nor is asked anything.
        QWidget secondary;
        secondary.show();
        // -1: the action did not end the run within five seconds.
        QTimer::singleShot(0, [&] { exit(form); });
        QTimer::singleShot(5000, [] { QCoreApplication::exit(-1); });
        EXPECT_EQ(QCoreApplication::exec(), 0);
        EXPECT_EQ(form.isHidden(), hidden);
    }
}

} // namespace
