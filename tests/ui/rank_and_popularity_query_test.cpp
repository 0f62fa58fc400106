#include "check_query.h"

namespace fendrake {
namespace {

const QString kOld = "旧"; // an earlier result

// button: nullptr for Enter in the box; seen: each request as host + path and query, then each box as title, first
// line, third reason; shown: the panel's three labels, then the box.
struct Case
{
    const char *button;
    QString site;
    QStringList seen, shown;
};

class RankAndPopularityQuery : public test::CheckQuery
{
protected:
    void SetUp() override
    {
        QueryPanelTest::SetUp();
        ASSERT_TRUE(test::showActive(m_form.get()));
        // clang-format off
        const char *routes[][3] = {{"rank.fendrake.net", "/?domain=", "rank.html"},
            {"rating.fendrake.net", "/web?query=", "rated.html"}, {"search.fendrake.net", "/s?wd=", "count.html"},
            {"rating.fendrake.net", "/web?query=www.half", "fractional.html"},
            {"rating.fendrake.net", "/web?query=www.fail", "not_a_number.html"}};
        // clang-format on
        for (const auto &[host, prefix, page] : routes)
            m_server.addPrefix(host, prefix, QString(host) + u'/' + page);
    }

    // Each case starts from old texts in the labels and must end with the panel's controls enabled.
    void check(const char *feature, const char *box, test::Names labels, std::initializer_list<Case> cases)
    {
        for (const Case &c : cases) {
            SCOPED_TRACE(c.site.toStdString() + ' ' + (c.button ? c.button : "Enter"));
            openPanel("cmdZhongJi", feature);
            setEarlier(labels);
            run(box, c.button, c.site, !c.button);
            QStringList seen = requests();
            for (const test::RecordedMessage &message : m_messages.messages())
                seen << message.title + u':' + message.text.section(u'\r', 0, 0) + message.text.section(u'\r', 3, 3);
            EXPECT_EQ(seen, c.seen);
            EXPECT_EQ(shown(labels) + u'|' + shown({box}), c.shown.join(u'|'));
            auto *input = control<QLineEdit>(box);
            EXPECT_TRUE(input->isEnabled());
            for (const QAbstractButton *button : input->parentWidget()->findChildren<QAbstractButton *>())
                EXPECT_TRUE(button->isEnabled()) << button->objectName().toStdString();
        }
    }
};

// clang-format off
TEST_F(RankAndPopularityQuery, TrafficRankRefusesBadSitesAndShowsRanks)
{
    const char *button = "cmdRenQiChaxun";
    check("cmdPaiming", "txtRenQi", {"lblRenQi", "lblZG", "lblRenQiZZ"}, {
        {button, "www.x", {"错误:请输入正确的网址！"}, {kOld, kOld, kOld, ""}},
        {button, "WWW.x.com", {"错误:错误！错误原因："}, {kOld, kOld, kOld, ""}},
        {nullptr, "www.xy", {"http://rank.fendrake.net/?domain=www.xy"},
         {"全球流量排名：第 1,234 名", "中国流量排名：第 56 名", "查询完毕", "www.xy"}},
    });
}

TEST_F(RankAndPopularityQuery, PopularityAndIndexedPagesShowTheirFiguresOrFail)
{
    const char *rate = "cmdLiuXingChaXun";
    const char *count = "cmdShouLuChaXun";
    const QString rated = "http://rating.fendrake.net/web?query=www.x.com";
    const QString counted = "http://search.fendrake.net/s?wd=site%3Awww.x.com";
    check("cmdLiuXing", "txtLiuXing", {"lblLiuXing", "lblShouLu", "lblLiuXingZZ"}, {
        {rate, "http://www.x.com", {rated}, {"网站流行度：85 分", kOld, "查询完毕", "www.x.com"}},
        {rate, "www.half.com", {"http://rating.fendrake.net/web?query=www.half.com"},
         {"网站流行度：", kOld, "查询完毕", "www.half.com"}},
        {rate, "www.fail.com", {"http://rating.fendrake.net/web?query=www.fail.com",
                                "错误:出现错误！错误原因：3.服务器繁忙或故障检修，请稍后再试！"},
         {"网站流行度：", kOld, "出现错误", "www.fail.com"}},
        {rate, "http://blog.fendrake.net/", {}, {"网站流行度：99 分", kOld, kOld, "blog.fendrake.net/"}},
        {rate, "http://x.com", {"错误:网址错误！"}, {kOld, kOld, kOld, ""}},
        {count, "www.x.com", {counted}, {kOld, "收录数：1,230", "查询完毕", "www.x.com"}},
        {nullptr, "www.x.com", {rated, counted}, {"网站流行度：85 分", "收录数：1,230", "查询完毕", "www.x.com"}},
    });
}
// clang-format on

} // namespace
} // namespace fendrake
