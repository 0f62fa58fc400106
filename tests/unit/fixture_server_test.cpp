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

TEST_F(FixtureServerTest, KnownHostWithoutThePageAnswers404AndUnknownHostIsDropped)
{
    m_server->addBody(QStringLiteral("routed.test"), QStringLiteral("/x"), "x");
    EXPECT_TRUE(fetchBody(QStringLiteral("http://site.test/none.html")).contains("Not Found"));
    EXPECT_TRUE(fetchBody(QStringLiteral("http://routed.test/y")).contains("Not Found"));
    EXPECT_THROW(fetchBody(QStringLiteral("http://unknown.test/")), FetchError);
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

} // namespace
} // namespace fendrake
