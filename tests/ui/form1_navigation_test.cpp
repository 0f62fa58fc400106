#include "app/fonts.h"
#include "app/form1.h"
#include "app/tight_text.h"
#include "app/wrap_label.h"
#include "widget_lookup.h"

#include <QApplication>
#include <QFontInfo>
#include <QSet>
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

TEST_F(Form1Navigation, LevelButtonShowsItsGroupAndIntroFromAnyState)
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

TEST_F(Form1Navigation, FeatureButtonShowsExactlyItsPanelAndFocusesItsInput)
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

// A box its running query keeps disabled stays so, and the focus stays on the button.
TEST_F(Form1Navigation, FocusSkipsAnInputBoxItsQueryKeepsDisabled)
{
    for (const FeatureCase &feature : kFeatures) {
        if (QString(feature.focus) != "txtUS" && QString(feature.focus) != "Text4")
            continue;
        SCOPED_TRACE(feature.button);
        child(feature.focus)->setEnabled(false);
        click(feature.level);
        click(feature.button);
        EXPECT_FALSE(child(feature.focus)->isEnabled());
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
}

// Every feature button resets the nine listed panels and leaves the six others as their queries left them.
TEST_F(Form1Navigation, FeatureButtonsResetOnlyTheListedPanels)
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
        click(feature.level);
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

        click(feature.button);
        for (const char *name : resetInputs)
            EXPECT_TRUE(child<QLineEdit>(name)->text().isEmpty() && child(name)->isEnabled()) << name;
        for (const char *name : keptInputs)
            EXPECT_TRUE(child<QLineEdit>(name)->text() == "dirty" && !child(name)->isEnabled()) << name;
        for (const char *name : keptResults)
            EXPECT_EQ(shownText(child(name)), "dirty") << name;
        EXPECT_TRUE(child("Label10")->isHidden());
        EXPECT_NE(shownText(child("lblShouJiZZ")), "dirty");
    }
}

// One control per design family: each must resolve to an installed family that renders Chinese.
TEST_F(Form1Navigation, DesignFontsMapOntoInstalledFamilies)
{
    const std::pair<const char *, const char *> cases[] = {{"txtYuMing", "DejaVu Sans"},
                                                           {"lblShouJiHao", "Noto Sans CJK SC"},
                                                           {"txtIPTT", "Noto Serif CJK SC"},
                                                           {"Label18", "Noto Sans Mono CJK SC"}};
    for (const auto &[control, family] : cases)
        EXPECT_EQ(QFontInfo(child(control)->font()).family().toStdString(), family) << control;
}

TEST_F(Form1Navigation, LongLabelsWrapAndFitTheirDesignHeight)
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

// The menus and the telephone panel find their controls by name: a name must be unique in the window.
TEST_F(Form1Navigation, ObjectNamesAreUniqueInTheWindow)
{
    QSet<QString> seen;
    for (const QObject *object : m_form->findChildren<QObject *>()) {
        const QString name = object->objectName();
        if (name.isEmpty() || name.startsWith("qt_"))
            continue;
        EXPECT_FALSE(seen.contains(name)) << name.toStdString();
        seen.insert(name);
    }
}

} // namespace
