#include "checks/people/telephone_location.h"

#include "app/services/markers.h"
#include "app/services/service_addresses.h"

namespace fendrake {

namespace {

constexpr int kShortestNumber = 11;

} // namespace

bool isTelephoneInput(const QString &text)
{
    return text.size() >= kShortestNumber;
}

QString telephoneLookupAddress(const QString &number)
{
    return serviceAddress(Service::TelephoneLookup, QStringLiteral("/dh/114.aspx?w="), number);
}

TelephoneAnswer telephoneAnswer(const QString &pageText)
{
    if (pageText.contains(QStringLiteral("查询次数过于频繁，请稍后再试")) ||
        pageText.contains(QStringLiteral("查询次数过多，请稍后再试")))
        return {TelephoneAnswer::Kind::RateLimited, QString()};

    const qint64 opening = FindMarker(QStringLiteral("该号段电话分部区域："), pageText);
    if (opening == 0)
        return {TelephoneAnswer::Kind::Unreadable, QString()};
    // The value starts one character after the marker and ends three characters before the asterisk.
    const qint64 markPos1 = opening + 11;
    const qint64 markPos2 = qint64(FindMarker(QStringLiteral("＊"), pageText)) - 2;
    const std::optional<QString> district = cutText(pageText, markPos1, markPos2 - markPos1 - 1);
    if (!district)
        return {TelephoneAnswer::Kind::Unreadable, QString()};
    return {TelephoneAnswer::Kind::District, *district};
}

} // namespace fendrake
