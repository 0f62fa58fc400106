#include "app/region_lists.h"
#include "checks/people/business_registry.h"
#include "checks/people/region_sites.h"

#include <QSet>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <utility>

namespace fendrake {
namespace {

using namespace Qt::Literals::StringLiterals;

// How many rows of a table hold each kind of entry pair: address or message, registry then credit.
std::map<QString, int> kindCounts(RegionMode mode)
{
    std::map<QString, int> counts;
    for (const RegionSites &row : RegionSiteTable(mode)) {
        const auto kind = [](QStringView entry) { return isLinkCaption(entry) ? u"address"_s : entry.toString(); };
        ++counts[kind(row.registry) + u" / "_s + kind(row.credit)];
    }
    return counts;
}

TEST(RegionSites, TablesHoldTheKindsOfEntryEachRegionHas)
{
    const std::map<QString, int> province{{u"address / address"_s, 17},
                                          {u"address / 没有相关网址"_s, 13},
                                          {u"无网站 / 没有相关网址"_s, 2},
                                          {u"没有相关网址 / 没有相关网址"_s, 2}};
    const std::map<QString, int> city{{u"address / address"_s, 5},
                                      {u"address / 没有相关网址"_s, 45},
                                      {u"没有相关网址 / address"_s, 1},
                                      {u"没有相关网址 / 没有相关网址"_s, 2}};
    EXPECT_EQ(kindCounts(RegionMode::Province), province);
    EXPECT_EQ(kindCounts(RegionMode::City), city);
}

TEST(RegionSites, AddressesAreAbsoluteHttpAndSharedOnlyWhereNamed)
{
    std::map<QString, QStringList> users;
    for (RegionMode mode : {RegionMode::Province, RegionMode::City}) {
        QSet<QString> names;
        for (const RegionSites &row : RegionSiteTable(mode)) {
            EXPECT_FALSE(names.contains(row.name.toString())) << row.name.toString().toStdString();
            names.insert(row.name.toString());
            for (auto [entry, field] : {std::pair{row.registry, u"registry"}, std::pair{row.credit, u"credit"}}) {
                if (!isLinkCaption(entry))
                    continue;
                EXPECT_GT(entry.size(), 7) << entry.toString().toStdString();
                EXPECT_FALSE(entry.contains(u' ')) << entry.toString().toStdString();
                users[entry.toString()].append(row.name.toString() + u' ' + QString::fromUtf16(field));
            }
        }
    }
    std::set<QStringList> shared;
    for (const auto &[address, names] : users)
        if (names.size() > 1)
            shared.insert(names);
    const std::set<QStringList> expected{{u"江苏 registry"_s, u"浙江 credit"_s},
                                         {u"泉州 registry"_s, u"温州 registry"_s},
                                         {u"临海 registry"_s, u"新乡 registry"_s, u"荥阳 registry"_s}};
    EXPECT_EQ(shared, expected);
}

TEST(RegionSites, LookupMatchesWholeNamesWithinTheChosenTableOnly)
{
    const struct
    {
        RegionMode mode;
        QString text;
        bool found;
    } cases[] = {
        {RegionMode::Province, u"北京"_s, true},     {RegionMode::City, u"北京"_s, false},
        {RegionMode::City, u"新乡北站分局"_s, true}, {RegionMode::City, u"新乡北站"_s, false},
        {RegionMode::City, u"吉林 "_s, false},       {RegionMode::City, u" 吉林"_s, false},
        {RegionMode::City, u"大连"_s, true},         {RegionMode::City, QString(), false},
        {RegionMode::Province, u"北京市"_s, false},
    };
    for (const auto &sample : cases) {
        const RegionSites *row = findRegionSites(sample.mode, sample.text);
        EXPECT_EQ(row != nullptr, sample.found) << sample.text.toStdString();
        if (row) {
            EXPECT_EQ(row->name, sample.text);
        }
    }
    const RegionSites *province = findRegionSites(RegionMode::Province, u"吉林");
    const RegionSites *city = findRegionSites(RegionMode::City, u"吉林");
    ASSERT_TRUE(province && city);
    EXPECT_NE(province->registry, city->registry);
    EXPECT_TRUE(isLinkCaption(province->credit));
    EXPECT_EQ(city->credit, kNoRelatedAddress);
    EXPECT_NE(findRegionSites(RegionMode::City, u"新乡"), findRegionSites(RegionMode::City, u"新乡北站分局"));
}

// The panel's lists and the tables are kept apart; only these names may differ.
TEST(RegionSites, ListEntriesWithoutRowsAndRowsWithoutEntriesAreTheKnownOnes)
{
    const struct
    {
        RegionMode mode;
        QStringList list;
        QSet<QString> listOnly;
        QSet<QString> tableOnly;
    } cases[] = {{RegionMode::Province, provinceRows(), {}, {}},
                 {RegionMode::City, cityRows(), {u"富阳"_s}, {u"大连"_s, u"贵阳"_s}}};
    for (const auto &sample : cases) {
        QSet<QString> listOnly(sample.list.begin(), sample.list.end());
        QSet<QString> tableOnly;
        for (const RegionSites &row : RegionSiteTable(sample.mode))
            if (!listOnly.remove(row.name.toString()))
                tableOnly.insert(row.name.toString());
        EXPECT_EQ(listOnly, sample.listOnly);
        EXPECT_EQ(tableOnly, sample.tableOnly);
    }
}

TEST(RegionSites, OnlyAnExactHttpPrefixMakesALink)
{
    const std::pair<QString, bool> cases[] = {
        {u"http:///"_s, true},   {u"http://a"_s, true}, {u"HTTP://a"_s, false}, {u"https://a"_s, false},
        {u" http://a"_s, false}, {u"http:/"_s, false},  {QString(), false},     {u"没有相关网址"_s, false},
    };
    for (const auto &[caption, link] : cases)
        EXPECT_EQ(isLinkCaption(caption), link) << caption.toStdString();
}

} // namespace
} // namespace fendrake
