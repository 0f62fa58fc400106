#include "app/region_lists.h"
#include "checks/people/business_registry.h"
#include "checks/people/region_sites.h"
#include "qt_printers.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <tuple>

using namespace fendrake;

using namespace Qt::Literals::StringLiterals;

TEST(RegionSites, AddressesAreSharedOnlyWhereNamed)
{
    std::map<QString, QStringList> users;
    for (RegionMode mode : {RegionMode::Province, RegionMode::City})
        for (const RegionSites &row : RegionSiteTable(mode))
            for (auto [entry, field] : {std::pair{row.registry, "registry"}, std::pair{row.credit, "credit"}})
                users[entry.toString()].append(row.name.toString() + u' ' + QLatin1String(field));
    std::set<QStringList> shared;
    for (const auto &[entry, names] : users)
        if (names.size() > 1 && isLinkCaption(entry))
            shared.insert(names);
    EXPECT_EQ(shared, (std::set<QStringList>{{u"江苏 registry"_s, u"浙江 credit"_s},
                                             {u"泉州 registry"_s, u"温州 registry"_s},
                                             {u"临海 registry"_s, u"新乡 registry"_s, u"荥阳 registry"_s}}));
}

// 吉林 has a row in each table; 新乡北站分局 is a row of its own beside 新乡.
TEST(RegionSites, LookupFindsWholeNamesInTheChosenTableOnly)
{
    const std::tuple<RegionMode, QString, bool> cases[] = {
        {RegionMode::City, u"北京"_s, false}, {RegionMode::Province, u"吉林"_s, true},
        {RegionMode::City, u"吉林"_s, true},  {RegionMode::City, u"新乡北站分局"_s, true},
        {RegionMode::City, u"新乡"_s, true},  {RegionMode::City, u"新乡北站"_s, false},
        {RegionMode::City, u"吉林 "_s, false}};
    for (const auto &[mode, text, found] : cases) {
        const RegionSites *row = findRegionSites(mode, text);
        EXPECT_EQ(row ? row->name.toString() : QString(), found ? text : QString());
    }
}

// The lists beside the tables: what only a list offers, then "+" and what only a table holds. A name
// twice in a table shows up here too.
TEST(RegionSites, ListsAndTablesDifferOnlyByTheKnownNames)
{
    const std::tuple<RegionMode, QStringList, QStringList> cases[] = {
        {RegionMode::Province, provinceRows(), {}},
        {RegionMode::City, cityRows(), {u"富阳"_s, u"+大连"_s, u"+贵阳"_s}}};
    for (const auto &[mode, list, differing] : cases) {
        QStringList difference = list;
        for (const RegionSites &row : RegionSiteTable(mode))
            if (!difference.removeOne(row.name.toString()))
                difference.append(u'+' + row.name.toString());
        EXPECT_EQ(difference, differing);
    }
}
