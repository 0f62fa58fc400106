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
#include <tuple>

namespace fendrake {
namespace {

using Behaviour = test::FixtureReply::Behaviour;

class SplashTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // Each reading of the clock is a second later: the pause ends on its second reading.
        m_savedClock = setPauseClock([this] {
            m_visibleDuringPause = m_visibleDuringPause.value_or(true) && m_splash && m_splash->isVisible();
            return m_seconds++;
        });
    }

    void TearDown() override { setPauseClock(m_savedClock); }

    // Runs the splash sequence against a fresh proxy that answers the notice page so.
    bool runSplash(const test::FixtureReply &reply)
    {
        m_server = std::make_unique<test::ProxiedFixtureServer>();
        EXPECT_TRUE(m_server->startProxied());
        m_server->addReply("blog.fendrake.net", "/post/update-notice.html", reply);
        m_splash = std::make_unique<Form4>();
        return m_splash->Form_Initialize();
    }

    const test::ScopedFetchLimits m_limits{FetchLimits().connectTimeout, std::chrono::milliseconds(1000)};
    std::unique_ptr<test::ProxiedFixtureServer> m_server;
    PauseClock m_savedClock;
    qint64 m_seconds = 1000;
    std::optional<bool> m_visibleDuringPause;
    test::MessageRecorder m_messages;
    std::unique_ptr<Form4> m_splash;
};

// Only a version other than ours, cut from between its markers, gets the box; a page that cannot be
// read or cut shows nothing. The splash is up during the pause and gone at the end. How the version
// is cut from other pages is pinned by UpdateNotice.NewestVersionIsCutAndComparedAsExactText.
TEST_F(SplashTest, NoticeShowsTheVersionBoxOnlyForAnotherVersion)
{
    const std::tuple<const char *, test::FixtureReply, bool> cases[] = {
        // name, answer, whether the box shows
        {"current", {.body = test::gbkEncoded("<p>The Newest Vision：4.02########</p>")}, false},
        {"newer", {.fixtureFile = "update-notice/newer.html"}, true},
        {"stalled", {.behaviour = Behaviour::Stall}, false},
        {"dropped", {.behaviour = Behaviour::Drop}, false},
        {"not found", {.status = 404, .body = test::gbkEncoded("<p>找不到页面</p>")}, false},
        {"no closing marker", {.body = test::gbkEncoded("<p>The Newest Vision：4.03</p>")}, false},
    };
    for (const auto &[name, reply, box] : cases) {
        SCOPED_TRACE(name);
        m_messages.clear();
        m_visibleDuringPause.reset();
        ASSERT_TRUE(runSplash(reply));
        EXPECT_EQ(m_visibleDuringPause, true);
        EXPECT_FALSE(m_splash->isVisible());
        EXPECT_EQ(m_server->requests().size(), 1u);
        ASSERT_EQ(m_messages.messages().size(), box ? 1u : 0u);
        if (box) {
            EXPECT_EQ(m_messages.messages().front().icon, MessageIcon::Information);
            EXPECT_TRUE(m_messages.messages().front().text.contains("最新版本是：4.03，"));
        }
    }
}

TEST_F(SplashTest, SecondCopyShowsNothingAndReadsNothing)
{
    QTemporaryDir dir;
    SingleInstance mine(dir.filePath("fendrake.lock"));
    SingleInstance running(dir.filePath("fendrake.lock"));
    ASSERT_FALSE(running.anotherCopyRunning());

    EXPECT_FALSE(runSplash({}));
    EXPECT_FALSE(m_visibleDuringPause.has_value()) << "no pause";
    EXPECT_FALSE(m_splash->isVisible());
    EXPECT_TRUE(m_server->requests().empty());
    EXPECT_TRUE(m_messages.messages().empty());
}

} // namespace
} // namespace fendrake
