#include "checks/people/mobile_location.h"
#include "checks/people/number_block_search.h"
#include "checks/people/telephone_location.h"

#include <QString>

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace fendrake {
namespace {

std::string shown(const std::optional<QString> &value)
{
    return value ? "\"" + value->toStdString() + "\"" : "(failure)";
}

TEST(MobileLocation, InputIsCheckedForLengthAndNumberAlike)
{
    const struct
    {
        QString text;
        MobileInput expected;
    } rows[] = {
        {QStringLiteral("13912345678"), MobileInput::Accepted}, // beyond 32 bits
        {QStringLiteral("1391234567"), MobileInput::Malformed},
        {QStringLiteral("139123456789"), MobileInput::Malformed},
        {QStringLiteral("139123456.5"), MobileInput::Malformed},
        {QString(), MobileInput::Unreadable},
        {QStringLiteral("12a"), MobileInput::Unreadable},
        {QStringLiteral("12a45678901"), MobileInput::Unreadable},
    };
    for (const auto &row : rows)
        EXPECT_EQ(mobileInput(row.text), row.expected) << row.text.toStdString();
}

TEST(MobileLocation, FourValuesAreCutBetweenTheMarkersUntilTheFirstFailure)
{
    const QString full = QStringLiteral("查询结果 卡号归属地北京 卡 类 型GSM全球通卡区 号010 邮 编100000 更详细的..");
    const std::optional<QString> none;
    const struct
    {
        QString page;
        std::vector<std::optional<QString>> expected; // place, area code, card type, postcode
    } rows[] = {
        {full, {QStringLiteral("北京"), QStringLiteral("010"), QStringLiteral("GSM全球通卡"), QStringLiteral("100000")}},
        {QString(full).remove(QStringLiteral(" 更详细的..")),
         {QStringLiteral("北京"), QStringLiteral("010"), QStringLiteral("GSM全球通卡"), none}},
        {QString(full).remove(QStringLiteral("邮 编")), {QStringLiteral("北京"), none}},
        // Without its opening marker no page text passes for a place.
        {QString(full).remove(QStringLiteral("卡号归属地")), {none}},
        {QString(), {none}},
    };
    for (const auto &row : rows) {
        const auto values = mobileLocationValues(row.page);
        for (size_t i = 0; i < row.expected.size(); ++i)
            EXPECT_EQ(shown(values[i]), shown(row.expected[i])) << row.page.toStdString() << " value " << i;
    }
    EXPECT_EQ(mobileLookupAddress(QStringLiteral("13912345678")),
              QStringLiteral("http://mobile.fendrake.net:8080/search.asp?action=mobile&mobile=13912345678"));
}

TEST(TelephoneLocation, ANoticeAnywhereWinsOverTheDistrictCut)
{
    const QString district = QStringLiteral("该号段电话分部区域： 北京市东城区。\r\n＊ 仅供参考");
    using Kind = TelephoneAnswer::Kind;
    const struct
    {
        QString page;
        Kind kind;
        QString district;
    } rows[] = {
        {district, Kind::District, QStringLiteral("北京市东城区")},
        {QStringLiteral("查询次数过于频繁，请稍后再试") + district, Kind::RateLimited, QString()},
        {district + QStringLiteral("查询次数过多，请稍后再试"), Kind::RateLimited, QString()},
        {QString(district).remove(u'＊'), Kind::Unreadable, QString()},
        {QString(district).remove(QStringLiteral("该号段电话分部区域：")), Kind::Unreadable, QString()},
        {QString(), Kind::Unreadable, QString()},
    };
    for (const auto &row : rows) {
        const TelephoneAnswer answer = telephoneAnswer(row.page);
        EXPECT_EQ(answer.kind, row.kind) << row.page.toStdString();
        EXPECT_EQ(answer.district.toStdString(), row.district.toStdString());
    }
}

TEST(NumberBlockSearch, BothBoxesAreAlwaysTested)
{
    const struct
    {
        QString areaCode;
        QString number;
        NumberBlockInput expected;
    } rows[] = {
        {QStringLiteral("010"), QStringLiteral("12345678"), NumberBlockInput::Accepted},
        {QStringLiteral("010"), QStringLiteral("1.5"), NumberBlockInput::NotWhole},
        {QStringLiteral("1.5"), QStringLiteral("abc"), NumberBlockInput::Unreadable},
        {QString(), QStringLiteral("12345678"), NumberBlockInput::Unreadable},
    };
    for (const auto &row : rows)
        EXPECT_EQ(numberBlockInput(row.areaCode, row.number), row.expected) << row.number.toStdString();
}

TEST(NumberBlockSearch, TheRangeRunsToTheNextBlockInExactDecimal)
{
    const QString start = QStringLiteral("http://websearch.fendrake.net/search?num=50&hl=en&lr=&newwindow=-1&q="
                                         "%E7%94%B5%E8%AF%9D%E5%8F%B7%E7%A0%81+010+");
    const struct
    {
        QString number;
        std::optional<QString> range;
    } rows[] = {
        {QStringLiteral("12345678"), QStringLiteral("12340000...12350000")},
        {QStringLiteral("12399999"), QStringLiteral("12390000...12400000")},
        {QStringLiteral("01234567"), QStringLiteral("01230000...1240000")},
        {QStringLiteral("1234"), QStringLiteral("0000...10000")},
        {QStringLiteral("99999999999999999999"), QStringLiteral("99999999999999990000...100000000000000000000")},
        {QStringLiteral("-12345678"), QStringLiteral("-12340000...-12330000")},
        {QStringLiteral("123"), std::nullopt},
    };
    for (const auto &row : rows) {
        const std::optional<QString> address = numberBlockSearchAddress(QStringLiteral("010"), row.number);
        EXPECT_EQ(shown(address), shown(row.range ? std::optional(start + *row.range) : std::nullopt));
    }
}

} // namespace
} // namespace fendrake
