#include "closed_port.h"
#include "qt_printers.h"
#include "query_panel_test.h"
#include "scoped_fetch_limits.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace fendrake {
namespace {

const QString kHost = QStringLiteral("trojan.fendrake.net");
const QString kQuery = QStringLiteral("/urlsearch.htm?searchUrl=");
const QString kUnknown = QStringLiteral("当前状态：未知");
const QString kFailureText = QStringLiteral("网页挂马查询失败！错误原因：\r1.服务器繁忙或维护检修，请稍后再试！\r"
                                            "2.网络繁忙不稳定，请退出大量占用网络资源的程序！");

class PageTrojanQuery : public test::QueryPanelTest
{
protected:
    void SetUp() override
    {
        QueryPanelTest::SetUp();
        openPanel("cmdGaoji", "cmdSafe");
        m_input = control<QLineEdit>("txtGM");
        m_button = control<QAbstractButton>("cmdGMCX");
        m_status = control<QLabel>("Label36");
        ASSERT_TRUE(m_input && m_button && m_status);
    }

    void query(const QString &page)
    {
        m_input->setText(page);
        QTest::mouseClick(m_button, Qt::LeftButton);
    }

    QLineEdit *m_input = nullptr;
    QAbstractButton *m_button = nullptr;
    QLabel *m_status = nullptr;
};

TEST_F(PageTrojanQuery, StatusRunsFromTheMarkerToTheFirstBlankOrTheEnd)
{
    struct Row
    {
        QString page;
        QString status; // kUnknown with the failure message
    };
    const Row rows[] = {
        {"检测结果 当前状态：安全 最近检测：昨天", "当前状态：安全"},
        {"当前状态： 安全", "当前状态："},
        {"当前状态：发现挂马", "当前状态：发现挂马"},
        {"服务器维护中", kUnknown},
    };
    int site = 0;
    for (const Row &row : rows) {
        SCOPED_TRACE(row.page.toStdString());
        m_messages.clear();
        // The first row's box is empty: it is sent as an empty searchUrl.
        const QString page = site++ == 0 ? QString() : QStringLiteral("site%1.cn").arg(site);
        m_server.addBody(kHost, kQuery + page, test::gbkEncoded("<html><body><p>" + row.page + "</p></body></html>"));
        query(page);
        EXPECT_EQ(m_status->text(), row.status);
        EXPECT_TRUE(m_button->isEnabled() && m_input->isEnabled());
        if (row.status == kUnknown)
            expectOneMessage(MessageIcon::Critical, QStringLiteral("错误"), kFailureText);
        else
            EXPECT_TRUE(m_messages.messages().empty());
    }
}

TEST_F(PageTrojanQuery, StalledServiceAndRefusedPortEndInTheFailurePath)
{
    const test::ScopedFetchLimits shortened(std::chrono::milliseconds(1000), std::chrono::milliseconds(1500));
    test::FixtureReply stall;
    stall.behaviour = test::FixtureReply::Behaviour::Stall;
    m_server.addPrefixReply(kHost, kQuery, stall);
    const QString refused = test::closedLocalAddress();
    ASSERT_FALSE(refused.isEmpty());

    for (const bool refusing : {false, true}) {
        SCOPED_TRACE(refusing ? "refused" : "stalled");
        m_messages.clear();
        std::optional<test::ScopedProxyEnvironment> proxy;
        if (refusing)
            proxy.emplace(refused);
        query(QStringLiteral("example.com"));
        EXPECT_EQ(m_status->text(), kUnknown);
        EXPECT_TRUE(m_button->isEnabled() && m_input->isEnabled());
        expectOneMessage(MessageIcon::Critical, QStringLiteral("错误"), kFailureText);
    }
}

TEST_F(PageTrojanQuery, OutsideCheckButtonsOpenTheirPagesInTheBrowser)
{
    const test::ShellOpenRecorder opened;
    openPanel("cmdGaoji", "cmdICP");
    QTest::mouseClick(control<QAbstractButton>("Command10"), Qt::LeftButton);
    openPanel("cmdChuJi", "mnuFileSafe");
    QTest::mouseClick(control<QAbstractButton>("Command11"), Qt::LeftButton);
    const QStringList expected = {"http://beian.fendrake.net/CX/main.jsp", "http://scan.fendrake.net/",
                                  "http://postcode.fendrake.net/post/"};
    EXPECT_EQ(opened.addresses(), expected);
}

} // namespace
} // namespace fendrake
