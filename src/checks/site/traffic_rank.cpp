#include "checks/site/traffic_rank.h"

#include "app/services/markers.h"
#include "app/services/service_addresses.h"

namespace fendrake {

namespace {

const QString kGlobalOpening = QStringLiteral("全球综合排名第");
const QString kGlobalClosing = QStringLiteral(" 位，中文排名第 ");
const QString kChineseClosing = QStringLiteral(" 位。");
const QString kUnranked = QStringLiteral("没有排名数据");

// The service writes one blank between the opening marker and the global figure.
constexpr qint64 kGlobalSkip = 1;

} // namespace

TrafficRankInput checkTrafficRankInput(const QString &site)
{
    if (site.size() < 6)
        return TrafficRankInput::TooShort;
    if (!site.startsWith(QStringLiteral("www"), Qt::CaseSensitive))
        return TrafficRankInput::NotWww;
    return TrafficRankInput::Accepted;
}

QString trafficRankAddress(const QString &site)
{
    return serviceAddress(Service::TrafficRank, QStringLiteral("/?domain="), site);
}

std::optional<TrafficRanks> cutTrafficRanks(const QString &pageText)
{
    const int opening = FindMarker(kGlobalOpening, pageText);
    if (opening == 0)
        return std::nullopt;
    const qint64 markPos1 = opening + qint64(kGlobalOpening.size()) + kGlobalSkip;
    qint64 markPos2 = FindMarker(kGlobalClosing, pageText);
    const std::optional<QString> global = cutText(pageText, markPos1, markPos2 - markPos1);
    if (!global)
        return std::nullopt;

    const qint64 markPos3 = FindMarker(kChineseClosing, pageText);
    markPos2 += kGlobalClosing.size();
    const std::optional<QString> chinese = cutText(pageText, markPos2, markPos3 - markPos2);
    if (!chinese)
        return std::nullopt;
    return TrafficRanks{*global, *chinese};
}

QString trafficRankText(const QString &figure)
{
    if (figure == kUnranked)
        return QStringLiteral("查无资料");
    return QStringLiteral("第 ") + figure + QStringLiteral(" 名");
}

} // namespace fendrake
