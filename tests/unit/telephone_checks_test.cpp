#include "checks/people/mobile_location.h"
#include "checks/people/number_block_search.h"
#include "checks/people/telephone_location.h"

#include <QStringList>

#include <gtest/gtest.h>

using namespace fendrake;

TEST(MobileLocation, InputIsCheckedForLengthAndNumberAlike)
{
    const std::pair<const char *, MobileInput> rows[] = {
        {"13912345678", MobileInput::Accepted}, // beyond 32 bits
        {"1391234567", MobileInput::Malformed},  {"139123456789", MobileInput::Malformed},
        {"139123456.5", MobileInput::Malformed}, {"", MobileInput::Unreadable},
        {"12a", MobileInput::Unreadable},        {"12a45678901", MobileInput::Unreadable}};
    for (const auto &[text, expected] : rows)
        EXPECT_EQ(mobileInput(QString::fromUtf8(text)), expected) << text;
}

TEST(MobileLocation, ValuesAreCutBetweenTheMarkersUntilTheFirstFailure)
{
    const QString page = QStringLiteral("结果 卡号归属地北京 卡 类 型GSM卡区 号010 邮 编100000 更详细的..");
    const std::pair<QString, const char *> rows[] = {
        {page, "北京|010|GSM卡|100000"},
        {QString(page).remove(QStringLiteral(" 更详细的..")), "北京|010|GSM卡|-"},
        {QString(page).remove(QStringLiteral("邮 编")), "北京|-|GSM卡|-"},
        // Without its opening marker no page text passes for a place.
        {QString(page).remove(QStringLiteral("卡号归属地")), "-|010|GSM卡|100000"}};
    for (const auto &[text, expected] : rows) {
        QStringList values;
        for (const std::optional<QString> &value : mobileLocationValues(text))
            values << value.value_or(QStringLiteral("-"));
        EXPECT_EQ(values.join(u'|').toStdString(), expected);
    }
}

TEST(TelephoneLocation, ANoticeAnywhereWinsOverTheDistrictCut)
{
    const QString page = QStringLiteral("该号段电话分部区域： 北京市东城区。\r\n＊ 仅供参考");
    using Kind = TelephoneAnswer::Kind;
    const std::pair<QString, Kind> rows[] = {
        {page, Kind::District},
        {QStringLiteral("查询次数过于频繁，请稍后再试") + page, Kind::RateLimited},
        {page + QStringLiteral("查询次数过多，请稍后再试"), Kind::RateLimited},
        {QString(page).remove(u'＊'), Kind::Unreadable},
        {QString(page).remove(QStringLiteral("该号段电话分部区域：")), Kind::Unreadable}};
    for (const auto &[text, kind] : rows)
        EXPECT_EQ(telephoneAnswer(text).kind, kind) << text.toStdString();
    EXPECT_EQ(telephoneAnswer(page).district, QStringLiteral("北京市东城区"));
}

TEST(NumberBlockSearch, TheRangeRunsToTheNextBlockInExactDecimal)
{
    // clang-format off
    const std::pair<const char *, const char *> rows[] = {
        {"12345678", "12340000...12350000"},  {"12399999", "12390000...12400000"}, {"01234567", "01230000...1240000"},
        {"1234", "0000...10000"},             {"-12345678", "-12340000...-12330000"}, {"123", ""},
        {"99999999999999999999", "99999999999999990000...100000000000000000000"}};
    // clang-format on
    for (const auto &[number, range] : rows) {
        // The search words end with the area code and the range.
        const QString address = numberBlockSearchAddress("010", number).value_or(QString());
        EXPECT_EQ(address.section(QStringLiteral("+010+"), 1), QString::fromUtf8(range)) << number;
    }
}
