#include "checks/people/identity_card.h"

#include <gtest/gtest.h>

namespace fendrake {
namespace {

const QString kGenuine = QStringLiteral("11010519491231002X");

TEST(IdCardCheckCharacter, CoversAllElevenRemainders)
{
    const QString expected = QStringLiteral("7531X86420");
    for (int d = 0; d <= 9; ++d) {
        const QString first17 = QStringLiteral("1101011990010100") + QChar(u'0' + d);
        EXPECT_EQ(idCardCheckCharacter(first17), expected.at(d)) << "last digit " << d;
    }
    EXPECT_EQ(idCardCheckCharacter(u"11010119900101800"), QChar(u'9'));
    EXPECT_EQ(idCardCheckCharacter(u"11010519491231002"), QChar(u'X'));
}

TEST(IdCardInput, AcceptsOnlyEighteenWithSeventeenAsciiDigits)
{
    const struct
    {
        QString text;
        bool accepted;
    } cases[] = {
        {kGenuine, true},
        {QStringLiteral("11010519491231002x"), true},
        {QStringLiteral("110105194912310021"), true},
        // The check place is judged later, not by the input rule.
        {QStringLiteral("11010519491231002?"), true},
        {QString(), false},
        {QStringLiteral("11010519491231002"), false},
        {QStringLiteral("11010519491231002X1"), false},
        {QStringLiteral("1101051949x231002X"), false},
        {QStringLiteral("1101051949A231002X"), false},
        {QStringLiteral("11010519491231００2X"), false},
        {QStringLiteral(" 1010519491231002X"), false},
        {QStringLiteral("١١010519491231002X"), false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(isIdCardInput(c.text), c.accepted) << c.text.toStdString();
}

TEST(IdCardVerdict, ComparesTheCheckPlaceWithTheExpectedCharacter)
{
    const struct
    {
        QString typed;
        IdCardVerdict verdict;
    } cases[] = {
        {kGenuine, IdCardVerdict::Genuine},
        {QStringLiteral("11010519491231002x"), IdCardVerdict::Genuine},
        {QStringLiteral("110105194912310020"), IdCardVerdict::Fake}, // expected X, a digit given
        {QStringLiteral("11010119900101000X"), IdCardVerdict::Fake}, // expected 7, X given
        {QStringLiteral("110101199001010000"), IdCardVerdict::Fake}, // expected 7, another digit
        {QStringLiteral("110101199001010007"), IdCardVerdict::Genuine},
        {QStringLiteral("110101199001018009"), IdCardVerdict::Genuine},
        // Anything else is never read as 0, even where 0 would be the expected digit.
        {QStringLiteral("11010119900101009?"), IdCardVerdict::Unreadable},
        {QStringLiteral("11010119900101009 "), IdCardVerdict::Unreadable},
        {QStringLiteral("11010119900101009０"), IdCardVerdict::Unreadable},
        {QStringLiteral("11010119900101009Y"), IdCardVerdict::Unreadable},
        {QStringLiteral("11010519491231002?"), IdCardVerdict::Fake}, // expected X: anything else is fake
        {QStringLiteral("11010119900101009ß"), IdCardVerdict::Unreadable},
    };
    for (const auto &c : cases)
        EXPECT_EQ(idCardVerdict(upperCaseIdCard(c.typed)), c.verdict) << c.typed.toStdString();
}

TEST(IdCardUpperCase, TurnsATypedXIntoX)
{
    EXPECT_EQ(upperCaseIdCard(QStringLiteral("11010519491231002x")), kGenuine);
}

TEST(IdCardReading, SexFollowsTheParityOfCharactersFifteenToSeventeen)
{
    EXPECT_EQ(idCardSexText(QStringLiteral("110101199001010011")), QStringLiteral("性别：男"));
    EXPECT_EQ(idCardSexText(QStringLiteral("110101199001010021")), QStringLiteral("性别：女"));
    EXPECT_EQ(idCardSexText(QStringLiteral("110101199001010001")), QStringLiteral("性别：女"));
    EXPECT_EQ(idCardSexText(QStringLiteral("110101199001019991")), QStringLiteral("性别：男"));
}

TEST(IdCardReading, BirthDateShowsTheDigitsUnchecked)
{
    EXPECT_EQ(idCardBirthDateText(kGenuine), QStringLiteral("出生日期：1949年12月31日"));
    EXPECT_EQ(idCardBirthDateText(QStringLiteral("110101199013400011")), QStringLiteral("出生日期：1990年13月40日"));
}

TEST(IdCardAddress, PutsTheNumberIntoTheQuery)
{
    EXPECT_EQ(idCardAddress(kGenuine),
              QStringLiteral("http://id.fendrake.net/idsearch/index.asp?action=idcard&userid=11010519491231002X"));
}

TEST(IdCardPlaceOfIssue, CutsBetweenTheMarkers)
{
    const QString closing = kIdCardPlaceClosing.toString();
    const struct
    {
        QString page;
        std::optional<QString> place;
    } cases[] = {
        // Seven characters before the closing marker never belong to the value.
        {QStringLiteral("号码：11010519491231002X\r\n发 证 地：北京市东城区\r\n请您核对：") + closing,
         QStringLiteral("北京市东城区")},
        {QStringLiteral("发 证 地：1234567") + closing, QString()},
        {QStringLiteral("发 证 地：123456") + closing, std::nullopt}, // one short: negative length
        {QStringLiteral("发 证 地：北京市东城区\r\n请核对："), std::nullopt},
        {QStringLiteral("发证地：北京市东城区\r\n请核对：") + closing, std::nullopt},
        {closing + QStringLiteral("发 证 地：北京市东城区\r\n请核对："), std::nullopt},
        {QString(), std::nullopt},
    };
    for (const auto &c : cases)
        EXPECT_EQ(idCardPlaceOfIssue(c.page), c.place) << c.page.toStdString();
}

} // namespace
} // namespace fendrake
