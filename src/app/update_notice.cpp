#include "app/update_notice.h"

#include "app/services/markers.h"
#include "app/services/message_box.h"
#include "app/services/service_addresses.h"
#include "app/version.h"

namespace fendrake {

QString updateNoticeAddress()
{
    return serviceBase(Service::UpdateNotice) + QStringLiteral("/post/update-notice.html");
}

VersionCut newestVersionCut(const QString &pageText)
{
    VersionCut cut;
    cut.start = FindMarker(kNewestVersionOpen.toString(), pageText) + kNewestVersionOpen.size();
    // Searched from the start of the page, not from the opening marker.
    cut.end = FindMarker(kNewestVersionClose.toString(), pageText);
    return cut;
}

std::optional<QString> newestVersionText(const QString &pageText)
{
    const VersionCut cut = newestVersionCut(pageText);
    return cutText(pageText, cut.start, cut.end - cut.start);
}

std::optional<QString> updateText(const QString &pageText)
{
    const qint64 start = FindMarker(kUpdateTextOpen.toString(), pageText) + kUpdateTextOpen.size() + 2;
    const qint64 end = FindMarker(kUpdateTextClose.toString(), pageText) - 2;
    return cutText(pageText, start, end - start);
}

bool isCurrentVersion(const QString &newestVersion)
{
    return newestVersion == CurrentVersion;
}

QString versionNoticeMessage(const QString &newestVersion)
{
    return joinMessageLines({QStringLiteral("您使用的Fendrake版本是：") + CurrentVersion +
                                 QStringLiteral("，最新版本是：") + newestVersion + QStringLiteral("，请及时更新。"),
                             QStringLiteral("定期将软件升至最新版本，获取更多功能，杜绝软件漏洞！")});
}

} // namespace fendrake
