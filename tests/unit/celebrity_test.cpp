#include "checks/people/celebrity.h"

#include "qt_printers.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace fendrake {
namespace {

// The figures in reading order, up to the first that could not be cut.
QStringList figuresOf(const QString &text)
{
    const CelebrityFigures f = celebrityFigures(text);
    QStringList read;
    for (const auto &figure : {f.topics, f.posts, f.trend, f.followers}) {
        if (!figure)
            break;
        read.append(*figure);
    }
    return read;
}

TEST(CelebrityFigures, CutsEachFigureBetweenItsMarkersAndStopsAtTheFirstFailure)
{
    const QString counts = QStringLiteral("本吧共有主题数1234个，贴子数56789篇，");
    const QString fans = QStringLiteral("本吧粉丝：8888 取消 »\r\n");
    const struct
    {
        QString text;
        QStringList figures;
    } cases[] = {
        {counts + QStringLiteral("会员数321人\r\n") + fans,
         {QStringLiteral("1234"), QStringLiteral("56789"), QStringLiteral("321"), QStringLiteral("8888 取消 ")}},
        // The line's last character is never part of the third count.
        {counts + QStringLiteral("会员数321\r\n") + fans,
         {QStringLiteral("1234"), QStringLiteral("56789"), QStringLiteral("32"), QStringLiteral("8888 取消 ")}},
        {counts + QStringLiteral("会员数\r\n") + fans, {QStringLiteral("1234"), QStringLiteral("56789")}},
        {counts + QStringLiteral("会员数3\r\n") + fans,
         {QStringLiteral("1234"), QStringLiteral("56789"), QString(), QStringLiteral("8888 取消 ")}},
        {counts + QStringLiteral("会员321人\r\n") + fans, {QStringLiteral("1234"), QStringLiteral("56789")}},
        {counts + QStringLiteral("会员数321人"), {QStringLiteral("1234"), QStringLiteral("56789")}},
        {counts + QStringLiteral("会员数321人\r\n关注：8888 »\r\n"),
         {QStringLiteral("1234"), QStringLiteral("56789"), QStringLiteral("321")}},
        {counts + QStringLiteral("会员数321人\r\n本吧粉丝：8888"),
         {QStringLiteral("1234"), QStringLiteral("56789"), QStringLiteral("321")}},
        {QStringLiteral("本吧共有主题数1234个，贴子数56789\r\n"), {QStringLiteral("1234")}},
        {QStringLiteral("篇，共有主题数1个，贴子数2\r\n"), {QStringLiteral("1")}},
        {QStringLiteral("主题1234个，贴子数56789篇，会员数321人\r\n") + fans, {}},
        {QStringLiteral("本吧共有主题数1234个，帖子数56789篇，会员数321人\r\n") + fans, {}},
        {QString(), {}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(figuresOf(c.text), c.figures) << c.text.toStdString();
}

TEST(CelebrityFollowerCaption, DropsTheLinkWordsThenEveryBlank)
{
    const struct
    {
        QString value;
        QString caption;
    } cases[] = {
        {QStringLiteral("8888 取消 查看本吧最新动态 "), QStringLiteral("流行趋势总指标：8888#")},
        {QStringLiteral("1 2 3"), QStringLiteral("流行趋势总指标：123#")},
        // The words go one after the other: taking one out may join the next.
        {QStringLiteral("查看本吧取消最新动态"), QStringLiteral("流行趋势总指标：#")},
        {QStringLiteral("取查看本吧最新动态消"), QStringLiteral("流行趋势总指标：取消#")},
    };
    for (const auto &c : cases)
        EXPECT_EQ(celebrityFollowerCaption(c.value), c.caption) << c.value.toStdString();
}

} // namespace
} // namespace fendrake
