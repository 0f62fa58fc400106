#include "checks/people/region_sites.h"
#include "qt_printers.h"
#include "query_panel_test.h"

#include <QComboBox>

#include <array>
#include <vector>

namespace fendrake {
namespace {

using namespace Qt::Literals::StringLiterals;
constexpr RegionMode P = RegionMode::Province, C = RegionMode::City;
const QString kKeep = u"="_s; // look up the list's choice as it stands

class BusinessRegistryQuery : public test::QueryPanelTest
{
protected:
    // A new window, so each case starts from the panel's first state.
    void freshPanel()
    {
        m_form = std::make_unique<Form1>();
        ASSERT_TRUE(test::showActive(m_form.get()));
        openPanel("cmdGaoji", "cmdGongShang");
    }

    QWidget *child(const char *name) const { return control<QWidget>(name); }

    // Each lookup selects its mode, chooses its text (empty: no entry; one no list offers is added first), runs.
    void run(const std::vector<std::pair<RegionMode, QString>> &lookups)
    {
        for (const auto &[mode, text] : lookups) {
            QTest::mouseClick(child(mode == P ? "Option1" : "Option2"), Qt::LeftButton);
            auto *list = control<QComboBox>(mode == P ? "Combo1" : "Combo2");
            EXPECT_TRUE(list->isEnabled());
            EXPECT_FALSE(child(mode == P ? "Combo2" : "Combo1")->isEnabled());
            if (!text.isEmpty() && list->findText(text) < 0 && text != kKeep)
                list->addItem(text);
            if (text != kKeep)
                list->setCurrentIndex(list->findText(text));
            QTest::mouseClick(child("Command1"), Qt::LeftButton);
            EXPECT_TRUE(child("Command1")->isEnabled());
        }
    }
};

// After the lookups the links hold the entries of the shown row (none: the design captions); a click
// opens exactly the caption of an enabled link and nothing for a disabled one.
TEST_F(BusinessRegistryQuery, LookupsLeaveOnlyAddressesClickable)
{
    const struct
    {
        std::vector<std::pair<RegionMode, QString>> lookups;
        RegionMode shownMode;
        QString shown;
        std::array<bool, 2> enabled;
        bool choiceMessage = false;
    } cases[] = {
        // clang-format off
        {{{P, u"北京"_s}}, P, u"北京"_s, {true, true}}, {{{P, u"西藏"_s}}, P, u"西藏"_s, {false, false}},
        {{{C, u"云浮"_s}, {C, u"云浮"_s}}, C, u"云浮"_s, {false, true}}, {{{C, u"吉林"_s}}, C, u"吉林"_s, {true, false}},
        {{{P, u"北京"_s}, {C, u"吉林"_s}, {P, kKeep}, {C, kKeep}}, C, u"吉林"_s, {true, false}},
        {{{C, u"富阳"_s}}, C, QString(), {true, true}}, {{{P, u"北京"_s}, {C, u"富阳"_s}}, P, u"北京"_s, {true, true}},
        {{{P, QString()}}, P, QString(), {true, true}, true},
        {{{P, u"西藏"_s}, {P, QString()}}, P, u"西藏"_s, {false, false}, true},
        // clang-format on
    };
    for (const auto &sample : cases) {
        SCOPED_TRACE(sample.lookups.back().second.toStdString() + " after " + std::to_string(sample.lookups.size()));
        freshPanel();
        m_messages.clear();
        run(sample.lookups);
        EXPECT_EQ(m_messages.messages().size(), sample.choiceMessage ? 1u : 0u);

        const RegionSites *row = findRegionSites(sample.shownMode, sample.shown);
        const QString captions[] = {row ? row->registry.toString() : u"http:///"_s,
                                    row ? row->credit.toString() : u"http:///"_s};
        test::ShellOpenRecorder opened;
        QStringList expected;
        for (int i : {0, 1}) {
            const char *name = i ? "Label4" : "Label3";
            EXPECT_EQ(test::shownText(child(name)), captions[i]) << name;
            EXPECT_EQ(child(name)->isEnabled(), sample.enabled[i]) << name;
            QTest::mouseClick(child(name), Qt::LeftButton);
            if (sample.enabled[i])
                expected << captions[i];
        }
        EXPECT_EQ(opened.addresses(), expected);
    }
}

TEST_F(BusinessRegistryQuery, HoverTurnsLinksRedAndTheFrameTurnsThemBlue)
{
    freshPanel();
    const QColor darkBlue(0, 0, 192), red(255, 0, 0), blue(0, 0, 255);
    const auto colour = [this](const char *name) {
        return child(name)->palette().color(QPalette::Active, QPalette::WindowText);
    };
    // Before each move a province may be looked up first; a disabled link does not light up.
    // clang-format off
    const std::tuple<QString, const char *, std::pair<QColor, QColor>> moves[] = {{u"北京"_s, "Label3", {red, darkBlue}},
        {{}, "Label4", {red, red}}, {{}, "Frame2", {blue, blue}}, {{}, "Label4", {blue, red}},
        {u"西藏"_s, "Label4", {blue, blue}}};
    // clang-format on
    int step = 0; // the pointer must really move: the same spot twice is no move
    for (const auto &[province, name, colours] : moves) {
        if (!province.isEmpty())
            run({{P, province}});
        QTest::mouseMove(child(name), QPoint(4 + step++, 4));
        EXPECT_EQ(std::pair(colour("Label3"), colour("Label4")), colours) << name;
    }
}

} // namespace
} // namespace fendrake
