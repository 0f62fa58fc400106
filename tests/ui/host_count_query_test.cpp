#include "app/services/nslookup_command.h"
#include "query_panel_test.h"
#include "wait.h"

#include <QFile>
#include <QTemporaryDir>

#include <chrono>

namespace fendrake {
namespace {

const QString kStandIn = QStringLiteral(FENDRAKE_FIXTURES_DIR "/commands/nslookup");
const QString kRunning = QStringLiteral("正在查询服务器主机信息中...");
const QString kTwoAddresses =
    QStringLiteral("Server:UnKnown\nAddress:192.0.2.53\n\nNon-authoritativeanswer:\n"
                   "Name:www.fendrake-demo.com\n服务器主机信息：\n192.0.2.10\n192.0.2.11\n\n");

class HostCountQuery : public test::QueryPanelTest
{
protected:
    void SetUp() override
    {
        QueryPanelTest::SetUp();
        ASSERT_TRUE(m_scratch.isValid());
        qputenv("FENDRAKE_NSLOOKUP_LOG", logPath().toLocal8Bit());
        setNslookupCommandPath(kStandIn);
        openPanel("cmdZhongJi", "Command3");
        m_input = control<QLineEdit>("txtSLURL");
        m_button = control<QAbstractButton>("cmdGO");
        m_result = control<QPlainTextEdit>("txtSLJG");
        ASSERT_TRUE(m_input && m_button && m_result);
    }

    void TearDown() override
    {
        setNslookupCommandPath(QString());
        setNslookupTimeLimit(std::chrono::milliseconds(15000));
        qunsetenv("FENDRAKE_NSLOOKUP_LOG");
    }

    QString logPath() const { return m_scratch.filePath(QStringLiteral("starts.log")); }

    // Each start of the stand-in: its argument count and its arguments in brackets.
    QString starts() const
    {
        QFile log(logPath());
        return log.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(log.readAll()) : QString();
    }

    void query(const QString &name)
    {
        m_input->setText(name);
        QTest::mouseClick(m_button, Qt::LeftButton);
    }

    bool waitForEnd() const
    {
        return test::waitFor([this] { return m_button->isEnabled() && m_result->toPlainText() != kRunning; });
    }

    bool controlsEnabled() const { return m_button->isEnabled() && m_input->isEnabled() && m_result->isEnabled(); }

    QTemporaryDir m_scratch;
    QLineEdit *m_input = nullptr;
    QAbstractButton *m_button = nullptr;
    QPlainTextEdit *m_result = nullptr;
};

TEST_F(HostCountQuery, AnythingButAHostNameStartsNoProcess)
{
    const QString schemeBox = QStringLiteral("错误|输入时禁止输入“http”和“ftp”否则无法查询！请去掉！");
    const QString nameBox = QStringLiteral("错误|域名输入错误！错误原因：");
    const QString cases[][2] = {
        {QStringLiteral("http://www.example.com"), schemeBox},
        {QStringLiteral("ftp.example.com"), schemeBox},
        {QStringLiteral("example.com;touch x"), nameBox},
        {QStringLiteral("example.com|cat"), nameBox},
        {QStringLiteral("$(touch x).com"), nameBox},
        {QStringLiteral("-type=any"), nameBox},
        {QString(), nameBox},
    };
    for (const auto &c : cases) {
        m_messages.clear();
        query(c[0]);
        ASSERT_EQ(m_messages.messages().size(), 1u) << c[0].toStdString();
        const test::RecordedMessage &box = m_messages.messages().front();
        EXPECT_EQ(box.icon, MessageIcon::Critical);
        EXPECT_EQ(box.title + u'|' + box.text.section(u'\r', 0, 0), c[1]);
        EXPECT_TRUE(controlsEnabled());
    }
    QTest::qWait(200);
    EXPECT_EQ(starts(), QString());
}

// Enter runs the command on the name alone; a stalled, silent or missing command ends in a failure text.
TEST_F(HostCountQuery, EnterListsTheAddressesOrEndsInAFailureText)
{
    setNslookupTimeLimit(std::chrono::milliseconds(500));
    const QString missing = m_scratch.filePath(QStringLiteral("no-such-command"));
    const QString failed = QStringLiteral("查询失败！");
    const std::tuple<QString, QString, QString> rows[] = {{kStandIn, "www.fendrake-demo.com", kTwoAddresses},
                                                          {kStandIn, "stall.fendrake-demo.com", failed},
                                                          {kStandIn, "silent.fendrake-demo.com", failed},
                                                          {missing, "www.fendrake-demo.com", failed}};
    ASSERT_TRUE(test::showActive(m_form.get()));
    for (const auto &[command, name, shown] : rows) {
        SCOPED_TRACE(name.toStdString());
        setNslookupCommandPath(command);
        m_input->setText(name);
        QTest::keyClick(m_input, Qt::Key_Return);
        EXPECT_FALSE(m_button->isEnabled());
        ASSERT_TRUE(waitForEnd());
        EXPECT_TRUE(m_result->toPlainText().startsWith(shown));
        EXPECT_TRUE(controlsEnabled());
    }
    EXPECT_EQ(starts(), QStringLiteral("1 [www.fendrake-demo.com]\n1 [stall.fendrake-demo.com]\n"
                                       "1 [silent.fendrake-demo.com]\n"));
}

TEST_F(HostCountQuery, NewRunReplacesAPendingOneAndNoStaleAnswerFollows)
{
    query(QStringLiteral("slow.fendrake-demo.com")); // answers after a second
    ASSERT_FALSE(m_button->isEnabled());
    // Switching panels enables the controls while the command still runs.
    openPanel("cmdZhongJi", "Command3");
    query(QStringLiteral("www.fendrake-demo.com"));
    ASSERT_TRUE(waitForEnd());

    QTest::qWait(1500); // past the time the first run would have answered
    EXPECT_EQ(m_result->toPlainText().toStdString(), kTwoAddresses.toStdString());
    EXPECT_TRUE(controlsEnabled());
}

} // namespace
} // namespace fendrake
