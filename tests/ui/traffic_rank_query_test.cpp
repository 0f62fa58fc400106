#include "query_panel_test.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace fendrake {
namespace {

const QString kHost = QStringLiteral("rank.fendrake.net");

class TrafficRankQuery : public test::QueryPanelTest
{
protected:
    void SetUp() override
    {
        QueryPanelTest::SetUp();
        openPanel("cmdZhongJi", "cmdPaiming");
        m_input = control<QLineEdit>("txtRenQi");
        m_button = control<QAbstractButton>("cmdRenQiChaxun");
        m_global = control<QLabel>("lblRenQi");
        m_chinese = control<QLabel>("lblZG");
        m_status = control<QLabel>("lblRenQiZZ");
        ASSERT_TRUE(m_input && m_button && m_global && m_chinese && m_status);
    }

    QLineEdit *m_input = nullptr;
    QAbstractButton *m_button = nullptr;
    QLabel *m_global = nullptr;
    QLabel *m_chinese = nullptr;
    QLabel *m_status = nullptr;
};

TEST_F(TrafficRankQuery, RefusesShortOrNonWwwSitesAndEmptiesTheBox)
{
    const std::pair<QString, QString> cases[] = {
        {QStringLiteral("www.x"), QStringLiteral("请输入正确的网址！")},
        {QStringLiteral("WWW.x.com"),
         QStringLiteral("错误！错误原因：\r1.输入的网址必须是www开头，不能查询旗下网址，请检查后再试！")},
        {QStringLiteral("x.www.com"),
         QStringLiteral("错误！错误原因：\r1.输入的网址必须是www开头，不能查询旗下网址，请检查后再试！")},
    };
    for (const auto &[site, text] : cases) {
        SCOPED_TRACE(site.toStdString());
        m_messages.clear();
        m_input->setText(site);
        QTest::mouseClick(m_button, Qt::LeftButton);
        expectOneMessage(MessageIcon::Critical, QStringLiteral("错误"), text);
        EXPECT_EQ(m_input->text(), QString());
    }
    EXPECT_TRUE(m_server.requests().empty());
}

TEST_F(TrafficRankQuery, ShowsTheRanksOrFailsOnAPageWithoutTheRankingSentence)
{
    const QString failureBox = QStringLiteral("出现错误！错误原因：\r1.网址输入错误，请检查后重新输入！\r"
                                              "2.FendrakeXMLhttp组件丢失，请重新下载！\r"
                                              "3.排名服务器繁忙或故障检修，请稍后再试！\r"
                                              "4.网络不稳定或繁忙，请退出大量占用网络资源的程序！");
    const struct
    {
        QString site;
        QString page;
        bool byEnter;
        QString global;
        QString chinese;
        QString status;
        bool failed;
    } cases[] = {
        {QStringLiteral("www.xy"), QStringLiteral("rank.fendrake.net/rank.html"), false,
         QStringLiteral("全球流量排名：第 1,234 名"), QStringLiteral("中国流量排名：第 56 名"),
         QStringLiteral("查询完毕"), false},
        {QStringLiteral("www.new.com"), QStringLiteral("rank.fendrake.net/unranked.html"), true,
         QStringLiteral("全球流量排名：查无资料"), QStringLiteral("中国流量排名：查无资料"), QStringLiteral("查询完毕"),
         false},
        {QStringLiteral("www.fail.com"), QStringLiteral("rank.fendrake.net/no_rank.html"), false,
         QStringLiteral("全球流量排名：出错"), QStringLiteral("中国流量排名：出错"), QStringLiteral("出现错误"), true},
    };
    ASSERT_TRUE(test::showActive(m_form.get()));
    for (const auto &c : cases) {
        SCOPED_TRACE(c.site.toStdString());
        m_messages.clear();
        m_server.clearRequests();
        m_server.addPage(kHost, QStringLiteral("/?domain=") + c.site, c.page);
        m_input->setText(c.site);
        if (c.byEnter)
            QTest::keyClick(m_input, Qt::Key_Return);
        else
            QTest::mouseClick(m_button, Qt::LeftButton);

        ASSERT_EQ(m_server.requests().size(), 1u);
        EXPECT_EQ(m_server.requests().front().host, kHost);
        EXPECT_EQ(m_global->text().toStdString(), c.global.toStdString());
        EXPECT_EQ(m_chinese->text().toStdString(), c.chinese.toStdString());
        EXPECT_EQ(m_status->text().toStdString(), c.status.toStdString());
        if (c.failed)
            expectOneMessage(MessageIcon::Critical, QStringLiteral("错误"), failureBox);
        else
            EXPECT_TRUE(m_messages.messages().empty());
        EXPECT_TRUE(m_input->isEnabled() && m_button->isEnabled());
        EXPECT_EQ(m_input->text(), c.site);
    }
}

} // namespace
} // namespace fendrake
