#include "app/services/browser_control.h"
#include "closed_port.h"
#include "qt_printers.h"
#include "query_panel_test.h"
#include "scoped_fetch_limits.h"
#include "wait.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace fendrake {
namespace {

// The filing search listens on 8080: the proxy sees the port in the host.
const QString kHost = QStringLiteral("icp.fendrake.net:8080");
const QString kQuery = QStringLiteral("/index.html?hostName=");
const QString kFailureText =
    QStringLiteral("查询失败，请使用方法二查询！错误原因：\r1.服务器繁忙或维护检修，请稍后再试！\r"
                   "2.IE版本过低会IE浏览器被恶意修改，请重装IE6.0以上版本！");

class IcpFilingQuery : public test::QueryPanelTest
{
protected:
    void SetUp() override
    {
        QueryPanelTest::SetUp();
        openPanel("cmdGaoji", "cmdICP");
        m_input = control<QLineEdit>("txtICP");
        m_button = control<QAbstractButton>("Command6");
        m_verdict = control<QLabel>("Label25");
        m_status = control<QLabel>("Label30");
        ASSERT_TRUE(m_input && m_button && m_verdict && m_status);
    }

    // Answers the query for domain with a page of that text.
    void serve(const QString &domain, const QString &text)
    {
        m_server.addBody(
            kHost, kQuery + domain,
            test::gbkEncoded(QStringLiteral("<html><body><p>") + text + QStringLiteral("</p></body></html>")));
    }

    // Starts a query and waits for its end; false when it never ended.
    bool query(const QString &domain)
    {
        m_input->setText(domain);
        QTest::mouseClick(m_button, Qt::LeftButton);
        return test::waitFor([this] { return m_button->isEnabled(); });
    }

    void expectFailed() const
    {
        EXPECT_EQ(m_status->text(), QStringLiteral("查询失败"));
        EXPECT_EQ(m_verdict->text(), QStringLiteral("备案状态：未知"));
        EXPECT_TRUE(m_input->isEnabled());
        expectOneMessage(MessageIcon::Critical, QStringLiteral("错误"), kFailureText);
    }

    QLineEdit *m_input = nullptr;
    QAbstractButton *m_button = nullptr;
    QLabel *m_verdict = nullptr;
    QLabel *m_status = nullptr;
};

TEST_F(IcpFilingQuery, InputIsTestedAsTypedThenCleanedIntoTheBoxAndTheAddress)
{
    struct Row
    {
        QString typed;
        QString cleaned; // null: refused by the length test
    };
    const Row rows[] = {
        {"abc", QString()},
        {"abcd", "abcd"},
        {"www.", ""},
        {"http://www.example.com", "example.com"},
        {"HTTP://WWW.EXAMPLE.COM", "//EXAMPLE.COM"},
        {"Http://Www.example.com", "Http://Www.example.com"},
    };
    m_server.addPrefix(kHost, kQuery, QStringLiteral("icp.fendrake.net/filed.html"));
    for (const Row &row : rows) {
        SCOPED_TRACE(row.typed.toStdString());
        m_server.clearRequests();
        m_messages.clear();
        ASSERT_TRUE(query(row.typed));
        if (row.cleaned.isNull()) {
            expectOneMessage(MessageIcon::Critical, QStringLiteral("错误"),
                             QStringLiteral("请输入正确的网址！错误原因：\r1.网址输入错误，请检查后重新输入！"));
            EXPECT_EQ(m_input->text(), row.typed);
            EXPECT_TRUE(m_server.requests().empty());
            continue;
        }
        EXPECT_EQ(m_input->text(), row.cleaned);
        ASSERT_EQ(m_server.requests().size(), 1u);
        EXPECT_EQ(m_server.requests().front().host, kHost);
        EXPECT_EQ(m_server.requests().front().pathAndQuery, kQuery + row.cleaned);
        EXPECT_EQ(m_verdict->text(), QStringLiteral("备案状态：已备案"));
        EXPECT_EQ(m_status->text(), QStringLiteral("准备就绪"));
        EXPECT_TRUE(m_messages.messages().empty());
    }
}

TEST_F(IcpFilingQuery, PhraseThatComesFirstInThePageDecides)
{
    struct Row
    {
        QString page;
        QString verdict; // null: the failure path
    };
    const Row rows[] = {
        {"本站已备案，另见未备案名单", "备案状态：已备案"},
        {"该网站未备案。已备案网站请见列表", "备案状态：未备案"},
        {"目前暂无该域名备案信息，已备案网站请见列表", "备案状态：未知，请用方法二进行精确查询！"},
        {"服务器维护中", QString()},
    };
    int site = 0;
    for (const Row &row : rows) {
        SCOPED_TRACE(row.page.toStdString());
        m_messages.clear();
        const QString domain = QStringLiteral("site%1.cn").arg(++site);
        serve(domain, row.page);
        ASSERT_TRUE(query(QStringLiteral("www.") + domain));
        if (row.verdict.isNull()) {
            expectFailed();
            continue;
        }
        EXPECT_EQ(m_verdict->text(), row.verdict);
        EXPECT_EQ(m_status->text(), QStringLiteral("准备就绪"));
        EXPECT_TRUE(m_messages.messages().empty());
    }
}

TEST_F(IcpFilingQuery, BrowserEventsWithNoQueryPendingChangeNothing)
{
    emit m_form->WebICP->ProgressChange(50, 100);
    emit m_form->WebICP->DocumentComplete(QStringLiteral("about:blank"));
    EXPECT_EQ(m_status->text(), QStringLiteral("准备就绪"));
    EXPECT_EQ(m_verdict->text(), QStringLiteral("备案状态："));
    EXPECT_TRUE(m_messages.messages().empty());
}

TEST_F(IcpFilingQuery, StalledServiceAndRefusedPortEndInTheFailurePath)
{
    const test::ScopedFetchLimits shortened(std::chrono::milliseconds(1000), std::chrono::milliseconds(1500));
    test::FixtureReply stall;
    stall.behaviour = test::FixtureReply::Behaviour::Stall;
    m_server.addPrefixReply(kHost, kQuery, stall);
    ASSERT_TRUE(query(QStringLiteral("example.com")));
    expectFailed();

    m_messages.clear();
    const QString refused = test::closedLocalAddress();
    ASSERT_FALSE(refused.isEmpty());
    const test::ScopedProxyEnvironment refusing(refused);
    ASSERT_TRUE(query(QStringLiteral("example.com")));
    expectFailed();
}

} // namespace
} // namespace fendrake
