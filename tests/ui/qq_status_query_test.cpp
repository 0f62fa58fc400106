#include "app/services/browser_control.h"
#include "query_panel_test.h"
#include "scoped_fetch_limits.h"
#include "wait.h"

#include <QAbstractButton>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace fendrake {
namespace {

const QString kHost = QStringLiteral("qqstatus.fendrake.net");
const QString kIdle = QStringLiteral("对方情况：");
const QString kInvalidNumber =
    QStringLiteral("您输入的QQ号不合法！错误原因：\r1.您输入的QQ号不合法，请检查后重新输入！");

QString requestPath(const QString &number)
{
    return QStringLiteral("/pa?p=1:") + number + QStringLiteral(":1%20alt=test");
}

// The demo's routes: 10000 on line, 99999 an error page, any other number off line.
class QqStatusQuery : public test::QueryPanelTest
{
protected:
    void SetUp() override
    {
        QueryPanelTest::SetUp();
        QString error;
        ASSERT_TRUE(m_server.loadRouteFile(QDir(m_server.fixturesDir()).filePath("demo-routes.txt"), &error))
            << error.toStdString();
        openPanel("cmdZhongJi", "Command8");
        m_input = control<QLineEdit>("Text4");
        m_button = control<QAbstractButton>("Command9");
        m_result = control<QLabel>("Label24");
        m_status = control<QLabel>("Label26");
        ASSERT_TRUE(m_input && m_button && m_result && m_status);
    }

    void query(const QString &number)
    {
        m_server.clearRequests();
        m_messages.clear();
        m_result->setText(QStringLiteral("旧"));
        m_input->setText(number);
        QTest::mouseClick(m_button, Qt::LeftButton);
    }

    QLineEdit *m_input = nullptr;
    QAbstractButton *m_button = nullptr;
    QLabel *m_result = nullptr;
    QLabel *m_status = nullptr;
};

TEST_F(QqStatusQuery, TheAddressLandedOnDecidesTheAnswer)
{
    const test::ScopedFetchLimits shortened(std::chrono::milliseconds(1000), std::chrono::milliseconds(1500));
    m_server.addRedirect(kHost, requestPath("54321"), QStringLiteral("http://qqpic.fendrake.net/QQ_online.gif"));
    m_server.addRedirect(kHost, requestPath("54322"), QStringLiteral("http://qqpic.fendrake.net/qq_online.gif?1"));
    test::FixtureReply stall;
    stall.behaviour = test::FixtureReply::Behaviour::Stall;
    m_server.addReply(kHost, requestPath("11111"), stall);
    test::FixtureReply drop;
    drop.behaviour = test::FixtureReply::Behaviour::Drop;
    m_server.addReply(kHost, requestPath("22222"), drop);
    const struct
    {
        QString typed;
        QString sent;
        QString result; // the invalid-number box when it stays idle
    } cases[] = {
        {"10000", "10000", QStringLiteral("对方情况：在线")},
        {"9999999999", "9999999999", QStringLiteral("对方情况：离线或隐身")},
        {"00123", "123", QStringLiteral("对方情况：离线或隐身")},
        {"99999", "99999", kIdle},
        {"54321", "54321", kIdle},
        {"54322", "54322", kIdle},
        {"11111", "11111", kIdle},
        {"22222", "22222", kIdle},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        query(c.typed);
        EXPECT_FALSE(m_input->isEnabled());
        EXPECT_EQ(m_status->text(), QStringLiteral("正在查询QQ在线状态..."));
        ASSERT_TRUE(test::waitFor([this] { return m_button->isEnabled(); }));

        ASSERT_FALSE(m_server.requests().empty());
        EXPECT_EQ(m_server.requests().front().host, kHost);
        EXPECT_EQ(m_server.requests().front().pathAndQuery, requestPath(c.sent));
        EXPECT_EQ(m_result->text(), c.result);
        if (c.result == kIdle)
            expectOneMessage(MessageIcon::Critical, QStringLiteral("错误"), kInvalidNumber);
        else
            EXPECT_TRUE(m_messages.messages().empty());
        EXPECT_TRUE(m_input->isEnabled());
        EXPECT_EQ(m_input->text(), c.typed);
        EXPECT_EQ(m_status->text(), QStringLiteral("准备就绪"));
    }
}

TEST_F(QqStatusQuery, InvalidInputShowsTheInputBoxAndSendsNothing)
{
    for (const QString &typed : {QStringLiteral("1234"), QStringLiteral("12345678901"), QString(),
                                 QStringLiteral("12345.5"), QStringLiteral("1a345")}) {
        SCOPED_TRACE(typed.toStdString());
        query(typed);

        expectOneMessage(MessageIcon::Critical, QStringLiteral("错误"),
                         QStringLiteral("请输入正确QQ号！错误原因：\r"
                                        "1.输入QQ号应该在10000-9999999999之间，请检查后重新输入！"));
        EXPECT_TRUE(m_server.requests().empty());
        EXPECT_EQ(m_result->text(), kIdle);
        EXPECT_EQ(m_input->text(), typed);
        EXPECT_TRUE(m_input->isEnabled());
        EXPECT_TRUE(m_button->isEnabled());
        EXPECT_EQ(m_status->text(), QStringLiteral("准备就绪"));
    }
}

TEST_F(QqStatusQuery, TitleChangeWithoutPendingQueryChangesNothing)
{
    query(QStringLiteral("10000"));
    ASSERT_TRUE(test::waitFor([this] { return m_button->isEnabled(); }));
    m_result->setText(QStringLiteral("旧"));
    m_status->setText(QStringLiteral("旧"));

    emit m_form->WebQQ->TitleChange(QStringLiteral("again"));

    EXPECT_EQ(m_result->text(), QStringLiteral("旧"));
    EXPECT_EQ(m_status->text(), QStringLiteral("旧"));
    EXPECT_TRUE(m_messages.messages().empty());
}

TEST_F(QqStatusQuery, EnterInTheNumberBoxRunsTheQuery)
{
    ASSERT_TRUE(test::showActive(m_form.get()));
    m_input->setText(QStringLiteral("10000"));
    QTest::keyClick(m_input, Qt::Key_Return);
    EXPECT_FALSE(m_button->isEnabled());
    ASSERT_TRUE(test::waitFor([this] { return m_button->isEnabled(); }));
    EXPECT_EQ(m_result->text(), QStringLiteral("对方情况：在线"));
    EXPECT_EQ(m_server.requests().front().pathAndQuery, requestPath("10000"));
}

} // namespace
} // namespace fendrake
