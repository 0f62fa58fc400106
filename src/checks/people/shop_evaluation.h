#pragma once

#include <QString>

#include <optional>

namespace fendrake {

// One reading of everything the shop panel holds about a shop.
struct ShopFacts
{
    bool protection = false;         // joined the consumer-protection service
    bool violations = false;         // ticked: has violated the rules lately
    bool refundDisputes = false;     // ticked: has refund disputes
    bool complaints = false;         // ticked: has complaints
    bool penalties = false;          // ticked: was penalised
    bool matchesDescription = false; // goods match their description better than the trade's average
    bool goodService = false;        // the seller's service is better than average
    bool fastDelivery = false;       // delivery is faster than average
    double goodRatings = 0;          // good ratings of the last half year
    double badRatings = 0;           // bad ratings of the last half year
    double sellerCredit = 0;
    double buyerCredit = 0;
    double year = 0; // the year the shop was opened
};

// The first of the required fields (seller credit, good ratings, bad ratings) that is empty, as its
// message; nullopt when all three hold text.
std::optional<QString> missingShopField(const QString &sellerCredit, const QString &goodRatings,
                                        const QString &badRatings);

// 0 to 100.
int shopScore(const ShopFacts &facts);

// The advice box's text: the problems found, then the score and the verdict, or a refusal to score.
QString shopAdvice(const ShopFacts &facts);

} // namespace fendrake
