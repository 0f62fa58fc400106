#include "checks/site/icp_filing.h"

#include "app/services/service_addresses.h"

#include <QStringView>

#include <array>

namespace fendrake {

namespace {

struct IcpVerdict
{
    QStringView phrase;
    QStringView label;
};

// At one position at most one phrase can match, so the table's order never decides a tie.
constexpr std::array<IcpVerdict, 3> kIcpVerdicts{{
    {u"未备案", u"备案状态：未备案"},
    {u"目前暂无该域名备案信息", u"备案状态：未知，请用方法二进行精确查询！"},
    {u"已备案", u"备案状态：已备案"},
}};

} // namespace

bool isIcpInputLongEnough(const QString &text)
{
    return text.size() >= 4;
}

QString cleanIcpDomain(QString text)
{
    for (const char *step : {"www.", "http://", "WWW.", "HTTP:"})
        text.remove(QLatin1String(step), Qt::CaseSensitive);
    return text;
}

QString icpFilingAddress(const QString &domain)
{
    return serviceAddress(Service::IcpFiling, QStringLiteral("/index.html?hostName="), domain);
}

QString icpOfficialAddress()
{
    return serviceBase(Service::IcpOfficial) + QStringLiteral("/CX/main.jsp");
}

std::optional<QString> icpVerdictText(const QString &pageText)
{
    std::optional<QString> verdict;
    qsizetype first = -1;
    for (const IcpVerdict &row : kIcpVerdicts) {
        const qsizetype at = pageText.indexOf(row.phrase);
        if (at >= 0 && (first < 0 || at < first)) {
            first = at;
            verdict = row.label.toString();
        }
    }
    return verdict;
}

} // namespace fendrake
