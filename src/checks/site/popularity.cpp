#include "checks/site/popularity.h"

#include "app/services/markers.h"
#include "app/services/number_reading.h"
#include "app/services/service_addresses.h"

namespace fendrake {

namespace {

const QString kCaption = QStringLiteral("网站流行度：");
const QString kRatingOpening = QStringLiteral("搜狗评级:");
const QString kRatingClosing = QStringLiteral("/100");

} // namespace

QString stripHttpScheme(const QString &site)
{
    return QString(site).remove(QStringLiteral("http://"), Qt::CaseSensitive);
}

bool isSupportSite(const QString &site)
{
    return site == supportSiteHostAndPath();
}

bool isPopularitySiteTooShort(const QString &site)
{
    return site.size() < 6;
}

QString popularityAddress(const QString &site)
{
    return serviceAddress(Service::Rating, QStringLiteral("/web?query="), site);
}

std::optional<QString> popularityLabelText(const QString &pageText)
{
    const int opening = FindMarker(kRatingOpening, pageText);
    const qint64 markPos1 = opening + qint64(kRatingOpening.size());
    const qint64 markPos2 = FindMarker(kRatingClosing, pageText);
    if (opening == 0 || markPos2 == 0)
        return kCaption + QStringLiteral("没有找到该网站的信息");

    const std::optional<QString> rating = cutText(pageText, markPos1, markPos2 - markPos1);
    if (!rating)
        return std::nullopt;
    const std::optional<bool> whole = isWholeNumber(*rating);
    if (!whole)
        return std::nullopt;
    return *whole ? kCaption + *rating + QStringLiteral(" 分") : kCaption;
}

} // namespace fendrake
