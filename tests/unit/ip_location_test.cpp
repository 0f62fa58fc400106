#include "checks/site/ip_location.h"
#include "qt_printers.h"

#include <gtest/gtest.h>

#include <optional>

using namespace fendrake;

TEST(IpForm, LengthDotsAndPartRangesDecideValidity)
{
    using enum IpForm;
    // 15 characters are tested, 16 refused before any test; "*" reads as 0 inside a part; with five
    // parts the fourth goes untested; an empty part is no number.
    const std::pair<const char *, IpForm> cases[] = {{"192.168.100.200", Valid}, {"192.168.100.2000", Invalid},
                                                     {"1.2.3.*", Valid},         {"1.2*.3.4", Valid},
                                                     {"1.*5*.3.4", Valid},       {"1.2.3.256", Invalid},
                                                     {"0.0.0.0", Valid},         {"255.255.255.255", Valid},
                                                     {"26*.1.1.1", Invalid},     {"1.2.3", Invalid},
                                                     {"1.2.3.4.5", Valid},       {"1.2.3.x.5", Valid},
                                                     {"1..2.3", Unreadable},     {"1.2.3.", Unreadable},
                                                     {"a.2.3.4", Unreadable},    {"", Invalid}};
    for (const auto &[typed, form] : cases)
        EXPECT_EQ(checkIpForm(QString::fromUtf8(typed)), form) << typed;
}

TEST(IpLocationCut, KeepsTheOpeningMarkerAndDropsFourCharactersBeforeTheClosingOne)
{
    const QString open = kIpLocationOpening.toString(), close = kIpLocationClosing.toString();
    // Without either marker, or with the closing one first, nothing is cut; the four may reach into the marker.
    const std::pair<QString, std::optional<QString>> cases[] = {
        {"head " + open + "广东省深圳市 电信ABCD" + close + " tail", open + "广东省深圳市 电信"},
        {open + "WXYZ" + close, open},
        {"x" + open.left(2) + "ABCD" + close, std::nullopt},
        {open + "广东省深圳市", std::nullopt},
        {open + "AB" + close, "本站主数"},
        {close + "ABCD" + open + "广东", std::nullopt}};
    for (const auto &[page, cut] : cases)
        EXPECT_EQ(cutIpLocation(page), cut) << page.toStdString();
}
