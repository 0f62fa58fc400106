#include "checks/people/number_block_search.h"

#include "app/services/number_reading.h"
#include "app/services/service_addresses.h"

#include <QLocale>

#include <algorithm>

namespace fendrake {

namespace {

constexpr int kBlockDigits = 4;

bool isDigits(const QString &text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// Decimal text plus one, carrying through 9s, without leading zeros.
QString incrementedDigits(const QString &digits)
{
    QString result = digits;
    qsizetype i = result.size() - 1;
    for (; i >= 0 && result[i] == u'9'; --i)
        result[i] = u'0';
    if (i < 0)
        result.prepend(u'1');
    else
        result[i] = QChar(result[i].unicode() + 1);
    qsizetype firstNonZero = 0;
    while (result[firstNonZero] == u'0')
        ++firstNonZero;
    return result.mid(firstNonZero);
}

} // namespace

NumberBlockInput numberBlockInput(const QString &areaCode, const QString &number)
{
    const std::optional<bool> areaCodeWhole = isWholeNumber(areaCode);
    const std::optional<bool> numberWhole = isWholeNumber(number);
    if (!areaCodeWhole || !numberWhole)
        return NumberBlockInput::Unreadable;
    if (!*areaCodeWhole || !*numberWhole)
        return NumberBlockInput::NotWhole;
    return NumberBlockInput::Accepted;
}

QString nextBlockPrefix(const QString &prefix)
{
    if (isDigits(prefix))
        return incrementedDigits(prefix);
    // Only pasted text gets here (a sign, a point, an exponent): read as the leading number.
    return QString::number(readLeadingNumber(prefix) + 1, 'f', QLocale::FloatingPointShortest);
}

std::optional<QString> numberBlockSearchAddress(const QString &areaCode, const QString &number)
{
    if (number.size() < kBlockDigits)
        return std::nullopt;
    const QString prefix = number.left(number.size() - kBlockDigits);
    return serviceBase(Service::WebSearch) +
           QStringLiteral("/search?num=50&hl=en&lr=&newwindow=-1&q=%E7%94%B5%E8%AF%9D%E5%8F%B7%E7%A0%81+") +
           encodeUserText(areaCode) + u'+' + encodeUserText(prefix) + QStringLiteral("0000...") +
           encodeUserText(nextBlockPrefix(prefix)) + QStringLiteral("0000");
}

} // namespace fendrake
