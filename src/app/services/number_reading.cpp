#include "app/services/number_reading.h"

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <string>

namespace fendrake {

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isSign(QChar c)
{
    return c == u'+' || c == u'-';
}

// The length of the decimal number at the start of text: optional sign, digits with at most one
// point (at least one digit), and an exponent only when digits follow its letter. 0 when none.
qsizetype decimalPrefixLength(QStringView text)
{
    qsizetype i = 0;
    if (i < text.size() && isSign(text[i]))
        ++i;
    qsizetype digits = 0;
    while (i < text.size() && isDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == u'.') {
        ++i;
        while (i < text.size() && isDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0;
    if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype j = i + 1;
        if (j < text.size() && isSign(text[j]))
            ++j;
        if (j < text.size() && isDigit(text[j])) {
            while (j < text.size() && isDigit(text[j]))
                ++j;
            i = j;
        }
    }
    return i;
}

// Qt sets the process locale from the environment, so plain strtod could expect a decimal comma.
// Out of range gives ±HUGE_VAL (overflow) or a value near zero (underflow), never UB.
double parseDecimal(QStringView literal)
{
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    const std::string ascii = literal.toLatin1().toStdString();
    return strtod_l(ascii.c_str(), nullptr, cLocale);
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

} // namespace

// Decimal only: no &H/&O, no thousands separators, no "inf"/"nan"; beyond double's range is no number.
std::optional<double> readNumber(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    const QStringView body = QStringView(text).mid(begin, end - begin);
    if (body.isEmpty() || decimalPrefixLength(body) != body.size())
        return std::nullopt;
    const double value = parseDecimal(body);
    if (std::isinf(value))
        return std::nullopt;
    return value;
}

std::optional<bool> isWholeNumber(const QString &text)
{
    const std::optional<double> value = readNumber(text);
    if (!value)
        return std::nullopt;
    return std::floor(*value) == *value;
}

// &H and &O read as non-negative magnitudes; a decimal number beyond double's range reads as ±infinity.
double readLeadingNumber(const QString &text)
{
    QString compact;
    compact.reserve(text.size());
    for (const QChar c : text) {
        if (c != u' ' && c != u'\t' && c != u'\n')
            compact.append(c);
    }

    if (compact.size() >= 2 && compact[0] == u'&') {
        const QChar kind = compact[1].toUpper();
        const int radix = kind == u'H' ? 16 : kind == u'O' ? 8 : 0;
        if (radix != 0) {
            double value = 0;
            for (qsizetype i = 2; i < compact.size(); ++i) {
                const QChar c = compact[i];
                int digit = -1;
                if (isDigit(c))
                    digit = c.unicode() - u'0';
                else if (c >= u'a' && c <= u'f')
                    digit = c.unicode() - u'a' + 10;
                else if (c >= u'A' && c <= u'F')
                    digit = c.unicode() - u'A' + 10;
                if (digit < 0 || digit >= radix)
                    break;
                value = value * radix + digit;
            }
            return value;
        }
    }

    const qsizetype length = decimalPrefixLength(compact);
    if (length == 0)
        return 0;
    return parseDecimal(QStringView(compact).first(length));
}

} // namespace fendrake
