#include "app/services/markers.h"

#include <gtest/gtest.h>

#include <limits>

namespace fendrake {
namespace {

struct MarkerCase
{
    const char *name;
    QString marker;
    QString text;
    int position;
};

TEST(FindMarkerTest, GivesFirstOneBasedPositionOrZero)
{
    const MarkerCase cases[] = {
        {"text begins with marker", QStringLiteral("ab"), QStringLiteral("abcab"), 1},
        {"first of two occurrences", QStringLiteral("cab"), QStringLiteral("cabcab"), 1},
        {"second position", QStringLiteral("bc"), QStringLiteral("abcab"), 2},
        {"marker at the very end", QStringLiteral("ab"), QStringLiteral("xxab"), 3},
        {"absent marker", QStringLiteral("x"), QStringLiteral("abc"), 0},
        {"marker longer than text", QStringLiteral("abcd"), QStringLiteral("abc"), 0},
        {"text ends with the marker's first part", QStringLiteral("cd"), QStringLiteral("abc"), 0},
        {"empty text", QStringLiteral("a"), QString(), 0},
        {"empty marker and empty text", QString(), QString(), 0},
        {"empty marker in non-empty text", QString(), QStringLiteral("abc"), 1},
        {"letter case differs", QStringLiteral("Abc"), QStringLiteral("xabc"), 0},
        {"full-width colon is not a colon", QStringLiteral("域名："), QStringLiteral("域名:abc"), 0},
        {"half-width colon is not a full-width one", QStringLiteral(":"), QStringLiteral("a：b:c"), 4},
        {"a Chinese character counts one", QStringLiteral("北京"), QStringLiteral("中国北京市"), 3},
        {"marker found after CR LF", QStringLiteral("IP"), QStringLiteral("a\r\nIP"), 4},
    };
    for (const MarkerCase &c : cases)
        EXPECT_EQ(FindMarker(c.marker, c.text), c.position) << c.name;
}

TEST(FindMarkerTest, CountsASurrogatePairAsTwo)
{
    EXPECT_EQ(FindMarker(QStringLiteral("a"), QString::fromUtf8("😀a")), 3);
}

struct CutCase
{
    const char *name;
    qint64 start;
    qint64 length;
    std::optional<QString> result;
};

TEST(CutTextTest, FollowsMidWithoutClamping)
{
    const QString text = QStringLiteral("abcdef");
    const CutCase cases[] = {
        {"inside", 2, 3, QStringLiteral("bcd")},
        {"whole text", 1, 6, QStringLiteral("abcdef")},
        {"zero length", 3, 0, QStringLiteral("")},
        {"length past the end is cut short", 5, 10, QStringLiteral("ef")},
        {"huge length", 2, std::numeric_limits<qint64>::max(), QStringLiteral("bcdef")},
        {"start just past the end", 7, 2, QStringLiteral("")},
        {"start far past the end", 1000, 1, QStringLiteral("")},
        {"start 0 fails", 0, 2, std::nullopt},
        {"negative start fails", -3, 5, std::nullopt},
        {"negative length fails", 2, -1, std::nullopt},
        {"negative length past the end fails", 9, -1, std::nullopt},
        {"lowest start fails", std::numeric_limits<qint64>::min(), 1, std::nullopt},
    };
    for (const CutCase &c : cases)
        EXPECT_EQ(cutText(text, c.start, c.length), c.result) << c.name;
}

TEST(CutTextTest, WithoutLengthCutsToTheEnd)
{
    const QString text = QStringLiteral("中国北京");
    EXPECT_EQ(cutText(text, 3), QStringLiteral("北京"));
    EXPECT_EQ(cutText(text, 5), QStringLiteral(""));
    EXPECT_EQ(cutText(text, 0), std::nullopt);
}

TEST(CutTextTest, CutsTheValueBetweenTwoMarkers)
{
    const QString page = QStringLiteral("查询结果\r\n所在地：北京市 联通\r\n卡类型：GSM");
    const QString opening = QStringLiteral("所在地：");
    const int first = FindMarker(opening, page);
    const int second = FindMarker(QStringLiteral("\r\n卡类型"), page);
    ASSERT_GT(first, 0);
    const qint64 start = first + opening.size();
    EXPECT_EQ(cutText(page, start, second - start), QStringLiteral("北京市 联通"));
}

} // namespace
} // namespace fendrake
