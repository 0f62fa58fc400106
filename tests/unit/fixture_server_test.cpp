#include "app/services/http_fetch.h"

#include "fixture_server.h"
#include "qt_printers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <vector>

namespace fendrake {
namespace {

using test::FixtureReply;
using test::ProxiedFixtureServer;
using namespace std::chrono_literals;

QByteArray fetchBody(const QString &address)
{
    return fetchPage(address).body;
}

class FixtureServerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        writeFile(QStringLiteral("site.test/index.html"), "index");
        writeFile(QStringLiteral("site.test/a/b.html"), "file b");
        writeFile(QStringLiteral("secret.txt"), "secret");
        writeFile(QStringLiteral("pages/sample.html"), "sample");
        writeFile(QStringLiteral("pages/other.html"), "other");
        m_server = std::make_unique<ProxiedFixtureServer>(m_dir.path());
        ASSERT_TRUE(m_server->startProxied());
    }

    void writeFile(const QString &name, const QByteArray &content)
    {
        const QString path = m_dir.filePath(name);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    QTemporaryDir m_dir;
    std::unique_ptr<ProxiedFixtureServer> m_server;
};

TEST_F(FixtureServerTest, RoutesBeatFilesAndTheLongestPrefixWins)
{
    m_server->addPrefix(QStringLiteral("site.test"), QStringLiteral("/q?"), QStringLiteral("pages/sample.html"));
    m_server->addPrefix(QStringLiteral("site.test"), QStringLiteral("/q?id=9"), QStringLiteral("pages/other.html"));
    m_server->addBody(QStringLiteral("site.test"), QStringLiteral("/q?id=1"), "exact");
    m_server->addPrefix(QStringLiteral("*"), QStringLiteral("/any/"), QStringLiteral("pages/other.html"));
    m_server->addBody(QStringLiteral("site.test"), QStringLiteral("/a/b.html"), "route b");

    const struct
    {
        const char *address;
        QByteArray body;
    } cases[] = {
        {"http://site.test/q?id=1", "exact"},    {"http://site.test/q?id=2", "sample"},
        {"http://site.test/q?id=99", "other"},   {"http://SITE.test:80/q?id=2", "sample"},
        {"http://anything.test/any/x", "other"}, {"http://site.test/a/b.html", "route b"},
        {"http://site.test/", "index"},          {"http://site.test/index.html?ignored=1", "index"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.address);
        EXPECT_EQ(fetchBody(QString::fromLatin1(c.address)), c.body);
    }
}

TEST_F(FixtureServerTest, KnownHostWithoutThePageAnswers404AndUnknownHostIsDropped)
{
    m_server->addBody(QStringLiteral("routed.test"), QStringLiteral("/x"), "x");
    EXPECT_TRUE(fetchBody(QStringLiteral("http://site.test/none.html")).contains("Not Found"));
    EXPECT_TRUE(fetchBody(QStringLiteral("http://routed.test/y")).contains("Not Found"));
    EXPECT_THROW(fetchBody(QStringLiteral("http://unknown.test/")), FetchError);
}

TEST_F(FixtureServerTest, RequestsNeverReadFilesOutsideTheHostFolder)
{
    EXPECT_FALSE(fetchBody(QStringLiteral("http://site.test/../secret.txt")).contains("secret"));
    EXPECT_FALSE(fetchBody(QStringLiteral("http://site.test/%2e%2e/secret.txt")).contains("secret"));
}

TEST_F(FixtureServerTest, RecordsEveryRequestWithItsFullAddress)
{
    fetchBody(QStringLiteral("http://site.test/q?name=%D6%D0"));
    EXPECT_THROW(fetchBody(QStringLiteral("http://unknown.test/p")), FetchError);
    const auto requests = m_server->requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].target, QStringLiteral("http://site.test/q?name=%D6%D0"));
    EXPECT_EQ(requests[0].host, QStringLiteral("site.test"));
    EXPECT_EQ(requests[0].pathAndQuery, QStringLiteral("/q?name=%D6%D0"));
    EXPECT_EQ(requests[1].host, QStringLiteral("unknown.test"));
    m_server->clearRequests();
    EXPECT_TRUE(m_server->requests().empty());
}

TEST_F(FixtureServerTest, RouteFileAddsPrefixRoutesAndRejectsBadLines)
{
    writeFile(QStringLiteral("routes.txt"), "# comment\n\n"
                                            "site.test  /lookup?n=   pages/sample.html\n"
                                            "*          /missing     pages/other.html  404\n");
    QString error;
    ASSERT_TRUE(m_server->loadRouteFile(m_dir.filePath(QStringLiteral("routes.txt")), &error)) << error.toStdString();
    EXPECT_EQ(fetchBody(QStringLiteral("http://site.test/lookup?n=13800138000")), QByteArray("sample"));
    EXPECT_EQ(fetchBody(QStringLiteral("http://any.test/missing")), QByteArray("other"));

    writeFile(QStringLiteral("bad.txt"), "site.test /ok pages/sample.html\nsite.test no-slash pages/x.html\n");
    EXPECT_FALSE(m_server->loadRouteFile(m_dir.filePath(QStringLiteral("bad.txt")), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("bad.txt:2"))) << error.toStdString();
}

TEST_F(FixtureServerTest, StopsFastWithStalledAndDelayedAnswersPending)
{
    FixtureReply stall;
    stall.behaviour = FixtureReply::Behaviour::Stall;
    m_server->addReply(QStringLiteral("site.test"), QStringLiteral("/stall"), stall);
    FixtureReply slow;
    slow.delay = 1h;
    m_server->addReply(QStringLiteral("site.test"), QStringLiteral("/slow"), slow);

    std::vector<std::thread> clients;
    for (const char *path : {"/stall", "/slow", "/stall"}) {
        clients.emplace_back([path] {
            try {
                fetchPage(QStringLiteral("http://site.test") + QString::fromLatin1(path));
            } catch (const FetchError &) {
            }
        });
    }
    while (m_server->requests().size() < 3)
        std::this_thread::sleep_for(10ms);
    const auto start = std::chrono::steady_clock::now();
    m_server->stop();
    EXPECT_LT(std::chrono::steady_clock::now() - start, 3s);
    for (std::thread &client : clients)
        client.join();
}

} // namespace
} // namespace fendrake
