#include "app/update_notice.h"
#include "app/version.h"

#include <gtest/gtest.h>

#include <optional>

using namespace fendrake;

namespace {

const QString kOpen = QStringLiteral("The Newest Vision：");

} // namespace

TEST(UpdateNotice, NewestVersionCutAndComparison)
{
    struct Case
    {
        const char *name;
        QString page;
        std::optional<QString> text;
        bool current;
    };
    const QString tail = QStringLiteral("\r\n###Update Text###\r\n修复\r\n#End#");
    const Case cases[] = {
        {"same version", kOpen + "4.02########" + tail, QStringLiteral("4.02"), true},
        {"same version after other text", QStringLiteral("软件公告\r\n") + kOpen + "4.02########",
         QStringLiteral("4.02"), true},
        {"newer", kOpen + "4.03########" + tail, QStringLiteral("4.03"), false},
        {"older counts as different", kOpen + "4.01########", QStringLiteral("4.01"), false},
        {"longer text", kOpen + "4.020########", QStringLiteral("4.020"), false},
        {"leading blank kept", kOpen + " 4.02########", QStringLiteral(" 4.02"), false},
        {"trailing blank kept", kOpen + "4.02 ########", QStringLiteral("4.02 "), false},
        {"line end kept", kOpen + "4.02\r\n########", QStringLiteral("4.02\r\n"), false},
        {"adjacent markers give empty text", kOpen + "########", QString(), false},
        {"first occurrences only", kOpen + "4.02########" + kOpen + "9.99########", QStringLiteral("4.02"), true},
        // Without the opening marker the cut starts at position 18 of the page.
        {"ascii colon is no marker", QStringLiteral("The Newest Vision:4.02########"), QStringLiteral(":4.02"), false},
        {"no opening marker, closing at 18", QStringLiteral("12345678901234567########"), QString(), false},
        {"no closing marker", kOpen + "4.02", std::nullopt, false},
        {"closing marker before the opening one", "########" + kOpen + "4.02########", std::nullopt, false},
        {"no opening marker, closing before 18", QStringLiteral("abc########"), std::nullopt, false},
        {"empty page", QString(), std::nullopt, false},
    };
    for (const Case &c : cases) {
        const std::optional<QString> text = newestVersionText(c.page);
        ASSERT_EQ(text.has_value(), c.text.has_value()) << c.name;
        if (!text)
            continue;
        EXPECT_EQ(*text, *c.text) << c.name;
        EXPECT_EQ(isCurrentVersion(*text), c.current) << c.name;
    }
}

TEST(UpdateNotice, CutPositionsCountChineseCharactersAsOne)
{
    const QString page = QStringLiteral("最新版本") + kOpen + "4.03########";
    const VersionCut cut = newestVersionCut(page);
    EXPECT_EQ(cut.start, 4 + 1 + 18);
    EXPECT_EQ(cut.end, 4 + 18 + 4 + 1);
}

TEST(UpdateNotice, ComparisonIsExactText)
{
    const struct
    {
        QString text;
        bool current;
    } cases[] = {{"4.02", true},   {"4.03", false},  {"4.2", false},     {"4.020", false}, {"04.02", false},
                 {" 4.02", false}, {"4.02 ", false}, {"４.０２", false}, {"", false}};
    for (const auto &c : cases)
        EXPECT_EQ(isCurrentVersion(c.text), c.current) << c.text.toStdString();
}

TEST(UpdateNotice, UpdateTextCut)
{
    struct Case
    {
        const char *name;
        QString page;
        std::optional<QString> text;
    };
    const Case cases[] = {
        {"two lines between marker lines", kOpen + "4.03########\r\n###Update Text###\r\n第一行\r\n第二行\r\n#End#\r\n",
         QStringLiteral("第一行\r\n第二行")},
        {"one line", QStringLiteral("###Update Text###\r\nabc\r\n#End#"), QStringLiteral("abc")},
        {"empty block", QStringLiteral("###Update Text###\r\n\r\n#End#"), QString()},
        {"markers without line ends lose text", QStringLiteral("###Update Text###abcdef#End#"), QStringLiteral("cd")},
        {"no closing marker", QStringLiteral("###Update Text###\r\nabc\r\n"), std::nullopt},
        {"closing marker right after the opening one", QStringLiteral("###Update Text####End#"), std::nullopt},
        {"closing marker before the opening one", QStringLiteral("#End#\r\n###Update Text###\r\nabc\r\n#End#"),
         std::nullopt},
        // Position 0 + 19: the text from character 19 on.
        {"no opening marker", QStringLiteral("123456789012345678abc\r\n#End#"), QStringLiteral("abc")},
    };
    for (const Case &c : cases) {
        const std::optional<QString> text = updateText(c.page);
        ASSERT_EQ(text.has_value(), c.text.has_value()) << c.name;
        if (text) {
            EXPECT_EQ(*text, *c.text) << c.name;
        }
    }
}
