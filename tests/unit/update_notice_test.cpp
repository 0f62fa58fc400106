#include "app/update_notice.h"
#include "app/version.h"

#include "qt_printers.h"

#include <gtest/gtest.h>

#include <optional>
#include <tuple>

using namespace fendrake;

const QString kOpen = QStringLiteral("The Newest Vision：");

TEST(UpdateNotice, NewestVersionIsCutAndComparedAsExactText)
{
    const QString tail = QStringLiteral("\r\n###Update Text###\r\n修复\r\n#End#");
    const std::nullopt_t fails = std::nullopt;
    // A Chinese character counts one; without the opening marker the cut starts at position 18 of the page.
    // clang-format off
    const std::tuple<QString, std::optional<QString>, bool> cases[] = {
        {kOpen + "4.02########" + tail, "4.02", true},   {"软件公告\r\n" + kOpen + "4.02########", "4.02", true},
        {kOpen + "4.03########" + tail, "4.03", false},  {kOpen + "4.01########", "4.01", false},
        {kOpen + "4.020########", "4.020", false},       {kOpen + "04.02########", "04.02", false},
        {kOpen + "４.０２########", "４.０２", false},   {kOpen + " 4.02########", " 4.02", false},
        {kOpen + "4.02 ########", "4.02 ", false},       {kOpen + "4.02\r\n########", "4.02\r\n", false},
        {kOpen + "########", "", false},                 {kOpen + "4.02########" + kOpen + "9.99########", "4.02", true},
        {"The Newest Vision:4.02########", ":4.02", false}, {"12345678901234567########", "", false},
        {kOpen + "4.02", fails, false},                  {"########" + kOpen + "4.02########", fails, false},
        {"abc########", fails, false},                   {"", fails, false}};
    // clang-format on
    for (const auto &[page, text, current] : cases) {
        SCOPED_TRACE(page.toStdString());
        ASSERT_EQ(newestVersionText(page), text);
        if (text) {
            EXPECT_EQ(isCurrentVersion(*text), current);
        }
    }
}

TEST(UpdateNotice, UpdateTextIsCutBetweenTheMarkerLines)
{
    // Markers without line ends lose text; with no opening marker the cut starts at position 0 + 19.
    // clang-format off
    const std::pair<QString, std::optional<QString>> cases[] = {
        {kOpen + "4.03########\r\n###Update Text###\r\n第一行\r\n第二行\r\n#End#\r\n", "第一行\r\n第二行"},
        {"###Update Text###\r\nabc\r\n#End#", "abc"}, {"###Update Text###\r\n\r\n#End#", ""},
        {"###Update Text###abcdef#End#", "cd"},       {"###Update Text###\r\nabc\r\n", std::nullopt},
        {"###Update Text####End#", std::nullopt},     {"#End#\r\n###Update Text###\r\nabc\r\n#End#", std::nullopt},
        {"123456789012345678abc\r\n#End#", "abc"}};
    // clang-format on
    for (const auto &[page, text] : cases)
        EXPECT_EQ(updateText(page), text) << page.toStdString();
}
