#include "app/services/http_fetch.h"

#include "fixture_server.h"
#include "qt_printers.h"
#include "scoped_fetch_limits.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <optional>
#include <vector>

using namespace fendrake;
using test::FixtureReply;
using namespace std::chrono_literals;

const auto address = [](const QString &path) { return QStringLiteral("http://fixture.test") + path; };

class HttpFetchTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_server.startProxied()); }

    void reply(const QString &path, const FixtureReply &reply) { m_server.addReply("fixture.test", path, reply); }

    const test::ScopedFetchLimits m_limits{2s, 2s};
    test::ProxiedFixtureServer m_server;
};

// Fetched on several threads at once, as the checks may.
TEST_F(HttpFetchTest, PagesOfEveryStatusGiveTheirGbkDecodedTextAlsoFetchedTogether)
{
    reply("/busy", {.status = 500, .body = "<p>\xB7\xFE\xCE\xF1\xC6\xF7\xC3\xA6</p>"});
    reply("/slow", {.body = "late", .delay = 300ms}); // within the limit
    const std::pair<const char *, QString> cases[] = {
        {"/gbk.html", "域名信息查询\r\n域名：\texample.cn\r\n注册商：\t某某网络有限公司\r\n查询完毕 ，谢谢使用。"},
        {"/missing.html", "Not Found\r\nThe requested URL was not found on this server."},
        {"/busy", "服务器忙"},
        {"/slow", "late"}};
    std::vector<std::future<QString>> texts;
    for (const auto &[path, text] : cases)
        texts.push_back(std::async(std::launch::async, [p = path] { return GetHttpText(address(p)); }));
    for (size_t i = 0; i < texts.size(); ++i)
        EXPECT_EQ(texts[i].get(), cases[i].second); // a FetchError fails the test
}

TEST_F(HttpFetchTest, AddressIsSentAsGivenWithTheFormContentTypeAndRedirectsAreFollowed)
{
    m_server.addRedirect("fixture.test", "/old?q=a%20b", "http://other.test/moved", 301);
    m_server.addRedirect("other.test", "/moved", address("/gbk.html"));
    const FetchedPage page = fetchPage(address("/old?q=a%20b"));
    EXPECT_EQ(page.finalUrl, address("/gbk.html"));
    EXPECT_TRUE(decodeGbk(page.body).contains(QStringLiteral("某某网络有限公司")));
    const auto requests = m_server.requests();
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[0].method, QStringLiteral("GET"));
    EXPECT_EQ(requests[0].target, QStringLiteral("http://fixture.test/old?q=a%20b"));
    EXPECT_EQ(requests[0].header("Content-Type"), QStringLiteral("application/x-www-form-urlencoded"));
    EXPECT_TRUE(requests[0].header("Content-Length").isNull() || requests[0].header("Content-Length") == "0");
}

TEST_F(HttpFetchTest, BodyUpToTheLimitPassesAndOneByteMoreFails)
{
    FetchLimits limits = fetchLimits();
    limits.maxBodyBytes = 1000;
    setFetchLimits(limits);
    for (const bool chunked : {false, true}) {
        SCOPED_TRACE(chunked ? "chunked" : "with length");
        reply("/exact", {.fillerBytes = 1000, .chunked = chunked});
        reply("/over", {.fillerBytes = 1001, .chunked = chunked});
        EXPECT_EQ(fetchPage(address("/exact")).body, QByteArray(1000, 'x'));
        EXPECT_THROW(fetchPage(address("/over")), FetchError);
    }
}

// Every way a fetch can fail ends in FetchError, quickly, never in a page. A stall, a cut, a redirect loop and
// the default body limit are run against every check in the hostile-server matrix.
TEST_F(HttpFetchTest, FailuresThrowAndNeverHang)
{
    using enum FixtureReply::Behaviour;
    reply("/drop", {.behaviour = Drop});
    m_server.addRedirect("fixture.test", "/to-file", "file:///etc/passwd");
    QString refused; // a loopback port that listened a moment ago, reached without the proxy
    {
        test::FixtureServer gone;
        ASSERT_TRUE(gone.start());
        refused = gone.proxyAddress() + "/";
    }
    // Paths are asked of the fixture host.
    for (const QString &failing : QStringList{"/drop", "/to-file", "http://no-such-host.test/",
                                              "ftp://fixture.test/file.txt", "file:///etc/passwd", "", refused}) {
        SCOPED_TRACE(failing.toStdString());
        std::optional<test::ScopedProxyEnvironment> direct;
        if (failing == refused)
            direct.emplace(QString());
        const auto start = std::chrono::steady_clock::now();
        EXPECT_THROW(GetHttpText(failing.startsWith(u'/') ? address(failing) : failing), FetchError);
        EXPECT_LT(std::chrono::steady_clock::now() - start, 10s);
    }
}

TEST(DecodeGbkTest, InvalidBytesReadAsQuestionMarksAndNeverCrash)
{
    const std::pair<QByteArray, QString> cases[] = {
        {"\xD6\xD0\xCE\xC4 ok", "中文 ok"},
        {"Copyright \xA9 2009", "Copyright ? 2009"},          // lead byte before ASCII
        {"abc\xD6", "abc?"},                                  // lead byte at the end
        {"a\xD6\177b", "a?\177b"},                            // invalid trail byte
        {"\x80\xFF", QString(QChar(0x20AC)) + QChar(0xF8F5)}, // as the code page maps them
        {QByteArray("a\0b", 3), QString("a") + QChar(0) + "b"},
        {"", ""}};
    for (const auto &[bytes, text] : cases)
        EXPECT_EQ(decodeGbk(bytes), text) << bytes.toHex().toStdString();
    QByteArray everyPair;
    for (int pair = 0; pair < 65536; ++pair)
        everyPair.append(char(pair >> 8)).append(char(pair & 0xFF));
    EXPECT_FALSE(decodeGbk(everyPair).isEmpty());
}
