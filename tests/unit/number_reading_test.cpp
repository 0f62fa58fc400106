#include "app/services/number_reading.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace fendrake {
namespace {

struct StrictCase
{
    QString text;
    std::optional<double> value;
};

TEST(ReadNumberTest, AcceptsOnlyOneWholeDecimalNumber)
{
    const StrictCase cases[] = {
        {QStringLiteral("123"), 123},
        {QStringLiteral(" 12.5 "), 12.5},
        {QStringLiteral("\t7\t"), 7},
        {QStringLiteral("-3"), -3},
        {QStringLiteral("+4"), 4},
        {QStringLiteral("1e3"), 1000},
        {QStringLiteral("2.5E-1"), 0.25},
        {QStringLiteral(".5"), 0.5},
        {QStringLiteral("5."), 5},
        {QStringLiteral("013800138000"), 13800138000.0},
        {QStringLiteral("1e-400"), 0},
        {QString(), std::nullopt},
        {QStringLiteral("   "), std::nullopt},
        {QStringLiteral("abc"), std::nullopt},
        {QStringLiteral("12a"), std::nullopt},
        {QStringLiteral("１２"), std::nullopt},
        {QStringLiteral("1２"), std::nullopt},
        {QStringLiteral("1 2"), std::nullopt},
        {QStringLiteral("1e"), std::nullopt},
        {QStringLiteral("1,000"), std::nullopt},
        {QStringLiteral("-"), std::nullopt},
        {QStringLiteral("."), std::nullopt},
        {QStringLiteral("inf"), std::nullopt},
        {QStringLiteral("nan"), std::nullopt},
        {QStringLiteral("0x10"), std::nullopt},
        {QStringLiteral("&H10"), std::nullopt},
        {QStringLiteral("1e400"), std::nullopt},
        {QStringLiteral("-1e400"), std::nullopt},
    };
    for (const StrictCase &c : cases)
        EXPECT_EQ(readNumber(c.text), c.value) << c.text.toStdString();
}

struct WholeCase
{
    QString text;
    std::optional<bool> whole;
};

TEST(IsWholeNumberTest, ComparesTheNumberWithItsIntegerPart)
{
    const WholeCase cases[] = {
        {QStringLiteral("13800138000"), true}, {QStringLiteral("9999999999"), true},
        {QStringLiteral("12.0"), true},        {QStringLiteral("1e2"), true},
        {QStringLiteral("-7"), true},          {QStringLiteral("12.5"), false},
        {QStringLiteral("-0.5"), false},       {QStringLiteral("1e-1"), false},
        {QStringLiteral("abc"), std::nullopt}, {QString(), std::nullopt},
        {QStringLiteral("１"), std::nullopt},
    };
    for (const WholeCase &c : cases)
        EXPECT_EQ(isWholeNumber(c.text), c.whole) << c.text.toStdString();
}

struct LeadingCase
{
    QString text;
    double value;
};

TEST(ReadLeadingNumberTest, TakesTheLongestNumberAtTheStart)
{
    const LeadingCase cases[] = {
        {QStringLiteral("12abc"), 12},
        {QStringLiteral("1,500"), 1},
        {QStringLiteral("1 500"), 1500},
        {QStringLiteral(" \t\n4\n2"), 42},
        {QStringLiteral("- 5"), -5},
        {QStringLiteral("abc"), 0},
        {QString(), 0},
        {QStringLiteral("-"), 0},
        {QStringLiteral("+-1"), 0},
        {QStringLiteral(".5x"), 0.5},
        {QStringLiteral("3.4.5"), 3.4},
        {QStringLiteral("-2.5e2x"), -250},
        {QStringLiteral("1e"), 1},
        {QStringLiteral("1e+"), 1},
        {QStringLiteral("2E+3"), 2000},
        {QStringLiteral("&HFF"), 255},
        {QStringLiteral("&hff"), 255},
        {QStringLiteral("&H1G"), 1},
        {QStringLiteral("&H"), 0},
        {QStringLiteral("&O17"), 15},
        {QStringLiteral("&o78"), 7},
        {QStringLiteral("&X12"), 0},
        {QStringLiteral("１２"), 0},
        {QStringLiteral("2０"), 2},
        {QStringLiteral("\r5"), 0},
        {QStringLiteral("2010年"), 2010},
        {QStringLiteral("1e-400"), 0},
    };
    for (const LeadingCase &c : cases)
        EXPECT_DOUBLE_EQ(readLeadingNumber(c.text), c.value) << c.text.toStdString();
}

TEST(ReadLeadingNumberTest, NumberBeyondDoubleRangeReadsAsInfinity)
{
    EXPECT_EQ(readLeadingNumber(QStringLiteral("1e400")), std::numeric_limits<double>::infinity());
    EXPECT_EQ(readLeadingNumber(QStringLiteral("-1e400")), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(readLeadingNumber(QString(400, u'9')), std::numeric_limits<double>::infinity());
}

TEST(ReadLeadingNumberTest, LongHexNeverFails)
{
    EXPECT_TRUE(std::isinf(readLeadingNumber(QStringLiteral("&H") + QString(300, u'F'))));
}

// A locale with a decimal comma: an installed one, else one compiled into a scratch folder.
bool useDecimalCommaLocale(const QTemporaryDir &scratch)
{
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
        return true;
    const QString localedef = QStandardPaths::findExecutable(QStringLiteral("localedef"));
    if (localedef.isEmpty() || !scratch.isValid())
        return false;
    QProcess compile;
    compile.start(localedef, {QStringLiteral("-i"), QStringLiteral("de_DE"), QStringLiteral("-f"),
                              QStringLiteral("UTF-8"), scratch.filePath(QStringLiteral("de_DE.UTF-8"))});
    if (!compile.waitForFinished(60000) || compile.exitCode() != 0)
        return false;
    qputenv("LOCPATH", QFile::encodeName(scratch.path()));
    return std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
}

TEST(NumberReadingTest, DecimalPointIsAFullStopWhateverTheLocale)
{
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    const QByteArray previousPath = qgetenv("LOCPATH");
    QTemporaryDir scratch;
    if (!useDecimalCommaLocale(scratch))
        GTEST_SKIP() << "no locale with a decimal comma available";
    ASSERT_EQ(std::strtod("1,5", nullptr), 1.5) << "the locale in use has no decimal comma";
    const double leading = readLeadingNumber(QStringLiteral("1.5"));
    const std::optional<double> strict = readNumber(QStringLiteral("2.5"));
    std::setlocale(LC_NUMERIC, previous.c_str());
    if (previousPath.isEmpty())
        qunsetenv("LOCPATH");
    else
        qputenv("LOCPATH", previousPath);
    EXPECT_DOUBLE_EQ(leading, 1.5);
    EXPECT_EQ(strict, 2.5);
}

} // namespace
} // namespace fendrake
