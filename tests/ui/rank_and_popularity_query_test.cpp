#include "query_panel_test.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace fendrake {
namespace {

const QString kOld = QStringLiteral("旧");

class RankAndPopularityQuery : public test::QueryPanelTest
{
protected:
    void SetUp() override
    {
        QueryPanelTest::SetUp();
        ASSERT_TRUE(test::showActive(m_form.get()));
        const char *routes[][3] = {
            {"rank.fendrake.net", "/?domain=", "rank.html"},
            {"rank.fendrake.net", "/?domain=www.fail", "no_rank.html"},
            {"rating.fendrake.net", "/web?query=", "rated.html"},
            {"rating.fendrake.net", "/web?query=www.half", "fractional.html"},
            {"rating.fendrake.net", "/web?query=www.fail", "not_a_number.html"},
            {"search.fendrake.net", "/s?wd=", "count.html"},
            {"search.fendrake.net", "/s?wd=site%3Awww.fail", "no_count.html"},
        };
        for (const auto &[host, prefix, page] : routes)
            m_server.addPrefix(host, prefix, QString::fromUtf8(host) + u'/' + QString::fromUtf8(page));
    }

    // Types the site into the panel's box with old texts in the labels, then clicks the button or
    // presses Enter (button nullptr).
    void query(const char *feature, const char *box, const char *button, const QString &site,
               std::initializer_list<const char *> labels)
    {
        openPanel("cmdZhongJi", feature);
        for (const char *label : labels)
            control<QLabel>(label)->setText(kOld);
        control<QLineEdit>(box)->setText(site);
        if (button)
            QTest::mouseClick(control<QAbstractButton>(button), Qt::LeftButton);
        else
            QTest::keyClick(control<QLineEdit>(box), Qt::Key_Return);
    }

    // Each request as host + path and query, then each box as its first line and third reason.
    QStringList seen() const
    {
        QStringList seen;
        for (const test::RecordedRequest &request : m_server.requests())
            seen << request.host + request.pathAndQuery;
        for (const test::RecordedMessage &box : m_messages.messages())
            seen << box.title + u':' + box.text.section(u'\r', 0, 0) + box.text.section(u'\r', 3, 3);
        return seen;
    }

    QString text(const char *name) const { return control<QLabel>(name)->text(); }
};

TEST_F(RankAndPopularityQuery, TrafficRankRefusesBadSitesAndShowsRanksOrFails)
{
    const struct
    {
        QString site;
        const char *button;
        QStringList seen;
        QString global, chinese, status, boxAfter;
    } cases[] = {
        {QStringLiteral("www.x"), "cmdRenQiChaxun", {QStringLiteral("错误:请输入正确的网址！")}, kOld, kOld, kOld, {}},
        {QStringLiteral("WWW.x.com"),
         "cmdRenQiChaxun",
         {QStringLiteral("错误:错误！错误原因：")},
         kOld,
         kOld,
         kOld,
         {}},
        {QStringLiteral("www.xy"),
         nullptr,
         {QStringLiteral("rank.fendrake.net/?domain=www.xy")},
         QStringLiteral("全球流量排名：第 1,234 名"),
         QStringLiteral("中国流量排名：第 56 名"),
         QStringLiteral("查询完毕"),
         QStringLiteral("www.xy")},
        {QStringLiteral("www.fail.com"),
         "cmdRenQiChaxun",
         {QStringLiteral("rank.fendrake.net/?domain=www.fail.com"),
          QStringLiteral("错误:出现错误！错误原因：3.排名服务器繁忙或故障检修，请稍后再试！")},
         QStringLiteral("全球流量排名：出错"),
         QStringLiteral("中国流量排名：出错"),
         QStringLiteral("出现错误"),
         QStringLiteral("www.fail.com")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.site.toStdString());
        m_messages.clear();
        m_server.clearRequests();
        query("cmdPaiming", "txtRenQi", c.button, c.site, {"lblRenQi", "lblZG", "lblRenQiZZ"});
        EXPECT_EQ(seen(), c.seen);
        EXPECT_EQ(QStringList({text("lblRenQi"), text("lblZG"), text("lblRenQiZZ")}),
                  QStringList({c.global, c.chinese, c.status}));
        EXPECT_EQ(control<QLineEdit>("txtRenQi")->text(), c.boxAfter);
        EXPECT_TRUE(control<QWidget>("txtRenQi")->isEnabled() && control<QWidget>("cmdRenQiChaxun")->isEnabled());
    }
}

TEST_F(RankAndPopularityQuery, PopularityAndIndexedPagesShowTheirFiguresOrFail)
{
    const QString failure = QStringLiteral("错误:出现错误！错误原因：3.服务器繁忙或");
    const struct
    {
        QString site;
        const char *button; // nullptr: Enter runs both checks
        QStringList seen;
        QString rating, count, status, boxAfter;
    } cases[] = {
        {QStringLiteral("http://www.x.com"),
         "cmdLiuXingChaXun",
         {QStringLiteral("rating.fendrake.net/web?query=www.x.com")},
         QStringLiteral("网站流行度：85 分"),
         kOld,
         QStringLiteral("查询完毕"),
         QStringLiteral("www.x.com")},
        {QStringLiteral("www.half.com"),
         "cmdLiuXingChaXun",
         {QStringLiteral("rating.fendrake.net/web?query=www.half.com")},
         QStringLiteral("网站流行度："),
         kOld,
         QStringLiteral("查询完毕"),
         QStringLiteral("www.half.com")},
        {QStringLiteral("www.fail.com"),
         "cmdLiuXingChaXun",
         {QStringLiteral("rating.fendrake.net/web?query=www.fail.com"),
          failure + QStringLiteral("故障检修，请稍后再试！")},
         QStringLiteral("网站流行度："),
         kOld,
         QStringLiteral("出现错误"),
         QStringLiteral("www.fail.com")},
        {QStringLiteral("http://blog.fendrake.net/"),
         "cmdLiuXingChaXun",
         {},
         QStringLiteral("网站流行度：99 分"),
         kOld,
         kOld,
         QStringLiteral("blog.fendrake.net/")},
        {QStringLiteral("http://x.com"), "cmdLiuXingChaXun", {QStringLiteral("错误:网址错误！")}, kOld, kOld, kOld, {}},
        {QStringLiteral("www.x.com"),
         "cmdShouLuChaXun",
         {QStringLiteral("search.fendrake.net/s?wd=site%3Awww.x.com")},
         kOld,
         QStringLiteral("收录数：1,230"),
         QStringLiteral("查询完毕"),
         QStringLiteral("www.x.com")},
        {QStringLiteral("www.fail.com"),
         "cmdShouLuChaXun",
         {QStringLiteral("search.fendrake.net/s?wd=site%3Awww.fail.com"),
          failure + QStringLiteral("维护检修，请稍后再试！")},
         kOld,
         QStringLiteral("收录数："),
         QStringLiteral("出现错误"),
         QStringLiteral("www.fail.com")},
        {QStringLiteral("www.x.com"),
         nullptr,
         {QStringLiteral("rating.fendrake.net/web?query=www.x.com"),
          QStringLiteral("search.fendrake.net/s?wd=site%3Awww.x.com")},
         QStringLiteral("网站流行度：85 分"),
         QStringLiteral("收录数：1,230"),
         QStringLiteral("查询完毕"),
         QStringLiteral("www.x.com")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.site.toStdString() + (c.button ? c.button : " Enter"));
        m_messages.clear();
        m_server.clearRequests();
        query("cmdLiuXing", "txtLiuXing", c.button, c.site, {"lblLiuXing", "lblShouLu", "lblLiuXingZZ"});
        EXPECT_EQ(seen(), c.seen);
        EXPECT_EQ(QStringList({text("lblLiuXing"), text("lblShouLu"), text("lblLiuXingZZ")}),
                  QStringList({c.rating, c.count, c.status}));
        EXPECT_EQ(control<QLineEdit>("txtLiuXing")->text(), c.boxAfter);
        EXPECT_TRUE(control<QWidget>("txtLiuXing")->isEnabled() && control<QWidget>("cmdLiuXingChaXun")->isEnabled() &&
                    control<QWidget>("cmdShouLuChaXun")->isEnabled());
    }
}

} // namespace
} // namespace fendrake
