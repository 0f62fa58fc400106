#include "checks/people/shop_evaluation.h"

#include <algorithm>
#include <limits>
#include <span>

namespace fendrake {

namespace {

struct Band
{
    double from; // inclusive; the band ends where the next one starts
    int change;
};

constexpr double kAny = -std::numeric_limits<double>::infinity();

// Few bad ratings earn no bonus: below 3 nothing changes.
constexpr Band kBadRatingBands[] = {{3, -3}, {30, -13}, {100, -20}, {500, -25}, {2000, -40}};
constexpr Band kGoodRatingBands[] = {{kAny, -8},  {1000, -4},   {5000, 9},   {10000, 14},
                                     {50000, 19}, {100000, 21}, {500000, 26}};
constexpr Band kSellerCreditBands[] = {{kAny, -30}, {500, -21},   {2000, 1},   {5000, 7},
                                       {10000, 20}, {100000, 25}, {500000, 30}};
constexpr Band kBuyerCreditBands[] = {{kAny, -46}, {35, -7}, {200, 13}, {500, 23}};

int bandChange(double value, std::span<const Band> bands)
{
    int change = 0;
    for (const Band &band : bands) {
        if (value >= band.from)
            change = band.change;
    }
    return change;
}

} // namespace

std::optional<QString> missingShopField(const QString &sellerCredit, const QString &goodRatings,
                                        const QString &badRatings)
{
    if (sellerCredit.isEmpty())
        return QStringLiteral("您没有填写店铺信用，无法评估！");
    if (goodRatings.isEmpty())
        return QStringLiteral("您没有填写最近半年好评，无法评估！");
    if (badRatings.isEmpty())
        return QStringLiteral("您没有填写最近半年差评，无法评估！");
    return std::nullopt;
}

int shopScore(const ShopFacts &facts)
{
    int score = facts.protection ? 100 : 50;
    if (facts.violations)
        score -= 18;
    if (facts.refundDisputes)
        score -= 33;
    if (facts.complaints)
        score -= 24;
    if (facts.penalties)
        score -= 47;
    if (!facts.matchesDescription)
        score -= 6;
    if (!facts.goodService)
        score -= 7;
    if (facts.fastDelivery)
        score += 4;
    score += bandChange(facts.badRatings, kBadRatingBands);
    score += bandChange(facts.goodRatings, kGoodRatingBands);
    score += bandChange(facts.sellerCredit, kSellerCreditBands);
    score += bandChange(facts.buyerCredit, kBuyerCreditBands);
    if (facts.year >= 2010)
        score -= 32;
    return std::clamp(score, 0, 100);
}

QString shopAdvice(const ShopFacts &facts)
{
    QString advice = QStringLiteral("经过检测该店存在的问题有：");
    // A buyer credit this low, or no consumer protection, is not scored at all.
    if (facts.buyerCredit < 30)
        return advice +
               QStringLiteral("该店铺买家信用低于刷信用标准下限，存在很大刷信用嫌疑，不建议购买！专家暂时不予评分。");
    if (!facts.protection)
        return advice + QStringLiteral("该店铺没加入消费者保障服务，不建议购买！专家暂时不予评分。");

    const std::pair<bool, const char16_t *> problems[] = {
        {facts.violations, u"该店铺最近违规。"},
        {facts.refundDisputes, u"该店铺最近有退款纠纷。"},
        {facts.complaints, u"该店铺最近有投诉纠纷。"},
        {facts.penalties, u"该店铺最近被处罚。"},
        {facts.badRatings >= 5, u"该店铺差评太多。"},
        {facts.sellerCredit < 1000, u"该店铺信用太低。"},
        {facts.year >= 2010, u"该店铺注册时间距现在太近。"},
    };
    for (const auto &[holds, sentence] : problems) {
        if (holds)
            advice += QString::fromUtf16(sentence);
    }

    const int score = shopScore(facts);
    advice += QStringLiteral("该店铺评分：") + QString::number(score) + QStringLiteral(" 分。");
    if (score >= 80)
        advice += QStringLiteral("经过评估，该店总体水平较好，可以购买！");
    else if (score >= 60)
        advice += QStringLiteral("经过评估，该店总体水平一般，购物需谨慎！");
    else
        advice += QStringLiteral("经过评估，该店总体水平太差，购物有较大风险，不建议在此店购物！");
    return advice;
}

} // namespace fendrake
