#include "checks/people/identity_card.h"

#include "qt_printers.h"

#include <gtest/gtest.h>

using namespace fendrake;

TEST(IdCardCheckCharacter, CoversAllElevenRemainders)
{
    const QString expected = QStringLiteral("7531X86420");
    for (int d = 0; d <= 9; ++d)
        EXPECT_EQ(idCardCheckCharacter(QStringLiteral("1101011990010100") + QChar(u'0' + d)), expected.at(d)) << d;
    EXPECT_EQ(idCardCheckCharacter(u"11010119900101800"), QChar(u'9'));
}

TEST(IdCardInput, AcceptsOnlyEighteenWithSeventeenAsciiDigits)
{
    // The check place is judged later, not by the input rule.
    // clang-format off
    const std::pair<const char *, bool> cases[] = {
        {"11010519491231002X", true},   {"11010519491231002x", true},  {"110105194912310021", true},
        {"11010519491231002?", true},   {"", false},                   {"11010519491231002", false},
        {"11010519491231002X1", false}, {"1101051949x231002X", false}, {"1101051949A231002X", false},
        {"11010519491231００2X", false}, {" 1010519491231002X", false}, {"١١010519491231002X", false}};
    // clang-format on
    for (const auto &[text, accepted] : cases)
        EXPECT_EQ(isIdCardInput(QString::fromUtf8(text)), accepted) << text;
}

TEST(IdCardVerdict, ComparesTheUpperCasedCheckPlaceWithTheExpectedCharacter)
{
    using enum IdCardVerdict;
    // Anything but a digit or X is never read as 0, even where 0 would be the expected digit; where X is
    // expected, anything else is fake.
    const std::pair<const char *, IdCardVerdict> cases[] = {
        {"11010519491231002X", Genuine},     {"11010519491231002x", Genuine},    {"110105194912310020", Fake},
        {"11010119900101000X", Fake},        {"110101199001010000", Fake},       {"110101199001010007", Genuine},
        {"110101199001018009", Genuine},     {"11010119900101009?", Unreadable}, {"11010119900101009 ", Unreadable},
        {"11010119900101009０", Unreadable}, {"11010119900101009Y", Unreadable}, {"11010519491231002?", Fake},
        {"11010119900101009ß", Unreadable}};
    for (const auto &[typed, verdict] : cases)
        EXPECT_EQ(idCardVerdict(upperCaseIdCard(QString::fromUtf8(typed))), verdict) << typed;
}

TEST(IdCardReading, SexFollowsTheParityOfCharactersFifteenToSeventeenAndTheDateIsUnchecked)
{
    const std::pair<QString, QString> cases[] = {
        {idCardSexText("110101199001010011"), "性别：男"},
        {idCardSexText("110101199001010021"), "性别：女"},
        {idCardSexText("110101199001010001"), "性别：女"},
        {idCardSexText("110101199001019991"), "性别：男"},
        {idCardBirthDateText("11010519491231002X"), "出生日期：1949年12月31日"},
        {idCardBirthDateText("110101199013400011"), "出生日期：1990年13月40日"}};
    for (const auto &[shown, expected] : cases)
        EXPECT_EQ(shown, expected);
}

TEST(IdCardPlaceOfIssue, CutsBetweenTheMarkers)
{
    const QString closing = kIdCardPlaceClosing.toString();
    // Seven characters before the closing marker never belong to the value; one short is a negative length.
    const std::pair<QString, std::optional<QString>> cases[] = {
        {"号码：11010519491231002X\r\n发 证 地：北京市东城区\r\n请您核对：" + closing, "北京市东城区"},
        {"发 证 地：1234567" + closing, ""},
        {"发 证 地：123456" + closing, std::nullopt},
        {"发 证 地：北京市东城区\r\n请核对：", std::nullopt},
        {"发证地：北京市东城区\r\n请核对：" + closing, std::nullopt},
        {closing + "发 证 地：北京市东城区\r\n请核对：", std::nullopt},
        {"", std::nullopt}};
    for (const auto &[page, place] : cases)
        EXPECT_EQ(idCardPlaceOfIssue(page), place) << page.toStdString();
}
