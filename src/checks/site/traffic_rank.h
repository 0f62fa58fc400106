#pragma once

#include <QString>

#include <optional>

namespace fendrake {

enum class TrafficRankInput
{
    Accepted,
    TooShort, // fewer than 6 characters
    NotWww,   // does not begin with a lower-case "www": sub-sites of a domain are not ranked
};

struct TrafficRanks
{
    QString global; // as the service writes it, separators included
    QString chinese;
};

TrafficRankInput checkTrafficRankInput(const QString &site);

QString trafficRankAddress(const QString &site);

// Both figures cut out of the ranking sentence. nullopt when the sentence is not there whole:
// a missing marker, or a closing marker before its figure, is a failure, never a slice of page text.
std::optional<TrafficRanks> cutTrafficRanks(const QString &pageText);

// "第 " + figure + " 名", or "查无资料" for the service's text of an unranked site.
QString trafficRankText(const QString &figure);

} // namespace fendrake
