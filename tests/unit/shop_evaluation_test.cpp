#include "checks/people/shop_evaluation.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <tuple>
#include <utility>

using namespace fendrake;

TEST(ShopScore, EveryRuleMovesTheScoreAndEachBandStartsAtItsLowerBound)
{
    // Protected, penalised, both comparison boxes ticked, G 1000, S 2000, U 35: 100 - 47 - 4 + 1 - 7 = 43,
    // far enough from both clamps that every rule shows.
    ShopFacts middling;
    middling.protection = middling.penalties = middling.matchesDescription = middling.goodService = true;
    middling.goodRatings = 1000;
    middling.sellerCredit = 2000;
    middling.buyerCredit = 35;

    constexpr auto B = &ShopFacts::badRatings, G = &ShopFacts::goodRatings, S = &ShopFacts::sellerCredit,
                   U = &ShopFacts::buyerCredit, Y = &ShopFacts::year;
    const std::tuple<double ShopFacts::*, double, int> values[] = {
        {B, 2, 43},     {B, 3, 40},      {B, 29, 40},     {B, 30, 30},     {B, 99, 30},    {B, 100, 23},
        {B, 499, 23},   {B, 500, 18},    {B, 1999, 18},   {B, 2000, 3},    {G, 999, 39},   {G, 1000, 43},
        {G, 4999, 43},  {G, 5000, 56},   {G, 9999, 56},   {G, 10000, 61},  {G, 49999, 61}, {G, 50000, 66},
        {G, 99999, 66}, {G, 100000, 68}, {G, 499999, 68}, {G, 500000, 73}, {S, 499, 12},   {S, 500, 21},
        {S, 1999, 21},  {S, 2000, 43},   {S, 4999, 43},   {S, 5000, 49},   {S, 9999, 49},  {S, 10000, 62},
        {S, 99999, 62}, {S, 100000, 67}, {S, 499999, 67}, {S, 500000, 72}, {U, 34, 4},     {U, 35, 43},
        {U, 199, 43},   {U, 200, 63},    {U, 499, 63},    {U, 500, 73},    {Y, 2009, 43},  {Y, 2010, 11},
    };
    for (const auto &[value, at, score] : values) {
        ShopFacts facts = middling;
        facts.*value = at;
        EXPECT_EQ(shopScore(facts), score) << at;
    }

    // Each box turned the other way; unprotected sums to -7, shown as 0.
    const std::pair<bool ShopFacts::*, int> boxes[] = {
        {&ShopFacts::protection, 0},   {&ShopFacts::violations, 25},  {&ShopFacts::refundDisputes, 10},
        {&ShopFacts::complaints, 19},  {&ShopFacts::penalties, 90},   {&ShopFacts::matchesDescription, 37},
        {&ShopFacts::goodService, 36}, {&ShopFacts::fastDelivery, 47}};
    for (const auto &[box, score] : boxes) {
        ShopFacts facts = middling;
        facts.*box = !(facts.*box);
        EXPECT_EQ(shopScore(facts), score);
    }
}

TEST(ShopAdvice, ProblemsScoreAndVerdictFollowTheWorkedExample)
{
    const QString good = QStringLiteral("经过评估，该店总体水平较好，可以购买！");
    const QString fair = QStringLiteral("经过评估，该店总体水平一般，购物需谨慎！");
    const QString poor = QStringLiteral("经过评估，该店总体水平太差，购物有较大风险，不建议在此店购物！");
    // Each row changes the worked example, then gives the advice behind the heading.
    const std::pair<std::function<void(ShopFacts &)>, QString> rows[] = {
        {[](ShopFacts &) {}, QStringLiteral("该店铺评分：100 分。") + good},
        {[](ShopFacts &f) { f.protection = false; },
         QStringLiteral("该店铺没加入消费者保障服务，不建议购买！专家暂时不予评分。")},
        {[](ShopFacts &f) { f.buyerCredit = 29; },
         QStringLiteral("该店铺买家信用低于刷信用标准下限，存在很大刷信用嫌疑，不建议购买！专家暂时不予评分。")},
        {[](ShopFacts &f) { f.buyerCredit = 32; }, QStringLiteral("该店铺评分：51 分。") + poor},
        {[](ShopFacts &f) { f.badRatings = 4; }, QStringLiteral("该店铺评分：100 分。") + good},
        {[](ShopFacts &f) { f.badRatings = 5; }, QStringLiteral("该店铺差评太多。该店铺评分：100 分。") + good},
        {[](ShopFacts &f) { f.badRatings = 2000, f.buyerCredit = 500; },
         QStringLiteral("该店铺差评太多。该店铺评分：80 分。") + good},
        {[](ShopFacts &f) { f.sellerCredit = 0; }, QStringLiteral("该店铺信用太低。该店铺评分：79 分。") + fair},
        {[](ShopFacts &f) { f.violations = true, f.year = 2010; },
         QStringLiteral("该店铺最近违规。该店铺注册时间距现在太近。该店铺评分：60 分。") + fair},
        {[](ShopFacts &f) { f.sellerCredit = 0, f.buyerCredit = 100; },
         QStringLiteral("该店铺信用太低。该店铺评分：59 分。") + poor},
        {[](ShopFacts &f) { f.violations = f.refundDisputes = f.complaints = f.penalties = true; },
         QStringLiteral(
             "该店铺最近违规。该店铺最近有退款纠纷。该店铺最近有投诉纠纷。该店铺最近被处罚。该店铺评分：0 分。") +
             poor},
    };
    for (const auto &[change, advice] : rows) {
        // The worked example: protected, no comparison box ticked, G 6000, B 0, S 3000, U 300, Y 2008.
        ShopFacts facts{
            .protection = true, .goodRatings = 6000, .sellerCredit = 3000, .buyerCredit = 300, .year = 2008};
        change(facts);
        EXPECT_EQ(shopAdvice(facts).toStdString(),
                  (QStringLiteral("经过检测该店存在的问题有：") + advice).toStdString());
    }
}

TEST(ShopEvaluation, RequiredFieldsAreSellerCreditThenGoodThenBadRatings)
{
    const std::array<const char *, 4> rows[] = {{"", "", "", "您没有填写店铺信用，无法评估！"},
                                                {"1", "", "", "您没有填写最近半年好评，无法评估！"},
                                                {"1", " ", "", "您没有填写最近半年差评，无法评估！"},
                                                {"0", " ", " ", nullptr}};
    for (const auto &[seller, good, bad, message] : rows)
        EXPECT_EQ(missingShopField(seller, good, bad).value_or(QString()), QString::fromUtf8(message));
}
