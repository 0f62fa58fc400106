#include "app/services/http_fetch.h"

#include "closed_port.h"
#include "fixture_server.h"
#include "qt_printers.h"
#include "scoped_fetch_limits.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>
#include <vector>

namespace fendrake {
namespace {

using test::FixtureReply;
using test::ScopedProxyEnvironment;
using namespace std::chrono_literals;

const QString kHost = QStringLiteral("fixture.test");

QString address(const QString &pathAndQuery)
{
    return QStringLiteral("http://") + kHost + pathAndQuery;
}

class HttpFetchTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_server.startProxied()); }

    const test::ScopedFetchLimits m_limits{2s, 2s};
    test::ProxiedFixtureServer m_server;
};

TEST_F(HttpFetchTest, GbkPageDecodesToItsChineseText)
{
    EXPECT_EQ(GetHttpText(address(QStringLiteral("/gbk.html"))), QStringLiteral("域名信息查询\r\n"
                                                                                "域名：\texample.cn\r\n"
                                                                                "注册商：\t某某网络有限公司\r\n"
                                                                                "查询完毕 ，谢谢使用。"));
}

TEST_F(HttpFetchTest, ErrorStatusPageTextComesBack)
{
    EXPECT_EQ(GetHttpText(address(QStringLiteral("/missing.html"))),
              QStringLiteral("Not Found\r\nThe requested URL was not found on this server."));
    m_server.addBody(kHost, QStringLiteral("/busy"), "<p>\xB7\xFE\xCE\xF1\xC6\xF7\xC3\xA6</p>", 500);
    EXPECT_EQ(GetHttpText(address(QStringLiteral("/busy"))), QStringLiteral("服务器忙"));
}

TEST_F(HttpFetchTest, AddressIsSentAsGivenWithTheFormContentType)
{
    m_server.addBody(kHost, QStringLiteral("/whois?domain=abc.com%20x"), "ok");
    EXPECT_EQ(GetHttpText(address(QStringLiteral("/whois?domain=abc.com%20x"))), QStringLiteral("ok"));
    const auto requests = m_server.requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].method, QStringLiteral("GET"));
    EXPECT_EQ(requests[0].target, QStringLiteral("http://fixture.test/whois?domain=abc.com%20x"));
    EXPECT_EQ(requests[0].header(QStringLiteral("Content-Type")), QStringLiteral("application/x-www-form-urlencoded"));
    EXPECT_TRUE(requests[0].header(QStringLiteral("Content-Length")).isNull() ||
                requests[0].header(QStringLiteral("Content-Length")) == QStringLiteral("0"));
}

TEST_F(HttpFetchTest, RedirectIsFollowedToTheFinalAddress)
{
    m_server.addRedirect(kHost, QStringLiteral("/old"), QStringLiteral("http://other.test/moved"), 301);
    m_server.addRedirect(QStringLiteral("other.test"), QStringLiteral("/moved"), address(QStringLiteral("/gbk.html")));
    const FetchedPage page = fetchPage(address(QStringLiteral("/old")));
    EXPECT_EQ(page.finalUrl, address(QStringLiteral("/gbk.html")));
    EXPECT_TRUE(decodeGbk(page.body).contains(QStringLiteral("某某网络有限公司")));
}

TEST_F(HttpFetchTest, DelayedAnswerWithinTheLimitArrives)
{
    FixtureReply slow;
    slow.body = "late";
    slow.delay = 300ms;
    m_server.addReply(kHost, QStringLiteral("/slow"), slow);
    EXPECT_EQ(GetHttpText(address(QStringLiteral("/slow"))), QStringLiteral("late"));
}

TEST_F(HttpFetchTest, BodyUpToTheLimitPassesAndOneByteMoreFails)
{
    FetchLimits limits = fetchLimits();
    limits.maxBodyBytes = 1000;
    setFetchLimits(limits);
    for (const bool chunked : {false, true}) {
        SCOPED_TRACE(chunked ? "chunked" : "with length");
        FixtureReply exact;
        exact.fillerBytes = 1000;
        exact.chunked = chunked;
        FixtureReply over = exact;
        over.fillerBytes = 1001;
        const QString suffix = chunked ? QStringLiteral("-chunked") : QString();
        m_server.addReply(kHost, QStringLiteral("/exact") + suffix, exact);
        m_server.addReply(kHost, QStringLiteral("/over") + suffix, over);
        EXPECT_EQ(fetchPage(address(QStringLiteral("/exact") + suffix)).body, QByteArray(1000, 'x'));
        EXPECT_THROW(fetchPage(address(QStringLiteral("/over") + suffix)), FetchError);
    }
}

// Every way a fetch can fail ends in FetchError, quickly, never in a page.
TEST_F(HttpFetchTest, FailuresThrowAndNeverHang)
{
    FixtureReply stall;
    stall.behaviour = FixtureReply::Behaviour::Stall;
    m_server.addReply(kHost, QStringLiteral("/stall"), stall);
    FixtureReply cutOff;
    cutOff.behaviour = FixtureReply::Behaviour::CutOff;
    cutOff.body = QByteArray(10000, 'a');
    m_server.addReply(kHost, QStringLiteral("/cut"), cutOff);
    FixtureReply huge;
    huge.fillerBytes = 9 * 1024 * 1024;
    m_server.addReply(kHost, QStringLiteral("/huge"), huge);
    huge.chunked = true;
    m_server.addReply(kHost, QStringLiteral("/huge-chunked"), huge);
    FixtureReply drop;
    drop.behaviour = FixtureReply::Behaviour::Drop;
    m_server.addReply(kHost, QStringLiteral("/drop"), drop);
    m_server.addRedirect(kHost, QStringLiteral("/loop-a"), address(QStringLiteral("/loop-b")));
    m_server.addRedirect(kHost, QStringLiteral("/loop-b"), address(QStringLiteral("/loop-a")));
    m_server.addRedirect(kHost, QStringLiteral("/to-file"), QStringLiteral("file:///etc/passwd"));

    const struct
    {
        const char *name;
        QString address;
    } cases[] = {
        {"unresolvable host", QStringLiteral("http://no-such-host.test/")},
        {"server never answers", address(QStringLiteral("/stall"))},
        {"body cut off", address(QStringLiteral("/cut"))},
        {"connection dropped", address(QStringLiteral("/drop"))},
        {"9 MiB body with its length", address(QStringLiteral("/huge"))},
        {"9 MiB body chunked", address(QStringLiteral("/huge-chunked"))},
        {"redirect loop", address(QStringLiteral("/loop-a"))},
        {"redirect to a file", address(QStringLiteral("/to-file"))},
        {"ftp scheme", QStringLiteral("ftp://fixture.test/file.txt")},
        {"file scheme", QStringLiteral("file:///etc/passwd")},
        {"empty address", QString()},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const auto start = std::chrono::steady_clock::now();
        EXPECT_THROW(GetHttpText(c.address), FetchError);
        EXPECT_LT(std::chrono::steady_clock::now() - start, 10s);
    }
}

TEST_F(HttpFetchTest, RefusedPortThrows)
{
    const ScopedProxyEnvironment direct{QString()};
    const QString refused = test::closedLocalAddress();
    ASSERT_FALSE(refused.isEmpty());
    EXPECT_THROW(fetchPage(refused + QStringLiteral("/")), FetchError);
}

TEST_F(HttpFetchTest, FetchesOnSeveralThreadsAtOnce)
{
    std::vector<QString> texts(6);
    std::vector<std::thread> threads;
    for (size_t i = 0; i < texts.size(); ++i) {
        threads.emplace_back([&texts, i] {
            try {
                texts[i] = GetHttpText(address(QStringLiteral("/gbk.html")));
            } catch (const FetchError &) {
            }
        });
    }
    for (std::thread &thread : threads)
        thread.join();
    for (const QString &text : texts)
        EXPECT_TRUE(text.startsWith(QStringLiteral("域名信息查询")));
}

TEST(DecodeGbkTest, InvalidBytesReadAsQuestionMarksAndNeverCrash)
{
    const struct
    {
        const char *name;
        QByteArray bytes;
        QString text;
    } cases[] = {
        {"valid", QByteArray("\xD6\xD0\xCE\xC4 ok"), QStringLiteral("中文 ok")},
        {"lead byte before ASCII", QByteArray("Copyright \xA9 2009"), QStringLiteral("Copyright ? 2009")},
        {"lead byte at the end", QByteArray("abc\xD6"), QStringLiteral("abc?")},
        {"invalid trail byte",
         QByteArray("a\xD6\x7F"
                    "b"),
         QStringLiteral("a?\x7F"
                        "b")},
        {"euro and 0xFF as the code page maps them", QByteArray("\x80\xFF"), QString(QChar(0x20AC)) + QChar(0xF8F5)},
        {"NUL kept", QByteArray("a\0b", 3), QString(QStringLiteral("a")) + QChar(0) + QStringLiteral("b")},
        {"empty", QByteArray(), QString()},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(decodeGbk(c.bytes), c.text);
    }
}

TEST(DecodeGbkTest, EveryByteValueDecodesWithoutCrashing)
{
    QByteArray all;
    for (int first = 0; first < 256; ++first) {
        for (int second = 0; second < 256; ++second) {
            all.append(char(first));
            all.append(char(second));
        }
    }
    EXPECT_FALSE(decodeGbk(all).isEmpty());
}

} // namespace
} // namespace fendrake
