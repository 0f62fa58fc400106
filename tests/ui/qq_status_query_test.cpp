#include "app/services/browser_control.h"
#include "query_panel_test.h"
#include "wait.h"

#include <QDir>

namespace fendrake {
namespace {

const QString kHost = QStringLiteral("qqstatus.fendrake.net");
const QString kIdle = QStringLiteral("对方情况：");

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
        ASSERT_TRUE(m_input && m_button && m_result);
    }

    // Starts a query on a dirty result label; true when the panel is enabled again.
    bool query(const QString &number, bool byEnter = false)
    {
        m_server.clearRequests();
        m_messages.clear();
        m_result->setText(QStringLiteral("旧"));
        m_input->setText(number);
        byEnter ? QTest::keyClick(m_input, Qt::Key_Return) : QTest::mouseClick(m_button, Qt::LeftButton);
        return test::waitFor([this] { return m_button->isEnabled() && m_input->isEnabled(); });
    }

    QLineEdit *m_input = nullptr;
    QAbstractButton *m_button = nullptr;
    QLabel *m_result = nullptr;
};

TEST_F(QqStatusQuery, TheAddressLandedOnDecidesTheAnswer)
{
    const auto path = [](const QString &number) { return QStringLiteral("/pa?p=1:%1:1%20alt=test").arg(number); };
    m_server.addRedirect(kHost, path(QStringLiteral("54321")),
                         QStringLiteral("http://qqpic.fendrake.net/QQ_online.gif"));
    // "number>what Label24 shows behind its caption"; nothing shown comes with the invalid-number box.
    ASSERT_TRUE(test::showActive(m_form.get()));
    for (const char *row : {"10000>在线", "9999999999>离线或隐身", "99999>", "54321>"}) {
        SCOPED_TRACE(row);
        const QStringList c = QString::fromUtf8(row).split(u'>');
        ASSERT_TRUE(query(c[0], true));
        ASSERT_FALSE(m_server.requests().empty());
        EXPECT_EQ(m_server.requests().front().target, QStringLiteral("http://") + kHost + path(c[0]));
        EXPECT_EQ(m_result->text(), kIdle + c[1]);
        EXPECT_EQ(m_messages.messages().size(), c[1].isEmpty() ? 1u : 0u);
        EXPECT_EQ(control<QLabel>("Label26")->text(), QStringLiteral("准备就绪"));
    }
    expectOneMessage(MessageIcon::Critical, QStringLiteral("错误"),
                     QStringLiteral("您输入的QQ号不合法！错误原因：\r1.您输入的QQ号不合法，请检查后重新输入！"));
}

TEST_F(QqStatusQuery, RefusedInputShowsTheInputBoxSendsNothingAndKeepsTheText)
{
    for (const QString &typed : {QStringLiteral("1234"), QString()}) {
        ASSERT_TRUE(query(typed));
        expectOneMessage(
            MessageIcon::Critical, QStringLiteral("错误"),
            QStringLiteral("请输入正确QQ号！错误原因：\r1.输入QQ号应该在10000-9999999999之间，请检查后重新输入！"));
        EXPECT_TRUE(m_server.requests().empty());
        EXPECT_EQ(m_result->text(), kIdle);
        EXPECT_EQ(m_input->text(), typed);
    }
}

TEST_F(QqStatusQuery, TitleChangeWithoutPendingQueryChangesNothing)
{
    ASSERT_TRUE(query(QStringLiteral("10000")));
    m_result->setText(QStringLiteral("旧"));
    emit m_form->WebQQ->TitleChange(QStringLiteral("again"));
    EXPECT_EQ(m_result->text(), QStringLiteral("旧"));
    EXPECT_TRUE(m_messages.messages().empty());
}

} // namespace
} // namespace fendrake
