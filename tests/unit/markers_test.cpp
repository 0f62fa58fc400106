#include "app/services/markers.h"

#include <gtest/gtest.h>

#include <limits>
#include <tuple>

using namespace fendrake;

TEST(FindMarkerTest, GivesFirstOneBasedPositionOrZero)
{
    // A surrogate pair counts two, as QString does.
    // clang-format off
    const std::tuple<const char *, const char *, int> cases[] = {
        {"ab", "abcab", 1}, {"cab", "cabcab", 1}, {"bc", "abcab", 2}, {"ab", "xxab", 3}, {"x", "abc", 0},
        {"abcd", "abc", 0}, {"cd", "abc", 0}, {"a", "", 0}, {"", "", 0}, {"", "abc", 1}, {"Abc", "xabc", 0},
        {"域名：", "域名:abc", 0}, {":", "a：b:c", 4}, {"北京", "中国北京市", 3}, {"IP", "a\r\nIP", 4}, {"a", "😀a", 3}};
    // clang-format on
    for (const auto &[marker, text, position] : cases)
        EXPECT_EQ(FindMarker(QString::fromUtf8(marker), QString::fromUtf8(text)), position) << marker << " in " << text;
}

TEST(CutTextTest, FollowsMidWithoutClamping)
{
    constexpr qint64 kMax = std::numeric_limits<qint64>::max(), kMin = std::numeric_limits<qint64>::min();
    const std::nullopt_t toEnd = std::nullopt, fails = std::nullopt; // toEnd: the form without a length
    const std::tuple<qint64, std::optional<qint64>, std::optional<QString>> cases[] = {
        {2, 3, "bcd"},  {1, 6, "abcdef"}, {3, 0, ""},         {5, 10, "ef"},    {2, kMax, "bcdef"},
        {7, 2, ""},     {1000, 1, ""},    {3, toEnd, "cdef"}, {7, toEnd, ""},   {0, 2, fails},
        {-3, 5, fails}, {2, -1, fails},   {9, -1, fails},     {kMin, 1, fails}, {0, toEnd, fails}};
    const QString text = QStringLiteral("abcdef");
    for (const auto &[start, length, result] : cases)
        EXPECT_EQ(length ? cutText(text, start, *length) : cutText(text, start), result)
            << start << "," << length.value_or(-99);
}
