#include "app/fonts.h"
#include "app/form1.h"
#include "recorders.h"
#include "widget_lookup.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using fendrake::test::childNamed;
using fendrake::test::showActive;
using fendrake::test::shownText;

namespace {

const QStringList kQueryPanels = {"frmShouJi", "frmIP",        "frmShenFenZheng", "frmYuMing", "frmZhuJi",
                                  "frmRenQi",  "frmLiuXing",   "frmSL",           "frmQQ",     "frmMX",
                                  "frmICP",    "frmGongShang", "frmTelWZ",        "frmUSafe",  "frmTB"};

class Form1Navigation : public ::testing::Test
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
        ASSERT_NE(target, nullptr);
        ASSERT_TRUE(target->isVisible()) << button.toStdString() << " cannot be pressed now";
        QTest::mouseClick(target, Qt::LeftButton);
    }

    QStringList visiblePanels()
    {
        QStringList shown;
        for (const QString &name : kQueryPanels)
            if (child(name)->isVisible())
                shown << name;
        return shown;
    }

    QStringList visibleGroups()
    {
        QStringList shown;
        for (const char *name : {"frmChuJi", "frmZhongJi", "frmGaoji"})
            if (child(name)->isVisible())
                shown << name;
        return shown;
    }

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

TEST_F(Form1Navigation, WindowOpensOnBasicLevelWithIntroAndNoPanel)
{
    EXPECT_EQ(visibleGroups(), QStringList{"frmChuJi"});
    EXPECT_TRUE(visiblePanels().isEmpty()) << visiblePanels().join(' ').toStdString();
    EXPECT_TRUE(child("Picture1")->isVisible());
    EXPECT_EQ(child("cmdChuJi")->y(), 4);
    EXPECT_EQ(child("cmdZhongJi")->y(), 344);
    EXPECT_EQ(child("cmdGaoji")->y(), 372);
}

TEST_F(Form1Navigation, LevelButtonShowsItsGroupAndIntroFromAnyState)
{
    for (const LevelCase &from : kLevels) {
        for (const LevelCase &to : kLevels) {
            SCOPED_TRACE(std::string(from.button) + " then " + to.button);
            click(from.button);
            // Open the last panel of the group first: the level must close it again.
            const FeatureCase *last = nullptr;
            for (const FeatureCase &feature : kFeatures)
                if (QString(feature.level) == from.button)
                    last = &feature;
            click(last->button);
            ASSERT_EQ(visiblePanels(), QStringList{last->panel});

            click(to.button);
            EXPECT_EQ(visibleGroups(), QStringList{to.group});
            EXPECT_TRUE(visiblePanels().isEmpty());
            EXPECT_TRUE(child("Picture1")->isVisible());
            EXPECT_EQ(child("cmdChuJi")->y(), 4);
            EXPECT_EQ(child("cmdZhongJi")->y(), to.zhongJiTop);
            EXPECT_EQ(child("cmdGaoji")->y(), to.gaojiTop);
        }
    }
}

TEST_F(Form1Navigation, FeatureButtonShowsExactlyItsPanelAndFocusesItsInput)
{
    for (const FeatureCase &feature : kFeatures) {
        SCOPED_TRACE(feature.button);
        click(feature.level);
        click(feature.button);
        EXPECT_EQ(visiblePanels(), QStringList{feature.panel});
        EXPECT_FALSE(child("Picture1")->isVisible());
        QWidget *focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr);
        if (feature.focus)
            EXPECT_EQ(focused->objectName().toStdString(), feature.focus);
        else
            EXPECT_EQ(focused->objectName().toStdString(), feature.button) << "the focus must not move";
    }
}

TEST_F(Form1Navigation, FocusSkipsAnInputBoxItsQueryKeepsDisabled)
{
    const FeatureCase cases[] = {{"cmdGaoji", "cmdSafe", "frmUSafe", "txtUS"},
                                 {"cmdZhongJi", "Command8", "frmQQ", "Text4"}};
    for (const FeatureCase &feature : cases) {
        SCOPED_TRACE(feature.button);
        child(feature.focus)->setEnabled(false);
        click(feature.level);
        click(feature.button);
        EXPECT_EQ(visiblePanels(), QStringList{feature.panel});
        EXPECT_FALSE(child(feature.focus)->isEnabled()) << "the reset must not enable it";
        EXPECT_EQ(QApplication::focusWidget()->objectName().toStdString(), feature.button);
    }
}

TEST_F(Form1Navigation, WebPageButtonsLeaveThePanelsAsTheyAre)
{
    const fendrake::test::ShellOpenRecorder shellOpens; // no browser is started
    click("cmdShouJi");
    child<QLineEdit>("txtShouJi")->setText("13800138000");
    for (const char *button : {"mnuFileSafe", "Command11"}) {
        click(button);
        EXPECT_EQ(visiblePanels(), QStringList{"frmShouJi"});
        EXPECT_EQ(child<QLineEdit>("txtShouJi")->text(), "13800138000");
    }
}

TEST_F(Form1Navigation, LevelSwitchKeepsContentsUntilTheFeatureButtonResets)
{
    click("cmdYuMing");
    child<QLineEdit>("txtYuMing")->setText("example.com");
    child<QPlainTextEdit>("txtYuMingJG")->setPlainText("result");
    click("cmdGaoji");
    click("cmdChuJi");
    EXPECT_EQ(child<QLineEdit>("txtYuMing")->text(), "example.com");
    EXPECT_EQ(child<QPlainTextEdit>("txtYuMingJG")->toPlainText(), "result");

    click("cmdYuMing");
    EXPECT_EQ(child<QLineEdit>("txtYuMing")->text(), "");
    EXPECT_EQ(child<QPlainTextEdit>("txtYuMingJG")->toPlainText(), "");
    EXPECT_EQ(QApplication::focusWidget(), child("txtYuMing"));
}

// The 44 writes of the reset, as (control, property, value after the reset).
enum class Prop
{
    Text,
    Enabled,
    Hidden
};

struct ResetWrite
{
    const char *control;
    Prop property;
    const char *value; // the text for Prop::Text
};

const ResetWrite kResetWrites[] = {
    {"txtIP", Prop::Text, ""},
    {"txtIP", Prop::Enabled, nullptr},
    {"cmdIPChaXun", Prop::Enabled, nullptr},
    {"Label10", Prop::Hidden, nullptr},
    {"txtShouJi", Prop::Text, ""},
    {"txtShouJi", Prop::Enabled, nullptr},
    {"cmdShouJiChaXun", Prop::Enabled, nullptr},
    {"lblChengShi", Prop::Text, "归属："},
    {"lblQuHao", Prop::Text, "区号："},
    {"lblKaXing", Prop::Text, "卡型："},
    {"lblPost", Prop::Text, "邮编："},
    {"lblShouJiZZ", Prop::Text, "准备就绪"},
    {"txtLiuXing", Prop::Text, ""},
    {"txtLiuXing", Prop::Enabled, nullptr},
    {"cmdLiuXingChaXun", Prop::Enabled, nullptr},
    {"cmdShouLuChaXun", Prop::Enabled, nullptr},
    {"lblLiuXing", Prop::Text, "网站流行度："},
    {"txtSLURL", Prop::Enabled, nullptr},
    {"txtSLURL", Prop::Text, ""},
    {"cmdGO", Prop::Enabled, nullptr},
    {"txtSLJG", Prop::Text, ""},
    {"txtSLJG", Prop::Enabled, nullptr},
    {"txtRenQi", Prop::Enabled, nullptr},
    {"txtRenQi", Prop::Text, ""},
    {"cmdRenQiChaxun", Prop::Enabled, nullptr},
    {"txtZhuJi", Prop::Enabled, nullptr},
    {"txtZhuJi", Prop::Text, ""},
    {"cmdZhuJiChaXun", Prop::Enabled, nullptr},
    {"lblZhuJiIP", Prop::Text, "主机IP地址："},
    {"txtTel", Prop::Text, ""},
    {"txtTel", Prop::Enabled, nullptr},
    {"txtTelWZ", Prop::Enabled, nullptr},
    {"txtTelWZ", Prop::Text, ""},
    {"txtYuMing", Prop::Text, ""},
    {"txtYuMing", Prop::Enabled, nullptr},
    {"cmdYuMingChaXun", Prop::Enabled, nullptr},
    {"txtYuMingJG", Prop::Enabled, nullptr},
    {"txtYuMingJG", Prop::Text, ""},
    {"txtShenFenZheng", Prop::Enabled, nullptr},
    {"txtShenFenZheng", Prop::Text, ""},
    {"cmdShenFenZhengChaXun", Prop::Enabled, nullptr},
    {"lblXingBie", Prop::Text, "性别："},
    {"lblChuSheng", Prop::Text, "出生日期："},
    {"lblSFZSuoZai", Prop::Text, "发证地："},
};
static_assert(std::size(kResetWrites) == 44);

void setShownText(QWidget *control, const QString &text)
{
    if (auto *label = qobject_cast<QLabel *>(control))
        label->setText(text);
    else if (auto *line = qobject_cast<QLineEdit *>(control))
        line->setText(text);
    else if (auto *box = qobject_cast<QPlainTextEdit *>(control))
        box->setPlainText(text);
    else if (auto *button = qobject_cast<QAbstractButton *>(control))
        button->setText(text);
    else
        FAIL() << "no text on " << control->objectName().toStdString();
}

TEST_F(Form1Navigation, EveryFeatureButtonPerformsThe44ResetWrites)
{
    for (const FeatureCase &feature : kFeatures) {
        SCOPED_TRACE(feature.button);
        click(feature.level);
        // Dirty every control as a finished or running query would leave it.
        for (const ResetWrite &write : kResetWrites) {
            QWidget *control = child(write.control);
            switch (write.property) {
            case Prop::Text:
                setShownText(control, "dirty");
                break;
            case Prop::Enabled:
                control->setEnabled(false);
                break;
            case Prop::Hidden:
                control->setVisible(true);
                break;
            }
        }
        click(feature.button);
        for (const ResetWrite &write : kResetWrites) {
            QWidget *control = child(write.control);
            switch (write.property) {
            case Prop::Text:
                EXPECT_EQ(shownText(control).toStdString(), write.value) << write.control;
                break;
            case Prop::Enabled:
                EXPECT_TRUE(control->isEnabled()) << write.control;
                break;
            case Prop::Hidden:
                EXPECT_TRUE(control->isHidden()) << write.control;
                break;
            }
        }
    }
}

TEST_F(Form1Navigation, ResetLeavesTheUnlistedControlsAsTheLastQueryLeftThem)
{
    // Result and status controls of the reset panels, and inputs of the panels the reset leaves out.
    const char *texts[] = {"txtIPJG",    "lblIPZZ",   "lblSFZZZ",     "txtZhuJiJG", "lblZhuJi", "lblRenQi", "lblZG",
                           "lblRenQiZZ", "lblShouLu", "lblLiuXingZZ", "Text2",      "Text3",    "txtIPTT",  "txtSFZTT",
                           "Text4",      "Label26",   "txtMXName",    "lblMX6",     "txtICP",   "Label30",  "txtUS",
                           "txtGM",      "lblUS",     "Label36",      "txtTB",      "lblTBZZ",  "Text10",   "Text7"};
    const char *disabled[] = {"Command5", "Command4", "cmdTelChaXun", "Text4",   "Command9", "txtMXName",
                              "cmdMXCX",  "txtICP",   "Command6",     "txtUS",   "cmdUS",    "txtGM",
                              "cmdGMCX",  "txtTB",    "cmdTBCX",      "Command1"};
    for (const char *name : texts)
        setShownText(child(name), "kept");
    for (const char *name : disabled)
        child(name)->setEnabled(false);
    child("cmdTBURL")->setVisible(true);

    for (const FeatureCase &feature : kFeatures) {
        SCOPED_TRACE(feature.button);
        click(feature.level);
        click(feature.button);
        for (const char *name : texts)
            EXPECT_EQ(shownText(child(name)), "kept") << name;
        for (const char *name : disabled)
            EXPECT_FALSE(child(name)->isEnabled()) << name;
        EXPECT_FALSE(child("cmdTBURL")->isHidden());
    }
}

} // namespace
