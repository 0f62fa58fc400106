#include "checks/site/page_trojan.h"

#include "app/services/markers.h"
#include "app/services/service_addresses.h"
#include "app/services/shell_open.h"

namespace fendrake {

QString pageTrojanAddress(const QString &page)
{
    return serviceAddress(Service::UrlCheck, QStringLiteral("/urlsearch.htm?searchUrl="), page);
}

std::optional<QString> pageTrojanStatus(const QString &pageText)
{
    const int start = FindMarker(QStringLiteral("当前状态："), pageText);
    if (start == 0)
        return std::nullopt;
    const qsizetype blank = pageText.indexOf(u' ', start - 1);
    if (blank < 0)
        return cutText(pageText, start);
    return cutText(pageText, start, blank + 1 - start);
}

QString fileScannerAddress()
{
    return serviceBase(Service::FileScanner) + u'/';
}

QString postcodeAddress()
{
    return serviceBase(Service::Postcode) + QStringLiteral("/post/");
}

void mnuFileSafe_Click(QWidget *owner)
{
    OpenInBrowser(owner, fileScannerAddress());
}

void Command11_Click(QWidget *owner)
{
    OpenInBrowser(owner, postcodeAddress());
}

} // namespace fendrake
