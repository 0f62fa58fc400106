#include "query_panel_test.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace fendrake {
namespace {

const QString kRatingHost = QStringLiteral("rating.fendrake.net");
const QString kSearchHost = QStringLiteral("search.fendrake.net");
const QString kOld = QStringLiteral("旧");

class PopularityQuery : public test::QueryPanelTest
{
protected:
    void SetUp() override
    {
        QueryPanelTest::SetUp();
        openPanel("cmdZhongJi", "cmdLiuXing");
        m_input = control<QLineEdit>("txtLiuXing");
        m_rating = control<QLabel>("lblLiuXing");
        m_count = control<QLabel>("lblShouLu");
        m_status = control<QLabel>("lblLiuXingZZ");
        ASSERT_TRUE(m_input && m_rating && m_count && m_status);
        m_server.addPrefix(kRatingHost, QStringLiteral("/web?query=www.x"),
                           QStringLiteral("rating.fendrake.net/rated.html"));
        m_server.addPrefix(kRatingHost, QStringLiteral("/web?query=www.half"),
                           QStringLiteral("rating.fendrake.net/fractional.html"));
        m_server.addPrefix(kRatingHost, QStringLiteral("/web?query=www.fail"),
                           QStringLiteral("rating.fendrake.net/not_a_number.html"));
        m_server.addPrefix(kSearchHost, QStringLiteral("/s?wd="), QStringLiteral("search.fendrake.net/count.html"));
        m_server.addPrefix(kSearchHost, QStringLiteral("/s?wd=site%3Awww.fail"),
                           QStringLiteral("search.fendrake.net/no_count.html"));
    }

    void click(const char *button, const QString &site)
    {
        m_messages.clear();
        m_server.clearRequests();
        m_rating->setText(kOld);
        m_count->setText(kOld);
        m_status->setText(kOld);
        m_input->setText(site);
        QTest::mouseClick(control<QAbstractButton>(button), Qt::LeftButton);
    }

    QStringList requests() const
    {
        QStringList sent;
        for (const test::RecordedRequest &request : m_server.requests())
            sent << request.host + request.pathAndQuery;
        return sent;
    }

    QString boxTexts() const
    {
        QString texts;
        for (const test::RecordedMessage &box : m_messages.messages())
            texts += box.text.section(u'\r', 0, 0) + box.text.section(u'\r', 3, 3) + u'|';
        return texts;
    }

    QLineEdit *m_input = nullptr;
    QLabel *m_rating = nullptr;
    QLabel *m_count = nullptr;
    QLabel *m_status = nullptr;
};

TEST_F(PopularityQuery, RatesTheCleanedSiteOrAnswersWithoutAsking)
{
    const QString popularityFailure = QStringLiteral("出现错误！错误原因：3.服务器繁忙或故障检修，请稍后再试！|");
    const struct
    {
        QString typed;
        QString box;
        QString rating;
        QString status;
        QString request; // empty: nothing may reach the proxy
        QString messages;
    } cases[] = {
        {QStringLiteral("http://www.x.com"),
         QStringLiteral("www.x.com"),
         QStringLiteral("网站流行度：85 分"),
         QStringLiteral("查询完毕"),
         QStringLiteral("rating.fendrake.net/web?query=www.x.com"),
         {}},
        {QStringLiteral("www.half.com"),
         QStringLiteral("www.half.com"),
         QStringLiteral("网站流行度："),
         QStringLiteral("查询完毕"),
         QStringLiteral("rating.fendrake.net/web?query=www.half.com"),
         {}},
        {QStringLiteral("www.fail.com"), QStringLiteral("www.fail.com"), QStringLiteral("网站流行度："),
         QStringLiteral("出现错误"), QStringLiteral("rating.fendrake.net/web?query=www.fail.com"), popularityFailure},
        {QStringLiteral("http://blog.fendrake.net/"),
         QStringLiteral("blog.fendrake.net/"),
         QStringLiteral("网站流行度：99 分"),
         kOld,
         {},
         {}},
        {QStringLiteral("http://x.com"), QString(), kOld, kOld, {}, QStringLiteral("网址错误！|")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        click("cmdLiuXingChaXun", c.typed);
        EXPECT_EQ(m_input->text(), c.box);
        EXPECT_EQ(m_rating->text().toStdString(), c.rating.toStdString());
        EXPECT_EQ(m_status->text().toStdString(), c.status.toStdString());
        EXPECT_EQ(requests(), c.request.isEmpty() ? QStringList() : QStringList{c.request});
        EXPECT_EQ(boxTexts().toStdString(), c.messages.toStdString());
        EXPECT_EQ(m_count->text(), kOld);
        EXPECT_TRUE(m_input->isEnabled() && control<QWidget>("cmdShouLuChaXun")->isEnabled());
    }
}

TEST_F(PopularityQuery, CountsIndexedPagesOfTheSiteAsTyped)
{
    const struct
    {
        QString site;
        QString count;
        QString status;
        QString messages;
    } cases[] = {
        {QStringLiteral("www.x.com"), QStringLiteral("收录数：1,230"), QStringLiteral("查询完毕"), {}},
        {QStringLiteral("www.fail.com"), QStringLiteral("收录数："), QStringLiteral("出现错误"),
         QStringLiteral("出现错误！错误原因：3.服务器繁忙或维护检修，请稍后再试！|")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.site.toStdString());
        click("cmdShouLuChaXun", c.site);
        EXPECT_EQ(requests(), QStringList{QStringLiteral("search.fendrake.net/s?wd=site%3A") + c.site});
        EXPECT_EQ(m_count->text().toStdString(), c.count.toStdString());
        EXPECT_EQ(m_status->text().toStdString(), c.status.toStdString());
        EXPECT_EQ(boxTexts().toStdString(), c.messages.toStdString());
        EXPECT_EQ(m_rating->text(), kOld);
        EXPECT_TRUE(m_input->isEnabled() && control<QWidget>("cmdLiuXingChaXun")->isEnabled());
    }
}

TEST_F(PopularityQuery, EnterRunsThePopularityCheckThenTheIndexedPagesCheck)
{
    const struct
    {
        QString site;
        QString rating;
        QStringList requests;
        QString messages;
    } cases[] = {
        {QStringLiteral("www.x.com"),
         QStringLiteral("网站流行度：85 分"),
         {QStringLiteral("rating.fendrake.net/web?query=www.x.com"),
          QStringLiteral("search.fendrake.net/s?wd=site%3Awww.x.com")},
         {}},
        // The refused site is emptied before the count is asked for.
        {QStringLiteral("x.com"),
         QStringLiteral("网站流行度："),
         {QStringLiteral("search.fendrake.net/s?wd=site%3A")},
         QStringLiteral("网址错误！|")},
    };
    ASSERT_TRUE(test::showActive(m_form.get()));
    for (const auto &c : cases) {
        SCOPED_TRACE(c.site.toStdString());
        m_messages.clear();
        m_server.clearRequests();
        m_rating->setText(kOld);
        m_count->setText(kOld);
        m_input->setText(c.site);
        QTest::keyClick(m_input, Qt::Key_Return);
        EXPECT_EQ(requests(), c.requests);
        EXPECT_EQ(m_rating->text().toStdString(), c.rating.toStdString());
        EXPECT_EQ(m_count->text().toStdString(), "收录数：1,230");
        EXPECT_EQ(boxTexts().toStdString(), c.messages.toStdString());
        EXPECT_EQ(m_status->text().toStdString(), "查询完毕");
    }
}

} // namespace
} // namespace fendrake
