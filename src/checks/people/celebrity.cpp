#include "checks/people/celebrity.h"

#include "app/services/markers.h"
#include "app/services/service_addresses.h"

namespace fendrake {

namespace {

constexpr QChar kCarriageReturn = u'\r';

// 1-based position of the first c at or after the 1-based position from; 0 when there is none.
qint64 findCharacter(const QString &text, QChar c, qint64 from)
{
    if (from < 1 || from > text.size())
        return 0;
    return text.indexOf(c, from - 1) + 1;
}

} // namespace

QString celebrityForumAddress(const QString &name)
{
    return serviceAddress(Service::Forum, QStringLiteral("/f?kw="), name);
}

ForumState forumState(const QString &pageText)
{
    if (FindMarker(QStringLiteral("抱歉，根据相关法律法规和政策，本吧暂不开放。"), pageText) > 0)
        return ForumState::Closed;
    if (FindMarker(QStringLiteral("吧尚未建立"), pageText) > 0)
        return ForumState::Missing;
    return ForumState::Open;
}

CelebrityFigures celebrityFigures(const QString &pageText)
{
    CelebrityFigures figures;

    // Without its opening marker a cut would show whatever page text stands before the closing one.
    const qint64 topicMarker = FindMarker(QStringLiteral("共有主题数"), pageText);
    if (topicMarker == 0)
        return figures;
    const qint64 markPos1 = topicMarker + 5;
    qint64 markPos2 = FindMarker(QStringLiteral("个，贴子数"), pageText);
    figures.topics = cutText(pageText, markPos1, markPos2 - markPos1);
    if (!figures.topics)
        return figures;

    markPos2 += 5;
    qint64 markPos3 = FindMarker(QStringLiteral("篇，"), pageText);
    figures.posts = cutText(pageText, markPos2, markPos3 - markPos2);
    if (!figures.posts)
        return figures;
    markPos3 += 2;

    const qint64 count = findCharacter(pageText, u'数', markPos3);
    if (count == 0)
        return figures;
    const qint64 j = count + 1;
    const qint64 lineEnd = findCharacter(pageText, kCarriageReturn, j);
    if (lineEnd == 0)
        return figures;
    const qint64 k = lineEnd - 1;
    figures.trend = cutText(pageText, j, k - j);
    if (!figures.trend)
        return figures;

    // Without its marker the follower cut would show the page's first line as the figure.
    const qint64 followerMarker = FindMarker(QStringLiteral("本吧粉丝："), pageText);
    if (followerMarker == 0) {
        figures.complete = true;
        return figures;
    }
    const qint64 p = followerMarker + 5;
    const qint64 c = findCharacter(pageText, kCarriageReturn, p);
    if (c == 0)
        return figures;
    figures.followers = cutText(pageText, p, (c - 1) - p);
    figures.complete = figures.followers.has_value();
    return figures;
}

QString celebrityFollowerCaption(const QString &followers)
{
    QString caption = QStringLiteral("流行趋势总指标：") + followers + u'#';
    caption.remove(QStringLiteral("取消"));
    caption.remove(QStringLiteral("查看本吧最新动态"));
    caption.remove(u' ');
    return caption;
}

} // namespace fendrake
