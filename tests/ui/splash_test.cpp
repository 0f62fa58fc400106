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
        ASSERT_TRUE(server->startProxied());
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

    const test::ScopedFetchLimits limits{FetchLimits().connectTimeout, std::chrono::milliseconds(1000)};
    std::unique_ptr<ProxiedFixtureServer> server = std::make_unique<ProxiedFixtureServer>();
    PauseClock savedClock;
    qint64 clockSeconds = 1000;
    std::optional<bool> visibleDuringPause;
    MessageRecorder messages;
    std::unique_ptr<Form4> splash;
};

} // namespace

// Only a version other than ours, cut from between its markers, gets the box; a page that cannot be
// read or cut shows nothing. The splash is up during the pause and gone at the end.
TEST_F(SplashTest, NoticeShowsTheVersionBoxOnlyForAnotherVersion)
{
    using Behaviour = FixtureReply::Behaviour;
    const struct
    {
        const char *name;
        Behaviour behaviour;
        int status;
        const char *text; // nullptr: the newer fixture page
        const char *shown; // nullptr: no box
    } cases[] = {
        {"current", Behaviour::Answer, 200, "The Newest Vision：4.02########", nullptr},
        {"newer page", Behaviour::Answer, 200, nullptr, "4.03"},
        {"older", Behaviour::Answer, 200, "The Newest Vision：4.01########", "4.01"},
        {"empty", Behaviour::Answer, 200, "The Newest Vision：########", ""},
        {"ascii colon", Behaviour::Answer, 200, "The Newest Vision:4.02########", ":4.02"},
        {"stalled", Behaviour::Stall, 200, "", nullptr},
        {"dropped", Behaviour::Drop, 200, "", nullptr},
        {"not found", Behaviour::Answer, 404, "找不到页面", nullptr},
        {"no closing marker", Behaviour::Answer, 200, "The Newest Vision：4.03", nullptr},
        {"closing marker first", Behaviour::Answer, 200, "########The Newest Vision：4.03########", nullptr},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        messages.clear();
        visibleDuringPause.reset();
        server = std::make_unique<ProxiedFixtureServer>();
        ASSERT_TRUE(server->startProxied());
        FixtureReply reply;
        reply.behaviour = c.behaviour;
        reply.status = c.status;
        reply.body = gbkPage(QString::fromUtf8(c.text));
        reply.fixtureFile = c.text ? QString() : QStringLiteral("update-notice/newer.html");
        server->addReply(kBlog, kNoticePath, reply);

        ASSERT_TRUE(runSplash());
        EXPECT_EQ(visibleDuringPause, true);
        EXPECT_FALSE(splash->isVisible());
        EXPECT_EQ(server->requests().size(), 1u);
        if (!c.shown) {
            EXPECT_TRUE(messages.messages().empty());
            continue;
        }
        ASSERT_EQ(messages.messages().size(), 1u);
        const auto &message = messages.messages().front();
        EXPECT_EQ(message.icon, MessageIcon::Information);
        EXPECT_EQ(message.title, QStringLiteral("版本信息"));
        EXPECT_EQ(message.text, QStringLiteral("您使用的Fendrake版本是：4.02，最新版本是：") + QString::fromUtf8(c.shown) +
                                    QStringLiteral("，请及时更新。\r定期将软件升至最新版本，获取更多功能，杜绝软件漏洞！"));
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
    EXPECT_TRUE(server->requests().empty());
    EXPECT_TRUE(messages.messages().empty());
}
