#include "app/services/browser_control.h"
#include "query_panel_test.h"
#include "scoped_fetch_limits.h"
#include "wait.h"

#include <QDir>

namespace fendrake {
namespace {

const QString kHost = QStringLiteral("qqstatus.fendrake.net");
const QString kIdle = QStringLiteral("对方情况：");

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
        ASSERT_TRUE(m_server.loadRouteFile(QDir(m_server.fixturesDir()).filePath("demo-routes.txt")));
        openPanel("cmdZhongJi", "Command8");
        m_input = control<QLineEdit>("Text4");
        m_button = control<QAbstractButton>("Command9");
        m_result = control<QLabel>("Label24");
        m_status = control<QLabel>("Label26");
        ASSERT_TRUE(m_input && m_button && m_result && m_status);
    }

    void type(const QString &number)
    {
        m_server.clearRequests();
        m_messages.clear();
        m_result->setText(QStringLiteral("旧"));
        m_input->setText(number);
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
    test::FixtureReply stall, drop;
    stall.behaviour = test::FixtureReply::Behaviour::Stall;
    drop.behaviour = test::FixtureReply::Behaviour::Drop;
    m_server.addReply(kHost, requestPath("11111"), stall);
    m_server.addReply(kHost, requestPath("22222"), drop);
    const QString online = QStringLiteral("对方情况：在线"), offline = QStringLiteral("对方情况：离线或隐身");
    const struct
    {
        QString typed, sent, result; // an idle result comes with the invalid-number box
    } cases[] = {{"10000", "10000", online}, {"9999999999", "9999999999", offline},
                 {"00123", "123", offline},  {"99999", "99999", kIdle},
                 {"54321", "54321", kIdle},  {"11111", "11111", kIdle},
                 {"22222", "22222", kIdle}};
    ASSERT_TRUE(test::showActive(m_form.get()));
    for (const auto &c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        type(c.typed);
        QTest::keyClick(m_input, Qt::Key_Return);
        EXPECT_FALSE(m_input->isEnabled());
        ASSERT_TRUE(test::waitFor([this] { return m_button->isEnabled(); }));

        ASSERT_FALSE(m_server.requests().empty());
        EXPECT_EQ(m_server.requests().front().target, QStringLiteral("http://") + kHost + requestPath(c.sent));
        EXPECT_EQ(m_result->text(), c.result);
        EXPECT_EQ(m_messages.messages().size(), c.result == kIdle ? 1u : 0u);
        EXPECT_TRUE(m_input->isEnabled());
        EXPECT_EQ(m_status->text(), QStringLiteral("准备就绪"));
    }
    // The last row's box: the text of the invalid-number box.
    expectOneMessage(MessageIcon::Critical, QStringLiteral("错误"),
                     QStringLiteral("您输入的QQ号不合法！错误原因：\r1.您输入的QQ号不合法，请检查后重新输入！"));
}

TEST_F(QqStatusQuery, InvalidInputShowsTheInputBoxAndSendsNothing)
{
    for (const char *typed : {"1234", ""}) {
        type(QString::fromUtf8(typed));
        QTest::mouseClick(m_button, Qt::LeftButton);

        expectOneMessage(
            MessageIcon::Critical, QStringLiteral("错误"),
            QStringLiteral("请输入正确QQ号！错误原因：\r1.输入QQ号应该在10000-9999999999之间，请检查后重新输入！"));
        EXPECT_TRUE(m_server.requests().empty());
        EXPECT_EQ(m_result->text(), kIdle);
        EXPECT_EQ(m_input->text(), QString::fromUtf8(typed));
        EXPECT_TRUE(m_input->isEnabled() && m_button->isEnabled());
    }
}

TEST_F(QqStatusQuery, TitleChangeWithoutPendingQueryChangesNothing)
{
    type(QStringLiteral("10000"));
    QTest::mouseClick(m_button, Qt::LeftButton);
    ASSERT_TRUE(test::waitFor([this] { return m_button->isEnabled(); }));
    m_result->setText(QStringLiteral("旧"));

    emit m_form->WebQQ->TitleChange(QStringLiteral("again"));

    EXPECT_EQ(m_result->text(), QStringLiteral("旧"));
    EXPECT_TRUE(m_messages.messages().empty());
}

} // namespace
} // namespace fendrake
