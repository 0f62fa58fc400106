#include "app/fonts.h"
#include "app/form1.h"
#include "app/tight_text.h"
#include "app/wrap_label.h"
#include "widget_lookup.h"

#include <QApplication>
#include <QFontInfo>
#include <QKeyEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <memory>
#include <utility>

using fendrake::test::childNamed;
using fendrake::test::showActive;
using fendrake::test::shownText;

namespace {

const QStringList kQueryPanels = {"frmShouJi", "frmIP",        "frmShenFenZheng", "frmYuMing", "frmZhuJi",
                                  "frmRenQi",  "frmLiuXing",   "frmSL",           "frmQQ",     "frmMX",
                                  "frmICP",    "frmGongShang", "frmTelWZ",        "frmUSafe",  "frmTB"};

class Form1Window : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { fendrake::installFontSubstitutions(); }

    void SetUp() override
    {
        m_form = std::make_unique<fendrake::Form1>();
        ASSERT_TRUE(showActive(m_form.get()));
    }

    template <typename T = QWidget> T *child(const QString &name) { return childNamed<T>(m_form.get(), name); }

    void click(const QString &button)
    {
        auto *target = child<QAbstractButton>(button);
        ASSERT_TRUE(target && target->isVisible()) << button.toStdString() << " cannot be pressed now";
        QTest::mouseClick(target, Qt::LeftButton);
    }

    QStringList visible(const QStringList &names)
    {
        QStringList shown;
        for (const QString &name : names)
            if (child(name)->isVisible())
                shown << name;
        return shown;
    }

    QStringList visiblePanels() { return visible(kQueryPanels); }

    std::unique_ptr<fendrake::Form1> m_form;
};

struct LevelCase
{
    const char *button;
    const char *group;
    int zhongJiTop;
    int gaojiTop;
};

const LevelCase kLevels[] = {
    {"cmdChuJi", "frmChuJi", 344, 372},
    {"cmdZhongJi", "frmZhongJi", 32, 372},
    {"cmdGaoji", "frmGaoji", 32, 60},
};

struct FeatureCase
{
    const char *level;
    const char *button;
    const char *panel;
    const char *focus; // nullptr: the focus stays where it was
};

const FeatureCase kFeatures[] = {
    {"cmdChuJi", "cmdShouJi", "frmShouJi", "txtShouJi"},
    {"cmdChuJi", "cmdIP", "frmIP", "txtIP"},
    {"cmdChuJi", "cmdShenFenZheng", "frmShenFenZheng", "txtShenFenZheng"},
    {"cmdChuJi", "cmdYuMing", "frmYuMing", "txtYuMing"},
    {"cmdZhongJi", "cmdZhuJi", "frmZhuJi", "txtZhuJi"},
    {"cmdZhongJi", "cmdPaiming", "frmRenQi", "txtRenQi"},
    {"cmdZhongJi", "cmdLiuXing", "frmLiuXing", "txtLiuXing"},
    {"cmdZhongJi", "Command3", "frmSL", "txtSLURL"},
    {"cmdZhongJi", "Command8", "frmQQ", "Text4"},
    {"cmdZhongJi", "Command12", "frmMX", nullptr},
    {"cmdGaoji", "cmdICP", "frmICP", nullptr},
    {"cmdGaoji", "cmdGongShang", "frmGongShang", nullptr},
    {"cmdGaoji", "cmdEmail", "frmTelWZ", "txtTel"},
    {"cmdGaoji", "cmdSafe", "frmUSafe", "txtUS"},
    {"cmdGaoji", "Command7", "frmTB", nullptr},
};

TEST_F(Form1Window, LevelButtonShowsItsGroupAndIntroFromAnyState)
{
    const QStringList groups = {"frmChuJi", "frmZhongJi", "frmGaoji"};
    // The window opens in the basic level's state.
    EXPECT_EQ(visible(groups), QStringList{"frmChuJi"});
    EXPECT_TRUE(visiblePanels().isEmpty() && child("Picture1")->isVisible());
    for (const LevelCase &from : kLevels) {
        for (const LevelCase &to : kLevels) {
            SCOPED_TRACE(std::string(from.button) + " then " + to.button);
            // Open the last panel of the group first: the level must close it again.
            const FeatureCase *last = nullptr;
            for (const FeatureCase &feature : kFeatures)
                last = QString(feature.level) == from.button ? &feature : last;
            click(from.button);
            click(last->button);
            ASSERT_EQ(visiblePanels(), QStringList{last->panel});

            click(to.button);
            EXPECT_EQ(visible(groups), QStringList{to.group});
            EXPECT_TRUE(visiblePanels().isEmpty() && child("Picture1")->isVisible());
            EXPECT_EQ(child("cmdZhongJi")->y(), to.zhongJiTop);
            EXPECT_EQ(child("cmdGaoji")->y(), to.gaojiTop);
        }
    }
}

TEST_F(Form1Window, FeatureButtonShowsExactlyItsPanelAndFocusesItsInput)
{
    for (const FeatureCase &feature : kFeatures) {
        SCOPED_TRACE(feature.button);
        click(feature.level);
        click(feature.button);
        EXPECT_EQ(visiblePanels(), QStringList{feature.panel});
        EXPECT_FALSE(child("Picture1")->isVisible());
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        EXPECT_EQ(QApplication::focusWidget()->objectName().toStdString(),
                  feature.focus ? feature.focus : feature.button);
    }
}

// A level button keeps every panel's contents. Every feature button resets the nine listed panels and
// leaves the six others as their queries left them.
TEST_F(Form1Window, LevelButtonsKeepAndFeatureButtonsResetOnlyTheListedPanels)
{
    const char *resetInputs[] = {"txtIP",    "txtShouJi", "txtLiuXing", "txtSLURL",       "txtRenQi",
                                 "txtZhuJi", "txtTel",    "txtYuMing",  "txtShenFenZheng"};
    const char *keptInputs[] = {"Text4", "txtMXName", "txtICP", "txtUS", "txtGM", "txtTB", "Text2", "Text3"};
    const char *keptResults[] = {"txtIPJG", "lblIPZZ", "lblZhuJi", "lblRenQi", "lblShouLu", "Label26", "lblUS", "Text10"};
    auto dirtyInput = [this](const char *name) {
        child<QLineEdit>(name)->setText("dirty");
        child(name)->setEnabled(false);
    };
    for (const FeatureCase &feature : kFeatures) {
        SCOPED_TRACE(feature.button);
        std::for_each(std::begin(resetInputs), std::end(resetInputs), dirtyInput);
        std::for_each(std::begin(keptInputs), std::end(keptInputs), dirtyInput);
        for (const char *name : keptResults) {
            if (auto *box = qobject_cast<QPlainTextEdit *>(child(name)))
                box->setPlainText("dirty");
            else
                child<QLabel>(name)->setText("dirty");
        }
        child("Label10")->setVisible(true);
        child<QLabel>("lblShouJiZZ")->setText("dirty");
        child<QPlainTextEdit>("txtYuMingJG")->setPlainText("dirty");

        click(feature.level);
        for (const char *name : resetInputs)
            EXPECT_EQ(child<QLineEdit>(name)->text(), "dirty") << "after the level button: " << name;
        EXPECT_EQ(child<QPlainTextEdit>("txtYuMingJG")->toPlainText(), "dirty");
        click(feature.button);
        for (const char *name : resetInputs)
            EXPECT_TRUE(child<QLineEdit>(name)->text().isEmpty() && child(name)->isEnabled()) << name;
        for (const char *name : keptInputs)
            EXPECT_TRUE(child<QLineEdit>(name)->text() == "dirty" && !child(name)->isEnabled()) << name;
        for (const char *name : keptResults)
            EXPECT_EQ(shownText(child(name)), "dirty") << name;
        EXPECT_TRUE(child("Label10")->isHidden());
        EXPECT_NE(shownText(child("lblShouJiZZ")), "dirty");
        EXPECT_EQ(child<QPlainTextEdit>("txtYuMingJG")->toPlainText(), "");
    }
}

// One control per design family: each must resolve to an installed family that renders Chinese.
TEST_F(Form1Window, DesignFontsMapOntoInstalledFamilies)
{
    const std::pair<const char *, const char *> cases[] = {{"txtYuMing", "DejaVu Sans"},
                                                           {"lblShouJiHao", "Noto Sans CJK SC"},
                                                           {"txtIPTT", "Noto Serif CJK SC"},
                                                           {"Label18", "Noto Sans Mono CJK SC"}};
    for (const auto &[control, family] : cases)
        EXPECT_EQ(QFontInfo(child(control)->font()).family().toStdString(), family) << control;
}

TEST_F(Form1Window, LongLabelsWrapAndFitTheirDesignHeight)
{
    const QList<fendrake::WrapLabel *> labels = m_form->findChildren<fendrake::WrapLabel *>();
    EXPECT_GE(labels.size(), 10);
    for (const fendrake::WrapLabel *label : labels) {
        const int lineStep = fendrake::TightText::designLineStep(label->font());
        const fendrake::TightText text(label->text(), label->font(), label->contentsRect().width(), Qt::AlignLeft,
                                       lineStep);
        EXPECT_GT(text.height(), lineStep) << "one line only? " << label->objectName().toStdString();
        EXPECT_LE(text.height(), label->height()) << label->objectName().toStdString();
    }
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

struct BoxCase
{
    const char *level;
    const char *button;
    const char *box;
    const char *swallowed;
    const char *accepted;
};

const BoxCase kBoxes[] = {
    {"cmdChuJi", "cmdYuMing", "txtYuMing", "//（，@ ", "http:www.a-b.cn"},
    {"cmdZhongJi", "cmdZhuJi", "txtZhuJi", "/（，\\", "a-b.cn,"},
    {"cmdChuJi", "cmdIP", "txtIP", "aZ,-（", "10.0.*.1"},
    {"cmdZhongJi", "Command3", "txtSLURL", "允许输入的字符\"（", "中a.:"},
    {"cmdGaoji", "cmdICP", "txtICP", "（，/", "京,中a1"},
    {"cmdZhongJi", "cmdPaiming", "txtRenQi", "/（", "a.cn"},
    {"cmdZhongJi", "cmdLiuXing", "txtLiuXing", "/（", "a.cn"},
    {"cmdGaoji", "cmdSafe", "txtUS", "/（", "a.cn"},
    {"cmdGaoji", "cmdSafe", "txtGM", "/（", "a.cn"},
    {"cmdChuJi", "cmdShenFenZheng", "txtShenFenZheng", "aAzZ（", "11010x19X"},
    {"cmdChuJi", "cmdShouJi", "txtShouJi", "a.,（", "139"},
    {"cmdGaoji", "cmdEmail", "txtTel", "aZ（", "010-1"},
    {"cmdGaoji", "cmdEmail", "Text2", "aZ（", "010"},
    {"cmdGaoji", "cmdEmail", "Text3", "a,.（", "1234"},
    {"cmdZhongJi", "Command8", "Text4", "允许输入的字符\"a（", "中12"},
    {"cmdGaoji", "Command7", "txtTB", "", "/（允a\" "},
};

TEST_F(Form1Window, EachBoxSwallowsItsForbiddenCharactersAndKeepsTheRest)
{
    for (const BoxCase &row : kBoxes) {
        SCOPED_TRACE(row.box);
        click(row.level);
        click(row.button);
        auto *box = child<QLineEdit>(row.box);
        ASSERT_NE(box, nullptr);
        ASSERT_TRUE(box->isVisible());
        box->clear();
        box->setFocus();

        type(box, QString::fromUtf8(row.swallowed));
        EXPECT_EQ(box->text(), QString()) << box->text().toStdString();
        type(box, QString::fromUtf8(row.accepted));
        EXPECT_EQ(box->text().toStdString(), row.accepted);
    }
}

// Enter in the area code moves on to the number box when that box can take the focus, and clears nothing.
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

} // namespace
