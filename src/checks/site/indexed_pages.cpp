#include "checks/site/indexed_pages.h"

#include "app/services/markers.h"
#include "app/services/service_addresses.h"

namespace fendrake {

namespace {

const QString kCountOpening = QStringLiteral("找到相关网页");
const QString kCountClosing = QStringLiteral("篇，用时");

// The engine writes one word meaning "about" between the opening marker and the count.
constexpr qint64 kCountSkip = 1;

} // namespace

QString indexedPagesAddress(const QString &site)
{
    // The colon of "site:" is sent encoded, as the engine's own search form does.
    return serviceAddress(Service::IndexedPages, QStringLiteral("/s?wd=site%3A"), site);
}

std::optional<QString> cutIndexedPagesCount(const QString &pageText)
{
    const int opening = FindMarker(kCountOpening, pageText);
    if (opening == 0)
        return std::nullopt;
    const qint64 markPos1 = opening + qint64(kCountOpening.size()) + kCountSkip;
    const qint64 markPos2 = FindMarker(kCountClosing, pageText);
    return cutText(pageText, markPos1, markPos2 - markPos1);
}

} // namespace fendrake
