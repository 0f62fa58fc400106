#include "checks/site/indexed_pages.h"
#include "checks/site/popularity.h"

#include <gtest/gtest.h>

namespace fendrake {
namespace {

const QString kCaption = QStringLiteral("网站流行度：");
const QString kNotFound = QStringLiteral("网站流行度：没有找到该网站的信息");

TEST(PopularityRating, ShowsOnlyAWholeRatingAndFailsOnWhatIsNoRating)
{
    const struct
    {
        QString page;
        std::optional<QString> label;
    } cases[] = {
        {QStringLiteral("首页 搜狗评级:85/100 快照"), kCaption + QStringLiteral("85 分")},
        {QStringLiteral("搜狗评级:100/100"), kCaption + QStringLiteral("100 分")},
        {QStringLiteral("搜狗评级:85.5/100"), kCaption},
        {QStringLiteral("搜狗评级:85.0/100"), kCaption + QStringLiteral("85.0 分")},
        {QStringLiteral("满意度 3/100"), kNotFound},
        {QStringLiteral("搜狗评级:85"), kNotFound},
        {QStringLiteral("搜狗评级85/100"), kNotFound},
        {QString(), kNotFound},
        {QStringLiteral("满意度 3/100 搜狗评级:85/100"), std::nullopt},
        {QStringLiteral("搜狗评级:暂无/100"), std::nullopt},
        {QStringLiteral("搜狗评级:/100"), std::nullopt},
        {QStringLiteral("搜狗评级:８５/100"), std::nullopt},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.page.toStdString());
        EXPECT_EQ(popularityLabelText(c.page), c.label);
    }
}

TEST(PopularitySite, RemovesEveryLowerCaseSchemeOnly)
{
    const std::pair<QString, QString> cases[] = {
        {QStringLiteral("http://www.x.com"), QStringLiteral("www.x.com")},
        {QStringLiteral("http://www.x.comhttp://"), QStringLiteral("www.x.com")},
        {QStringLiteral("HTTP://www.x.com"), QStringLiteral("HTTP://www.x.com")},
        {QStringLiteral("https://www.x.com"), QStringLiteral("https://www.x.com")},
    };
    for (const auto &[typed, cleaned] : cases)
        EXPECT_EQ(stripHttpScheme(typed), cleaned);
}

TEST(IndexedPagesCount, ShowsTheCountAsWrittenOrFailsWithoutTheWholeSentence)
{
    const struct
    {
        QString page;
        std::optional<QString> count;
    } cases[] = {
        {QStringLiteral("为您找到相关网页约1,230篇，用时0.05秒"), QStringLiteral("1,230")},
        {QStringLiteral("找到相关网页约篇，用时"), QString()},
        {QStringLiteral("相关网页约1,230篇，用时0.05秒"), std::nullopt},
        {QStringLiteral("找到相关网页约1,230篇"), std::nullopt},
        {QStringLiteral("篇，用时 找到相关网页约1,230"), std::nullopt},
        {QString(), std::nullopt},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.page.toStdString());
        EXPECT_EQ(cutIndexedPagesCount(c.page), c.count);
    }
}

} // namespace
} // namespace fendrake
