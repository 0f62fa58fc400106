#include "app/services/number_reading.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <limits>
#include <string>

using namespace fendrake;

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr std::nullopt_t kNo = std::nullopt;

TEST(ReadNumberTest, AcceptsOnlyOneWholeDecimalNumber)
{
    const std::pair<const char *, std::optional<double>> cases[] = {
        {"123", 123},  {" 12.5 ", 12.5}, {"\t7\t", 7},   {"-3", -3},   {"+4", 4},
        {"1e3", 1000}, {"2.5E-1", 0.25}, {".5", 0.5},    {"5.", 5},    {"013800138000", 13800138000.0},
        {"1e-400", 0}, {"", kNo},        {"   ", kNo},   {"abc", kNo}, {"12a", kNo},
        {"１２", kNo}, {"1２", kNo},     {"1 2", kNo},   {"1e", kNo},  {"1,000", kNo},
        {"-", kNo},    {".", kNo},       {"inf", kNo},   {"nan", kNo}, {"0x10", kNo},
        {"&H10", kNo}, {"1e400", kNo},   {"-1e400", kNo}};
    for (const auto &[text, value] : cases)
        EXPECT_EQ(readNumber(QString::fromUtf8(text)), value) << text;
}

TEST(IsWholeNumberTest, ComparesTheNumberWithItsIntegerPart)
{
    const std::pair<const char *, std::optional<bool>> cases[] = {
        {"13800138000", true}, {"9999999999", true}, {"12.0", true}, {"1e2", true}, {"-7", true}, {"12.5", false},
        {"-0.5", false},       {"1e-1", false},      {"abc", kNo},   {"", kNo},     {"１", kNo}};
    for (const auto &[text, whole] : cases)
        EXPECT_EQ(isWholeNumber(QString::fromUtf8(text)), whole) << text;
}

TEST(ReadLeadingNumberTest, TakesTheLongestNumberAtTheStart)
{
    const QString nines(400, u'9'), longHex = "&H" + QString(300, u'F');
    const std::pair<QString, double> cases[] = {
        {"12abc", 12},  {"1,500", 1},     {"1 500", 1500}, {" \t\n4\n2", 42}, {"- 5", -5},       {"abc", 0},
        {"", 0},        {"-", 0},         {"+-1", 0},      {".5x", 0.5},      {"3.4.5", 3.4},    {"-2.5e2x", -250},
        {"1e", 1},      {"1e+", 1},       {"2E+3", 2000},  {"&HFF", 255},     {"&hff", 255},     {"&H1G", 1},
        {"&H", 0},      {"&O17", 15},     {"&o78", 7},     {"&X12", 0},       {"１２", 0},       {"2０", 2},
        {"\r5", 0},     {"2010年", 2010}, {"1e-400", 0},   {"1e400", kInf},   {"-1e400", -kInf}, {nines, kInf},
        {longHex, kInf}};
    for (const auto &[text, value] : cases)
        EXPECT_DOUBLE_EQ(readLeadingNumber(text), value) << text.toStdString();
}

// A locale with a decimal comma: an installed one, else one compiled into a scratch folder.
static bool useDecimalCommaLocale(const QTemporaryDir &scratch)
{
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
        return true;
    const QString localedef = QStandardPaths::findExecutable(QStringLiteral("localedef"));
    if (localedef.isEmpty() || !scratch.isValid())
        return false;
    QProcess compile;
    compile.start(localedef, {"-i", "de_DE", "-f", "UTF-8", scratch.filePath(QStringLiteral("de_DE.UTF-8"))});
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
    previousPath.isEmpty() ? qunsetenv("LOCPATH") : qputenv("LOCPATH", previousPath);
    EXPECT_DOUBLE_EQ(leading, 1.5);
    EXPECT_EQ(strict, 2.5);
}
