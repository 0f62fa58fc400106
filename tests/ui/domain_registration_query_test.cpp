#include "app/services/http_fetch.h"
#include "closed_port.h"
#include "query_panel_test.h"
#include "scoped_fetch_limits.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace fendrake {
namespace {

const QString kHost = QStringLiteral("whois.fendrake.net");
const QString kStatus = QStringLiteral("正在查询域名信息中...");
const QString kErrorText =
    QStringLiteral("在查找域名信息过程中出现错误，错误原因：\r1.服务器繁忙，不能响应您的请求，请稍后再试！\r"
                   "2.FendrakeXMLhttp组件丢失，请重新下载！\r"
                   "3.域名输入错误，在信息库中不存在，请检查后重新输入！");

class DomainRegistrationQuery : public test::QueryPanelTest
{
protected:
    void SetUp() override
    {
        QueryPanelTest::SetUp();
        openPanel("cmdChuJi", "cmdYuMing");
        m_input = control<QLineEdit>("txtYuMing");
        m_button = control<QAbstractButton>("cmdYuMingChaXun");
        m_result = control<QPlainTextEdit>("txtYuMingJG");
        ASSERT_TRUE(m_input && m_button && m_result);
    }

    void query(const QString &domain)
    {
        m_input->setText(domain);
        QTest::mouseClick(m_button, Qt::LeftButton);
    }

    void expectControlsEnabled() const
    {
        EXPECT_TRUE(m_button->isEnabled());
        EXPECT_TRUE(m_input->isEnabled());
        EXPECT_TRUE(m_result->isEnabled());
    }

    void expectOneErrorBox() const { expectOneMessage(MessageIcon::Critical, QStringLiteral("错误"), kErrorText); }

    QStringList requestedPaths() const
    {
        QStringList paths;
        for (const test::RecordedRequest &request : m_server.requests())
            paths << request.host + request.pathAndQuery;
        return paths;
    }

    QLineEdit *m_input = nullptr;
    QAbstractButton *m_button = nullptr;
    QPlainTextEdit *m_result = nullptr;
};

TEST_F(DomainRegistrationQuery, FullRecordIsShownTranslated)
{
    m_server.addPrefix(kHost, QStringLiteral("/whois/"), QStringLiteral("whois.fendrake.net/record.html"));
    query(QStringLiteral("example-shop.com"));

    EXPECT_TRUE(m_messages.messages().empty());
    EXPECT_EQ(requestedPaths(), QStringList{QStringLiteral("whois.fendrake.net/whois/example-shop.com")});
    const QString expected = QStringLiteral("   \n"
                                            "example-shop.com\n"
                                            "域名: EXAMPLE-SHOP.COM\n"
                                            "主办登记者: Example 注册 Ltd.\n"
                                            "Whois服务器: whois.example-registrar.com\n"
                                            "转送网址: http://www.example-registrar.com\n"
                                            "域状态: 客户禁止转让\n"
                                            "域状态: 客户禁止删除\n"
                                            "域状态: 客户禁止延长注册期\n"
                                            "服务器名: NS1.EXAMPLE-DNS.NET\n"
                                            "服务器名: NS2.EXAMPLE-DNS.NET\n"
                                            "更新日期: 2024-03-01\n"
                                            "建立日期: 2023-12-20\n"
                                            "终止日期: 2025-12-20\n"
                                            "登记员编号: EX-0001\n"
                                            "登记员姓名: Zhang San\n"
                                            "注册组织: Example Trading Co.\n"
                                            "登记员街道: 1 Example Road\n"
                                            "注册员城市: Shenzhen\n"
                                            "登记员省份: Guangdong\n"
                                            "注册员邮政编码: 518000\n"
                                            "登记员国家: CN\n"
                                            "登记员电话 数字: +86.75512345678\n"
                                            "登记员邮箱: owner@example-shop.com\n"
                                            "管理员城市: Shenzhen\n"
                                            "管理员国家: CN\n"
                                            "技术员姓名: Li Si\n"
                                            "技术员电话: +86.75587654321\n"
                                            "Whois数据库最近更新日期: 2024-03-02\n"
                                            "状态: ok\n"
                                            "2024 ");
    EXPECT_EQ(m_result->toPlainText().toStdString(), expected.toStdString());
    expectControlsEnabled();
}

TEST_F(DomainRegistrationQuery, ReservedDomainShowsTheErrorAndKeepsThePageAsFetched)
{
    m_server.addPrefix(kHost, QStringLiteral("/whois/"), QStringLiteral("whois.fendrake.net/reserved.html"));
    query(QStringLiteral("gov.cn"));

    expectOneErrorBox();
    const QString shown = m_result->toPlainText();
    EXPECT_TRUE(shown.contains(QStringLiteral("Domain Name: GOV.CN")));
    EXPECT_TRUE(shown.contains(QStringLiteral("the domain you want to register is reserved")));
    EXPECT_TRUE(shown.contains(QStringLiteral("About us")));
    expectControlsEnabled();
}

TEST_F(DomainRegistrationQuery, RefusedConnectionKeepsTheStatusText)
{
    const QString refused = test::closedLocalAddress();
    ASSERT_FALSE(refused.isEmpty());
    test::ScopedProxyEnvironment refusing(refused);

    query(QStringLiteral("example-shop.com"));

    expectOneErrorBox();
    EXPECT_EQ(m_result->toPlainText(), kStatus);
    expectControlsEnabled();
}

TEST_F(DomainRegistrationQuery, StalledServerEndsInTheErrorAfterTheTimeLimit)
{
    const test::ScopedFetchLimits shortened(std::chrono::milliseconds(1000), std::chrono::milliseconds(1500));
    test::FixtureReply stall;
    stall.behaviour = test::FixtureReply::Behaviour::Stall;
    m_server.addPrefixReply(kHost, QStringLiteral("/whois/"), stall);

    query(QStringLiteral("example-shop.com"));

    expectOneErrorBox();
    EXPECT_EQ(m_result->toPlainText(), kStatus);
    expectControlsEnabled();
}

TEST_F(DomainRegistrationQuery, EmptyDomainIsSentAsTheBarePath)
{
    m_server.addPrefix(kHost, QStringLiteral("/whois/"), QStringLiteral("whois.fendrake.net/record.html"));
    query(QString());

    EXPECT_EQ(requestedPaths(), QStringList{QStringLiteral("whois.fendrake.net/whois/")});
    EXPECT_TRUE(m_messages.messages().empty());
}

TEST_F(DomainRegistrationQuery, PastedDomainNeverChangesTheAddressPath)
{
    m_server.addPrefix(kHost, QStringLiteral("/whois/"), QStringLiteral("whois.fendrake.net/record.html"));
    query(QStringLiteral("a?b#c d.com&x=1"));

    EXPECT_EQ(requestedPaths(), QStringList{QStringLiteral("whois.fendrake.net/whois/a%3Fb%23c%20d.com%26x=1")});
}

TEST_F(DomainRegistrationQuery, EnterRunsTheQueryOnlyWhileTheButtonIsEnabled)
{
    m_server.addPrefix(kHost, QStringLiteral("/whois/"), QStringLiteral("whois.fendrake.net/record.html"));
    ASSERT_TRUE(test::showActive(m_form.get()));
    m_input->setText(QStringLiteral("example-shop.com"));

    m_button->setEnabled(false);
    QTest::keyClick(m_input, Qt::Key_Return);
    EXPECT_TRUE(requestedPaths().isEmpty());

    m_button->setEnabled(true);
    QTest::keyClick(m_input, Qt::Key_Return);
    EXPECT_EQ(requestedPaths(), QStringList{QStringLiteral("whois.fendrake.net/whois/example-shop.com")});
    EXPECT_TRUE(m_result->toPlainText().contains(QStringLiteral("域名: EXAMPLE-SHOP.COM")));
}

} // namespace
} // namespace fendrake
