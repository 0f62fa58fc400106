#include "checks/site/ip_location.h"
#include "qt_printers.h"

#include <gtest/gtest.h>

#include <optional>

namespace fendrake {
namespace {

TEST(IpForm, LengthDotsAndPartRangesDecideValidity)
{
    const struct
    {
        const char16_t *typed;
        IpForm form;
    } cases[] = {
        {u"192.168.100.200", IpForm::Valid},    // 15 characters: tested
        {u"192.168.100.2000", IpForm::Invalid}, // 16: refused before any test
        {u"1.2.3.*", IpForm::Valid},
        {u"1.2*.3.4", IpForm::Valid},  // 20
        {u"1.*5*.3.4", IpForm::Valid}, // 050
        {u"1.2.3.256", IpForm::Invalid},
        {u"0.0.0.0", IpForm::Valid},
        {u"255.255.255.255", IpForm::Valid},
        {u"26*.1.1.1", IpForm::Invalid}, // 260
        {u"1.2.3", IpForm::Invalid},
        {u"1.2.3.4.5", IpForm::Valid}, // five parts: the fourth goes untested
        {u"1.2.3.x.5", IpForm::Valid},
        {u"1..2.3", IpForm::Unreadable}, // an empty part is no number
        {u"1.2.3.", IpForm::Unreadable},
        {u"a.2.3.4", IpForm::Unreadable},
        {u"", IpForm::Invalid},
    };
    for (const auto &c : cases) {
        const QString typed = QString::fromUtf16(c.typed);
        EXPECT_EQ(checkIpForm(typed), c.form) << typed.toStdString();
    }
}

TEST(IpLocationCut, KeepsTheOpeningMarkerAndDropsFourCharactersBeforeTheClosingOne)
{
    const QString open = kIpLocationOpening.toString();
    const QString close = kIpLocationClosing.toString();
    const struct
    {
        QString page;
        std::optional<QString> cut;
    } cases[] = {
        {QStringLiteral("head ") + open + QStringLiteral("广东省深圳市 电信ABCD") + close + QStringLiteral(" tail"),
         open + QStringLiteral("广东省深圳市 电信")},
        {open + QStringLiteral("WXYZ") + close, open},
        {QStringLiteral("x") + open.left(2) + QStringLiteral("ABCD") + close, std::nullopt}, // opening marker missing
        {open + QStringLiteral("广东省深圳市"), std::nullopt},                               // closing marker missing
        {open + QStringLiteral("AB") + close, QStringLiteral("本站主数")}, // the four reach into the marker
        {close + QStringLiteral("ABCD") + open + QStringLiteral("广东"),
         std::nullopt}, // closing marker before the opening one
    };
    for (const auto &c : cases)
        EXPECT_EQ(cutIpLocation(c.page), c.cut) << c.page.toStdString();
}

} // namespace
} // namespace fendrake
