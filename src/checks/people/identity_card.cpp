#include "checks/people/identity_card.h"

#include "app/services/markers.h"
#include "app/services/service_addresses.h"

#include <array>

namespace fendrake {

namespace {

constexpr int kIdCardLength = 18;
constexpr int kDigitCount = 17;

// 2^(18 - i) mod 11 for positions 1 to 17.
constexpr std::array<int, kDigitCount> kWeights{7, 9, 10, 5, 8, 4, 2, 1, 6, 3, 7, 9, 10, 5, 8, 4, 2};

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

bool isIdCardInput(const QString &text)
{
    if (text.size() != kIdCardLength)
        return false;
    for (int i = 0; i < kDigitCount; ++i) {
        if (!isAsciiDigit(text.at(i)))
            return false;
    }
    return true;
}

QString upperCaseIdCard(const QString &text)
{
    return text.toUpper();
}

QChar idCardCheckCharacter(QStringView first17Digits)
{
    Q_ASSERT(first17Digits.size() >= kDigitCount);
    int sum = 0;
    for (int i = 0; i < kDigitCount; ++i)
        sum += (first17Digits.at(i).unicode() - u'0') * kWeights[i];
    const int expected = (12 - sum % 11) % 11;
    return expected == 10 ? QChar(u'X') : QChar(u'0' + expected);
}

IdCardVerdict idCardVerdict(const QString &number)
{
    // Upper-casing may lengthen the text; anything but 17 digits and a check place cannot be judged.
    if (number.size() < kIdCardLength || !isIdCardInput(number.left(kIdCardLength)))
        return IdCardVerdict::Unreadable;
    const QChar expected = idCardCheckCharacter(number);
    const QChar given = number.at(kDigitCount);
    if (expected == u'X')
        return given == u'X' ? IdCardVerdict::Genuine : IdCardVerdict::Fake;
    if (given == u'X')
        return IdCardVerdict::Fake;
    if (!isAsciiDigit(given))
        return IdCardVerdict::Unreadable;
    return given == expected ? IdCardVerdict::Genuine : IdCardVerdict::Fake;
}

QString idCardSexText(const QString &number)
{
    const int sequence = QStringView(number).mid(14, 3).toInt();
    return sequence % 2 == 1 ? QStringLiteral("性别：男") : QStringLiteral("性别：女");
}

QString idCardBirthDateText(const QString &number)
{
    return QStringLiteral("出生日期：") + number.mid(6, 4) + u'年' + number.mid(10, 2) + u'月' + number.mid(12, 2) +
           u'日';
}

QString idCardAddress(const QString &number)
{
    return serviceAddress(Service::IdCard, QStringLiteral("/idsearch/index.asp?action=idcard&userid="), number);
}

std::optional<QString> idCardPlaceOfIssue(const QString &pageText)
{
    const int opening = FindMarker(kIdCardPlaceOpening.toString(), pageText);
    if (opening == 0)
        return std::nullopt;
    const qint64 markPos1 = opening + qint64(kIdCardPlaceOpening.size());
    const qint64 markPos2 = qint64(FindMarker(kIdCardPlaceClosing.toString(), pageText)) - 7;
    return cutText(pageText, markPos1, markPos2 - markPos1);
}

} // namespace fendrake
