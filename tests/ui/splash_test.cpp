#include "app/form4.h"
#include "app/services/http_fetch.h"
#include "app/services/pause.h"
#include "app/single_instance.h"
#include "fixture_server.h"
#include "qt_printers.h"
#include "recorders.h"
#include "scoped_fetch_limits.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <optional>

using namespace fendrake;
using fendrake::test::FixtureReply;
using fendrake::test::MessageRecorder;
using fendrake::test::ProxiedFixtureServer;

namespace {

constexpr auto kBlog = "blog.fendrake.net";
constexpr auto kNoticePath = "/post/update-notice.html";

QByteArray gbkPage(const QString &text)
{
    return test::gbkEncoded(QStringLiteral("<html><body><p>") + text + QStringLiteral("</p></body></html>"));
}

class SplashTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(server.startProxied());
        // Each reading of the clock is a second later: the pause ends on its second reading.
        savedClock = setPauseClock([this] {
            visibleDuringPause = visibleDuringPause.value_or(true) && splash && splash->isVisible();
            return clockSeconds++;
        });
    }

    void TearDown() override { setPauseClock(savedClock); }

    // Runs the splash sequence; the messages it showed are left in the recorder.
    bool runSplash()
    {
        splash = std::make_unique<Form4>();
        return splash->Form_Initialize();
    }

    // A fresh server for one case's route of the notice page.
    void useRoutedServer()
    {
        routedServer = std::make_unique<ProxiedFixtureServer>();
        ASSERT_TRUE(routedServer->startProxied());
    }

    const test::ScopedFetchLimits limits{FetchLimits().connectTimeout, std::chrono::milliseconds(1000)};
    ProxiedFixtureServer server;
    std::unique_ptr<ProxiedFixtureServer> routedServer;
    PauseClock savedClock;
    qint64 clockSeconds = 1000;
    std::optional<bool> visibleDuringPause;
    MessageRecorder messages;
    std::unique_ptr<Form4> splash;
};

} // namespace

TEST_F(SplashTest, CurrentVersionShowsNoMessageAndTheSplashGoesAway)
{
    ASSERT_TRUE(runSplash());
    EXPECT_TRUE(messages.messages().empty());
    EXPECT_EQ(visibleDuringPause, true);
    EXPECT_FALSE(splash->isVisible());
    EXPECT_EQ(server.requests().size(), 1u);
}

TEST_F(SplashTest, AnyOtherVersionShowsTheExactInformationMessage)
{
    const struct
    {
        const char *name;
        std::optional<QByteArray> body; // nullopt: the newer fixture page
        QString shown;
    } cases[] = {
        {"newer page", std::nullopt, QStringLiteral("4.03")},
        {"older", gbkPage(QStringLiteral("The Newest Vision：4.01########")), QStringLiteral("4.01")},
        {"empty", gbkPage(QStringLiteral("The Newest Vision：########")), QString()},
        {"ascii colon", gbkPage(QStringLiteral("The Newest Vision:4.02########")), QStringLiteral(":4.02")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        messages.clear();
        useRoutedServer();
        if (c.body)
            routedServer->addBody(kBlog, kNoticePath, *c.body);
        else
            routedServer->addPage(kBlog, kNoticePath, QStringLiteral("update-notice/newer.html"));
        ASSERT_TRUE(runSplash());
        ASSERT_EQ(messages.messages().size(), 1u);
        const auto &message = messages.messages().front();
        EXPECT_EQ(message.icon, MessageIcon::Information);
        EXPECT_EQ(message.title, QStringLiteral("版本信息"));
        EXPECT_EQ(message.text, QStringLiteral("您使用的Fendrake版本是：4.02，最新版本是：") + c.shown +
                                    QStringLiteral("，请及时更新。\r定期将软件升至最新版本，获取更多功能，杜绝软件漏洞！"));
        EXPECT_FALSE(splash->isVisible());
    }
}

TEST_F(SplashTest, UnreadableOrUncuttablePageShowsNothing)
{
    const struct
    {
        const char *name;
        FixtureReply::Behaviour behaviour;
        int status;
        const char *text;
    } cases[] = {
        {"stalled", FixtureReply::Behaviour::Stall, 200, ""},
        {"dropped", FixtureReply::Behaviour::Drop, 200, ""},
        {"not found", FixtureReply::Behaviour::Answer, 404, "找不到页面"},
        {"no closing marker", FixtureReply::Behaviour::Answer, 200, "The Newest Vision：4.03"},
        {"closing marker first", FixtureReply::Behaviour::Answer, 200, "########The Newest Vision：4.03########"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        FixtureReply reply;
        reply.behaviour = c.behaviour;
        reply.status = c.status;
        reply.body = gbkPage(QString::fromUtf8(c.text));
        useRoutedServer();
        routedServer->addReply(kBlog, kNoticePath, reply);
        ASSERT_TRUE(runSplash());
        EXPECT_TRUE(messages.messages().empty());
        EXPECT_FALSE(splash->isVisible());
    }
}

TEST_F(SplashTest, SecondCopyShowsNothingAndReadsNothing)
{
    QTemporaryDir dir;
    const QString lock = dir.filePath(QStringLiteral("fendrake.lock"));
    SingleInstance mine(lock);
    SingleInstance running(lock);
    ASSERT_FALSE(running.anotherCopyRunning());

    EXPECT_FALSE(runSplash());
    EXPECT_FALSE(visibleDuringPause.has_value()) << "no pause";
    EXPECT_FALSE(splash->isVisible());
    EXPECT_TRUE(server.requests().empty());
    EXPECT_TRUE(messages.messages().empty());
}
