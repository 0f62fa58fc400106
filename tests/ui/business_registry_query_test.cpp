#include "app/form1.h"
#include "checks/people/region_sites.h"
#include "recorders.h"
#include "widget_lookup.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace fendrake {
namespace {

using namespace Qt::Literals::StringLiterals;
constexpr RegionMode P = RegionMode::Province;
constexpr RegionMode C = RegionMode::City;
const QString kDesign = u"http:///"_s;

struct Lookup
{
    RegionMode mode;
    QString text; // empty: no entry chosen
};

struct Link
{
    QString caption;
    bool enabled;
};

QString registryOf(RegionMode mode, QStringView name)
{
    return findRegionSites(mode, name)->registry.toString();
}

QString creditOf(RegionMode mode, QStringView name)
{
    return findRegionSites(mode, name)->credit.toString();
}

class BusinessRegistryQuery : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_form = std::make_unique<Form1>();
        ASSERT_TRUE(test::showActive(m_form.get()));
        QTest::mouseClick(button("cmdGaoji"), Qt::LeftButton);
        QTest::mouseClick(button("cmdGongShang"), Qt::LeftButton);
        ASSERT_TRUE(label("Label3")->isVisible());
    }

    template <typename T> T *child(const char *name) const { return test::childNamed<T>(m_form.get(), name); }
    QAbstractButton *button(const char *name) const { return child<QAbstractButton>(name); }
    QLabel *label(const char *name) const { return child<QLabel>(name); }
    QComboBox *combo(RegionMode mode) const { return child<QComboBox>(mode == P ? "Combo1" : "Combo2"); }

    void selectMode(RegionMode mode) { QTest::mouseClick(button(mode == P ? "Option1" : "Option2"), Qt::LeftButton); }

    // A text that no list entry offers is added as an entry, as if the list held it.
    void choose(RegionMode mode, const QString &text)
    {
        QComboBox *box = combo(mode);
        if (!text.isEmpty() && box->findText(text) < 0)
            box->addItem(text);
        box->setCurrentIndex(text.isEmpty() ? -1 : box->findText(text));
    }

    void run(const std::vector<Lookup> &lookups)
    {
        for (const Lookup &lookup : lookups) {
            selectMode(lookup.mode);
            choose(lookup.mode, lookup.text);
            QTest::mouseClick(button("Command1"), Qt::LeftButton);
            EXPECT_TRUE(button("Command1")->isEnabled());
        }
    }

    void expectLinks(const Link &registry, const Link &credit) const
    {
        EXPECT_EQ(label("Label3")->text().toStdString(), registry.caption.toStdString());
        EXPECT_EQ(label("Label3")->isEnabled(), registry.enabled);
        EXPECT_EQ(label("Label4")->text().toStdString(), credit.caption.toStdString());
        EXPECT_EQ(label("Label4")->isEnabled(), credit.enabled);
    }

    std::pair<QColor, QColor> linkColours() const
    {
        return {label("Label3")->palette().color(QPalette::Active, QPalette::WindowText),
                label("Label4")->palette().color(QPalette::Active, QPalette::WindowText)};
    }

    test::MessageRecorder m_messages;
    test::ShellOpenRecorder m_opened;
    std::unique_ptr<Form1> m_form;
};

TEST_F(BusinessRegistryQuery, LookupsWriteTheRowAndEnableOnlyAddresses)
{
    const QString none = kNoRelatedAddress.toString();
    const Link beijing[] = {{registryOf(P, u"北京"), true}, {creditOf(P, u"北京"), true}};
    const Link tibet[] = {{kNoWebsite.toString(), false}, {none, false}};
    const Link yunfu[] = {{none, false}, {creditOf(C, u"云浮"), true}};
    const struct
    {
        std::vector<Lookup> lookups;
        Link registry, credit;
        size_t messages;
    } cases[] = {
        {{{P, u"北京"_s}}, beijing[0], beijing[1], 0},
        {{{P, u"西藏"_s}}, tibet[0], tibet[1], 0},
        {{{C, u"云浮"_s}}, yunfu[0], yunfu[1], 0},
        {{{C, u"云浮"_s}, {C, u"云浮"_s}}, yunfu[0], yunfu[1], 0},
        {{{P, u"吉林"_s}}, {registryOf(P, u"吉林"), true}, {creditOf(P, u"吉林"), true}, 0},
        {{{C, u"吉林"_s}}, {registryOf(C, u"吉林"), true}, {none, false}, 0},
        {{{C, u"富阳"_s}}, {kDesign, true}, {kDesign, true}, 0},
        {{{P, u"北京"_s}, {P, u"北京 "_s}}, beijing[0], beijing[1], 0},
        {{{P, u"西藏"_s}, {C, u"富阳"_s}}, tibet[0], tibet[1], 0},
        {{{P, QString()}}, {kDesign, true}, {kDesign, true}, 1},
        {{{P, u"北京"_s}, {C, QString()}}, beijing[0], beijing[1], 1},
        {{{P, u"西藏"_s}, {P, QString()}}, tibet[0], tibet[1], 1},
    };
    for (const auto &sample : cases) {
        SCOPED_TRACE(sample.lookups.back().text.toStdString() + " after " + std::to_string(sample.lookups.size()));
        SetUp();
        run(sample.lookups);
        expectLinks(sample.registry, sample.credit);
        ASSERT_EQ(m_messages.messages().size(), sample.messages);
        for (const test::RecordedMessage &box : m_messages.messages()) {
            EXPECT_EQ(box.icon, MessageIcon::Critical);
            EXPECT_EQ(box.title, u"错误"_s);
            EXPECT_EQ(box.text, u"请选择省/市以便查询！"_s);
        }
        m_messages.clear();
    }
}

TEST_F(BusinessRegistryQuery, SwitchingModesKeepsTheOtherListsChoice)
{
    run({{P, u"北京"_s}, {C, u"吉林"_s}});
    EXPECT_FALSE(combo(P)->isEnabled());
    EXPECT_TRUE(combo(C)->isEnabled());
    expectLinks({registryOf(C, u"吉林"), true}, {kNoRelatedAddress.toString(), false});

    selectMode(P);
    EXPECT_TRUE(combo(P)->isEnabled());
    EXPECT_FALSE(combo(C)->isEnabled());
    EXPECT_EQ(combo(C)->currentText(), u"吉林"_s);
    QTest::mouseClick(button("Command1"), Qt::LeftButton);
    expectLinks({registryOf(P, u"北京"), true}, {creditOf(P, u"北京"), true});
}

TEST_F(BusinessRegistryQuery, HoverTurnsLinksRedAndTheFrameTurnsThemBlue)
{
    const QColor darkBlue(0, 0, 192), red(255, 0, 0), blue(0, 0, 255);
    const auto moveOver = [this](const char *name, QPoint at = {}) {
        QWidget *target = child<QWidget>(name);
        QTest::mouseMove(target, at.isNull() ? target->rect().center() : at);
    };
    EXPECT_EQ(linkColours(), std::pair(darkBlue, darkBlue));
    run({{P, u"北京"_s}});
    moveOver("Label3");
    EXPECT_EQ(linkColours(), std::pair(red, darkBlue));
    moveOver("Label4");
    EXPECT_EQ(linkColours(), std::pair(red, red));
    moveOver("Frame2", {4, 4});
    EXPECT_EQ(linkColours(), std::pair(blue, blue));
    moveOver("Label4");
    EXPECT_EQ(linkColours(), std::pair(blue, red));

    run({{P, u"西藏"_s}});
    moveOver("Label3");
    EXPECT_EQ(linkColours(), std::pair(blue, blue)) << "a disabled link does not light up";
}

TEST_F(BusinessRegistryQuery, ClickOpensExactlyTheCaptionOfAnEnabledLinkOnly)
{
    const struct
    {
        std::vector<Lookup> lookups;
        const char *link;
        QStringList opened;
    } cases[] = {
        {{}, "Label3", {}},
        {{{P, u"北京"_s}}, "Label3", {registryOf(P, u"北京")}},
        {{{P, u"北京"_s}}, "Label4", {creditOf(P, u"北京")}},
        {{{C, u"云浮"_s}}, "Label3", {}},
        {{{C, u"云浮"_s}}, "Label4", {creditOf(C, u"云浮")}},
        {{{P, u"西藏"_s}, {C, u"富阳"_s}}, "Label4", {}},
    };
    for (const auto &sample : cases) {
        SCOPED_TRACE(sample.link);
        test::ShellOpenRecorder opened;
        SetUp();
        run(sample.lookups);
        QTest::mouseClick(label(sample.link), Qt::LeftButton);
        EXPECT_EQ(opened.addresses(), sample.opened);
    }
}

} // namespace
} // namespace fendrake
