#include "checks/people/mobile_location.h"

#include "app/services/markers.h"
#include "app/services/number_reading.h"
#include "app/services/service_addresses.h"

namespace fendrake {

namespace {

constexpr int kMobileLength = 11;

// A cut whose opening marker is absent would show page text that is no value.
std::optional<QString> valueAfter(const QString &pageText, qint64 opening, qint64 start, qint64 length)
{
    if (opening == 0)
        return std::nullopt;
    return cutText(pageText, start, length);
}

} // namespace

MobileInput mobileInput(const QString &text)
{
    const std::optional<bool> whole = isWholeNumber(text);
    if (!whole)
        return MobileInput::Unreadable;
    if (text.size() != kMobileLength || !*whole)
        return MobileInput::Malformed;
    return MobileInput::Accepted;
}

QString mobileLookupAddress(const QString &number)
{
    return serviceAddress(Service::MobileLookup, QStringLiteral("/search.asp?action=mobile&mobile="), number);
}

std::array<std::optional<QString>, 4> mobileLocationValues(const QString &pageText)
{
    const qint64 markPos1 = FindMarker(QStringLiteral("卡号归属地"), pageText);
    const qint64 markPos2 = FindMarker(QStringLiteral("卡 类 型"), pageText);
    const qint64 markPos3 = FindMarker(QStringLiteral("区 号"), pageText);
    const qint64 postcodePos = FindMarker(QStringLiteral("邮 编"), pageText);
    const qint64 endPos = FindMarker(QStringLiteral(" 更详细的.."), pageText);

    return {
        valueAfter(pageText, markPos1, markPos1 + 5, markPos2 - markPos1 - 6),
        valueAfter(pageText, markPos3, markPos3 + 3, postcodePos - markPos3 - 4),
        valueAfter(pageText, markPos2, markPos2 + 5, markPos3 - markPos2 - 5),
        valueAfter(pageText, postcodePos, postcodePos + 3, endPos - (postcodePos + 3)),
    };
}

} // namespace fendrake
