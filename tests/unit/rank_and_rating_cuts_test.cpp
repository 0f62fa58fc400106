#include "checks/site/indexed_pages.h"
#include "checks/site/popularity.h"
#include "checks/site/traffic_rank.h"

#include <gtest/gtest.h>

using namespace fendrake;

using Texts = std::optional<std::pair<QString, QString>>;

TEST(TrafficRankCut, ShowsEachFigureAsWrittenOrFailsWithoutTheWholeSentence)
{
    // clang-format off
    const std::pair<QString, Texts> cases[] = {
        {"www.x.com\r\n全球综合排名第 1,234 位，中文排名第 5 6 位。", std::pair{"第 1,234 名", "第 5 6 名"}},
        {"全球综合排名第 没有排名数据 位，中文排名第 78 位。", std::pair{"查无资料", "第 78 名"}},
        {"全球综合排名第 9 位，中文排名第 没有排名数据 位。", std::pair{"第 9 名", "查无资料"}},
        {"全球综合排名第  没有排名数据 位，中文排名第 1 位。", std::pair{"第  没有排名数据 名", "第 1 名"}},
        {"说明 位。全球综合排名第 9 位，中文排名第 5 位。", std::nullopt},
        {"您查询的网站全球排名 9 位，中文排名第 5 位。", std::nullopt}, {"全球综合排名第 9 位，中文第 5 位。", std::nullopt},
        {"全球综合排名第 9 位，中文排名第 5 位", std::nullopt}, {" 位，中文排名第 全球综合排名第 9 位。", std::nullopt}};
    // clang-format on
    for (const auto &[page, texts] : cases) {
        SCOPED_TRACE(page.toStdString());
        const std::optional<TrafficRanks> ranks = cutTrafficRanks(page);
        ASSERT_EQ(ranks.has_value(), texts.has_value());
        if (ranks) {
            EXPECT_EQ(std::pair(trafficRankText(ranks->global), trafficRankText(ranks->chinese)), *texts);
        }
    }
}

TEST(PopularityRating, NotFoundWhenAMarkerIsMissingAndFailureWhenTheRatingIsNoNumber)
{
    const QString notFound = "网站流行度：没有找到该网站的信息";
    // clang-format off
    const std::pair<QString, std::optional<QString>> cases[] = {
        {"搜狗评级:85.0/100", "网站流行度：85.0 分"}, {"满意度 3/100", notFound}, {"搜狗评级:85", notFound}, {"", notFound},
        {"满意度 3/100 搜狗评级:85/100", std::nullopt}, {"搜狗评级:/100", std::nullopt}, {"搜狗评级:８５/100", std::nullopt}};
    // clang-format on
    for (const auto &[page, label] : cases)
        EXPECT_EQ(popularityLabelText(page), label) << page.toStdString();
}

TEST(IndexedPagesCount, ShowsTheCountAsWrittenOrFailsWithoutTheWholeSentence)
{
    // clang-format off
    const std::pair<QString, std::optional<QString>> cases[] = {
        {"为您找到相关网页约1,230篇，用时0.05秒", "1,230"}, {"相关网页约1,230篇，用时0.05秒", std::nullopt},
        {"找到相关网页约1,230篇", std::nullopt}, {"篇，用时 找到相关网页约1,230", std::nullopt}};
    // clang-format on
    for (const auto &[page, count] : cases)
        EXPECT_EQ(cutIndexedPagesCount(page), count) << page.toStdString();
}
