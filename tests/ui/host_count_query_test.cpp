#include "app/services/nslookup_command.h"
#include "check_query.h"

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

class HostCountQuery : public test::CheckQuery
{
protected:
    void SetUp() override
    {
        QueryPanelTest::SetUp();
        ASSERT_TRUE(m_scratch.isValid());
        qputenv("FENDRAKE_NSLOOKUP_LOG", logPath().toLocal8Bit());
        setNslookupCommandPath(kStandIn);
        openPanel("cmdZhongJi", "Command3");
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

    bool waitForEnd() const
    {
        return test::waitFor([this] { return enabled({"cmdGO"}) && shown({"txtSLJG"}) != kRunning; });
    }

    bool controlsEnabled() const { return enabled({"cmdGO", "txtSLURL", "txtSLJG"}); }

    QTemporaryDir m_scratch;
};

// Which characters a name may hold is the unit tests' business; here a refusal's box and that nothing starts.
TEST_F(HostCountQuery, AnythingButAHostNameStartsNoProcess)
{
    // clang-format off
    const QString scheme = "错误:输入时禁止输入“http”和“ftp”否则无法查询！请去掉！", name = "错误:域名输入错误！错误原因：";
    const QString cases[][2] = {{"http://www.example.com", scheme}, {"ftp.example.com", scheme},
                                {"example.com;touch x", name}, {"-type=any", name}, {"", name}};
    // clang-format on
    for (const auto &[typed, shown] : cases) {
        run("txtSLURL", "cmdGO", typed, false);
        ASSERT_EQ(boxes(), QStringList{shown}) << typed.toStdString();
        EXPECT_EQ(m_messages.messages().front().icon, MessageIcon::Critical);
        EXPECT_TRUE(controlsEnabled());
    }
    QTest::qWait(200);
    EXPECT_EQ(starts(), QString());
}

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
        run("txtSLURL", "cmdGO", name);
        EXPECT_FALSE(enabled({"cmdGO"}));
        ASSERT_TRUE(waitForEnd());
        EXPECT_TRUE(CheckQuery::shown({"txtSLJG"}).startsWith(shown));
        EXPECT_TRUE(controlsEnabled());
    }
    EXPECT_EQ(starts(), QStringLiteral("1 [www.fendrake-demo.com]\n1 [stall.fendrake-demo.com]\n"
                                       "1 [silent.fendrake-demo.com]\n"));
}

TEST_F(HostCountQuery, NewRunReplacesAPendingOneAndNoStaleAnswerFollows)
{
    run("txtSLURL", "cmdGO", "slow.fendrake-demo.com", false); // answers after a second
    ASSERT_FALSE(enabled({"cmdGO"}));
    // Switching panels enables the controls while the command still runs.
    openPanel("cmdZhongJi", "Command3");
    run("txtSLURL", "cmdGO", "www.fendrake-demo.com", false);
    ASSERT_TRUE(waitForEnd());

    QTest::qWait(1500); // past the time the first run would have answered
    EXPECT_EQ(shown({"txtSLJG"}).toStdString(), kTwoAddresses.toStdString());
    EXPECT_TRUE(controlsEnabled());
}

} // namespace
} // namespace fendrake
