#include "app/fonts.h"
#include "app/form1.h"
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

TEST_F(Form1Navigation, LevelButtonShowsItsGroupAndIntroFromAnyState)
{
    // The window opens in the basic level's state.
    EXPECT_EQ(visibleGroups(), QStringList{"frmChuJi"});
    EXPECT_TRUE(visiblePanels().isEmpty() && child("Picture1")->isVisible());
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

void setShownText(QWidget *control, const QString &text)
{
    if (auto *label = qobject_cast<QLabel *>(control))
        label->setText(text);
    else if (auto *line = qobject_cast<QLineEdit *>(control))
        line->setText(text);
    else if (auto *box = qobject_cast<QPlainTextEdit *>(control))
        box->setPlainText(text);
    else
        FAIL() << "no text on " << control->objectName().toStdString();
}

// Every feature button resets the nine listed panels and leaves the six others as their queries left them.
TEST_F(Form1Navigation, FeatureButtonsResetOnlyTheListedPanels)
{
    const char *resetInputs[] = {"txtIP",    "txtShouJi", "txtLiuXing", "txtSLURL",       "txtRenQi",
                                 "txtZhuJi", "txtTel",    "txtYuMing",  "txtShenFenZheng"};
    const char *keptInputs[] = {"Text4", "txtMXName", "txtICP", "txtUS", "txtGM", "txtTB", "Text2", "Text3"};
    const char *keptResults[] = {"txtIPJG", "lblIPZZ", "lblZhuJi", "lblRenQi", "lblShouLu", "Label26", "lblUS", "Text10"};
    for (const FeatureCase &feature : kFeatures) {
        SCOPED_TRACE(feature.button);
        click(feature.level);
        for (const char *name : resetInputs) {
            child<QLineEdit>(name)->setText("dirty");
            child(name)->setEnabled(false);
        }
        for (const char *name : keptInputs) {
            child<QLineEdit>(name)->setText("kept");
            child(name)->setEnabled(false);
        }
        for (const char *name : keptResults)
            setShownText(child(name), "kept");
        child("Label10")->setVisible(true);
        child<QLabel>("lblShouJiZZ")->setText("dirty");

        click(feature.button);
        for (const char *name : resetInputs) {
            EXPECT_EQ(child<QLineEdit>(name)->text(), "") << name;
            EXPECT_TRUE(child(name)->isEnabled()) << name;
        }
        for (const char *name : keptInputs) {
            EXPECT_EQ(child<QLineEdit>(name)->text(), "kept") << name;
            EXPECT_FALSE(child(name)->isEnabled()) << name;
        }
        for (const char *name : keptResults)
            EXPECT_EQ(shownText(child(name)), "kept") << name;
        EXPECT_TRUE(child("Label10")->isHidden());
        EXPECT_EQ(shownText(child("lblShouJiZZ")).toStdString(), "准备就绪");
    }
}

} // namespace
