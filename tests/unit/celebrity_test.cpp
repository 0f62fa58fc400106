#include "checks/people/celebrity.h"

#include "qt_printers.h"

#include <gtest/gtest.h>

#include <utility>

using namespace fendrake;

// The figures in reading order, joined by "|", up to the first that was not cut; "!" when a cut failed.
static QString figuresOf(const QString &text)
{
    const CelebrityFigures f = celebrityFigures(text);
    QStringList read;
    for (const auto &figure : {f.topics, f.posts, f.trend, f.followers}) {
        if (!figure)
            break;
        read.append(*figure);
    }
    return read.join(u'|') + (f.complete ? "" : "!");
}

TEST(CelebrityFigures, CutsEachFigureBetweenItsMarkersStopsAtTheFirstFailureAndNeedsNoFollowerLine)
{
    const QString counts = QStringLiteral("本吧共有主题数1234个，贴子数56789篇，");
    const QString fans = QStringLiteral("本吧粉丝：88 取消 »\r\n");
    // The line's last character is never part of the third count or the followers.
    const std::pair<QString, const char *> cases[] = {
        {counts + QStringLiteral("会员数321人\r\n") + fans, "1234|56789|321|88 取消 "},
        {counts + QStringLiteral("会员数321\r\n") + fans, "1234|56789|32|88 取消 "},
        {counts + QStringLiteral("会员数3\r\n") + fans, "1234|56789||88 取消 "},
        {counts + QStringLiteral("会员数\r\n") + fans, "1234|56789!"},
        {counts + QStringLiteral("会员数321人"), "1234|56789!"},
        {counts + QStringLiteral("会员数321人\r\n关注：88 »\r\n"), "1234|56789|321"},
        {counts + QStringLiteral("会员数321人\r\n本吧粉丝：88"), "1234|56789|321!"},
        {QStringLiteral("本吧共有主题数1234个，贴子数56789\r\n"), "1234!"},
        {QStringLiteral("篇，共有主题数1个，贴子数2\r\n"), "1!"},
        {QStringLiteral("主题1234个，贴子数56789篇，会员数321人\r\n") + fans, "!"}};
    for (const auto &[text, figures] : cases)
        EXPECT_EQ(figuresOf(text), QString::fromUtf8(figures)) << text.toStdString();
}

TEST(CelebrityFollowerCaption, DropsTheLinkWordsOneAfterTheOtherThenEveryBlank)
{
    const std::pair<const char *, const char *> cases[] = {{"8 8 取消 查看本吧最新动态 ", "流行趋势总指标：88#"},
                                                           {"查看本吧取消最新动态", "流行趋势总指标：#"},
                                                           {"取查看本吧最新动态消", "流行趋势总指标：取消#"}};
    for (const auto &[value, caption] : cases)
        EXPECT_EQ(celebrityFollowerCaption(QString::fromUtf8(value)), QString::fromUtf8(caption)) << value;
}
