#include "checks/site/traffic_rank.h"

#include <gtest/gtest.h>

namespace fendrake {
namespace {

TEST(TrafficRankCut, ShowsEachFigureAsWrittenOrFailsWithoutTheWholeSentence)
{
    const struct
    {
        const char *name;
        QString page;
        bool found;
        QString global;
        QString chinese;
    } cases[] = {
        {"separators kept", QStringLiteral("网站 www.x.com\r\n全球综合排名第 1,234 位，中文排名第 5 6 位。完"), true,
         QStringLiteral("第 1,234 名"), QStringLiteral("第 5 6 名")},
        {"unranked globally only", QStringLiteral("全球综合排名第 没有排名数据 位，中文排名第 78 位。"), true,
         QStringLiteral("查无资料"), QStringLiteral("第 78 名")},
        {"unranked in China only", QStringLiteral("全球综合排名第 9 位，中文排名第 没有排名数据 位。"), true,
         QStringLiteral("第 9 名"), QStringLiteral("查无资料")},
        {"unranked with blanks around is a figure",
         QStringLiteral("全球综合排名第  没有排名数据 位，中文排名第 没有排名数据  位。"), true,
         QStringLiteral("第  没有排名数据 名"), QStringLiteral("第 没有排名数据  名")},
        {"closing of the Chinese figure before it",
         QStringLiteral("说明 位。全球综合排名第 9 位，中文排名第 5 位。"),
         false,
         {},
         {}},
        {"opening marker missing", QStringLiteral("全球排名 9 位，中文排名第 5 位。"), false, {}, {}},
        {"global closing missing", QStringLiteral("全球综合排名第 9 位，中文第 5 位。"), false, {}, {}},
        {"Chinese closing missing", QStringLiteral("全球综合排名第 9 位，中文排名第 5 位"), false, {}, {}},
        {"global closing before the figure", QStringLiteral(" 位，中文排名第 全球综合排名第 9 位。"), false, {}, {}},
        {"empty page", QString(), false, {}, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<TrafficRanks> ranks = cutTrafficRanks(c.page);
        ASSERT_EQ(ranks.has_value(), c.found);
        if (ranks) {
            EXPECT_EQ(trafficRankText(ranks->global).toStdString(), c.global.toStdString());
            EXPECT_EQ(trafficRankText(ranks->chinese).toStdString(), c.chinese.toStdString());
        }
    }
}

} // namespace
} // namespace fendrake
