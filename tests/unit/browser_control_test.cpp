#include "app/services/browser_control.h"
#include "app/services/http_fetch.h"
#include "closed_port.h"
#include "fixture_server.h"
#include "qt_printers.h"
#include "scoped_fetch_limits.h"
#include "wait.h"

#include <QElapsedTimer>
#include <QTest>
#include <QThread>

#include <gtest/gtest.h>

#include <memory>

using namespace fendrake;
using fendrake::test::FixtureReply;
using fendrake::test::gbkEncoded;
using fendrake::test::ScopedProxyEnvironment;
using fendrake::test::waitFor;

namespace {

constexpr auto kHost = "browser.test";

QString address(const QString &path)
{
    return QStringLiteral("http://browser.test") + path;
}

// Every event of a control in arrival order, as text.
class EventLog
{
public:
    explicit EventLog(BrowserControl &control)
    {
        QObject::connect(&control, &BrowserControl::ProgressChange, [this](int progress, int progressMax) {
            events.append(QStringLiteral("progress %1/%2").arg(progress).arg(progressMax));
        });
        QObject::connect(&control, &BrowserControl::TitleChange,
                         [this](const QString &text) { events.append(QStringLiteral("title ") + text); });
        QObject::connect(&control, &BrowserControl::DocumentComplete, [this](const QString &url) {
            events.append(QStringLiteral("complete ") + url);
            ++completed;
        });
    }

    QStringList events;
    int completed = 0;
};

class BrowserControlTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(server.startProxied()); }

    void page(const QString &path, const QString &html) { server.addBody(kHost, path, gbkEncoded(html)); }

    // Answers path with html only after delay.
    void slowPage(const QString &path, const QString &html, std::chrono::milliseconds delay)
    {
        FixtureReply slow;
        slow.body = gbkEncoded(html);
        slow.delay = delay;
        server.addReply(kHost, path, slow);
    }

    const test::ScopedFetchLimits limits{std::chrono::milliseconds(1000), std::chrono::milliseconds(1500)};
    test::ProxiedFixtureServer server;
};

} // namespace

TEST_F(BrowserControlTest, EventsFollowNavigateOnlyAfterItReturnedInLoadOrder)
{
    page("/a.html", "<html><head><title>第一页</title></head><body><p>你好</p></body></html>");
    BrowserControl control;
    EventLog log(control);
    bool insideNavigate = false;
    bool eventInsideNavigate = false;
    QObject::connect(&control, &BrowserControl::ProgressChange, [&] { eventInsideNavigate |= insideNavigate; });

    insideNavigate = true;
    control.Navigate(address("/a.html"));
    insideNavigate = false;
    EXPECT_TRUE(log.events.isEmpty());

    ASSERT_TRUE(waitFor([&] { return log.events.size() == 5; }));
    EXPECT_FALSE(eventInsideNavigate);
    const QStringList expected = {"progress 0/100", "progress 100/100", "title 第一页",
                                  "complete " + address("/a.html"), "progress 0/0"};
    EXPECT_EQ(log.events, expected);
    EXPECT_EQ(control.bodyText(), QStringLiteral("你好"));
    EXPECT_EQ(control.title(), QStringLiteral("第一页"));
    EXPECT_EQ(control.LocationURL(), address("/a.html"));
}

TEST_F(BrowserControlTest, DocumentIsDecodedAsGbkWithAbsoluteLinks)
{
    page("/dir/links.html", "<html><body><a href=\"next.html\">下一页</a> <a href=\"http://other.test/x\">外</a>"
                            "</body></html>");
    BrowserControl control;
    EventLog log(control);
    control.Navigate(address("/dir/links.html"));
    ASSERT_TRUE(waitFor([&] { return log.completed == 1; }));
    EXPECT_EQ(control.bodyText(), QStringLiteral("下一页 外"));
    const QStringList links = {address("/dir/next.html"), "http://other.test/x"};
    EXPECT_EQ(control.links(), links);
    EXPECT_EQ(control.title(), address("/dir/links.html")) << "an untitled page shows its address";
}

TEST_F(BrowserControlTest, PreviousDocumentStaysReadableUntilTheNewOneArrives)
{
    page("/old.html", "<html><head><title>旧</title></head><body>旧页面</body></html>");
    slowPage("/new.html", "<html><head><title>新</title></head><body>新页面</body></html>",
             std::chrono::milliseconds(500));

    BrowserControl control;
    EventLog log(control);
    control.Navigate(address("/old.html"));
    ASSERT_TRUE(waitFor([&] { return log.completed == 1; }));

    control.Navigate(address("/new.html"));
    ASSERT_TRUE(waitFor([&] { return log.events.last() == QStringLiteral("progress 0/100"); }));
    QTest::qWait(200);
    EXPECT_EQ(log.completed, 1);
    EXPECT_EQ(control.bodyText(), QStringLiteral("旧页面"));
    EXPECT_EQ(control.title(), QStringLiteral("旧"));
    EXPECT_EQ(control.LocationURL(), address("/old.html"));

    ASSERT_TRUE(waitFor([&] { return log.completed == 2; }));
    EXPECT_EQ(control.bodyText(), QStringLiteral("新页面"));
    EXPECT_EQ(control.LocationURL(), address("/new.html"));
}

TEST_F(BrowserControlTest, RedirectShowsInLocationUrl)
{
    server.addRedirect(kHost, "/start", address("/landed.html"));
    page("/landed.html", "<html><head><title>到了</title></head><body>终点</body></html>");
    BrowserControl control;
    EventLog log(control);
    control.Navigate(address("/start"));
    ASSERT_TRUE(waitFor([&] { return log.completed == 1; }));
    EXPECT_EQ(control.LocationURL(), address("/landed.html"));
    EXPECT_TRUE(log.events.contains("complete " + address("/landed.html")));
    EXPECT_EQ(control.bodyText(), QStringLiteral("终点"));
}

TEST_F(BrowserControlTest, FailedLoadsGiveTheErrorDocumentWithTheSameEvents)
{
    // A port nobody listens on, reached without the proxy.
    const QString refused = test::closedLocalAddress();
    ASSERT_FALSE(refused.isEmpty());

    FixtureReply stall;
    stall.behaviour = FixtureReply::Behaviour::Stall;
    server.addReply(kHost, "/stalled", stall);
    page("/ok.html", "<html><head><title>有</title></head><body>有内容 <a href=\"/x\">x</a></body></html>");

    struct Case
    {
        const char *name;
        QString address;
        bool direct;
    };
    const Case cases[] = {
        {"refused port", refused + QStringLiteral("/"), true},
        {"stalled server", address("/stalled"), false},
        {"unknown host", QStringLiteral("http://nowhere.invalid/"), false},
        {"unsupported scheme", QStringLiteral("ftp://browser.test/file"), false},
    };
    for (const Case &c : cases) {
        BrowserControl control;
        EventLog log(control);
        control.Navigate(address("/ok.html"));
        ASSERT_TRUE(waitFor([&] { return log.completed == 1; })) << c.name;
        ASSERT_FALSE(control.bodyText().isEmpty());

        std::unique_ptr<ScopedProxyEnvironment> direct;
        if (c.direct)
            direct = std::make_unique<ScopedProxyEnvironment>(QString());
        QElapsedTimer timer;
        timer.start();
        control.Navigate(c.address);
        // Within the shortened limit of 1.5 s, with room for a slow machine.
        ASSERT_TRUE(waitFor([&] { return log.completed == 2; }, 6000)) << c.name;
        EXPECT_LT(timer.elapsed(), 6000) << c.name;
        EXPECT_EQ(log.events.mid(log.events.size() - 4),
                  QStringList({"progress 100/100", "title " + c.address, "complete " + c.address, "progress 0/0"}))
            << c.name;
        EXPECT_TRUE(control.bodyText().isEmpty()) << c.name;
        EXPECT_TRUE(control.links().isEmpty()) << c.name;
        EXPECT_EQ(control.LocationURL(), c.address) << c.name;
    }
}

TEST_F(BrowserControlTest, NewerNavigationSupersedesOneInFlight)
{
    slowPage("/slow.html", "<html><body>慢</body></html>", std::chrono::milliseconds(400));
    page("/fast.html", "<html><body>快</body></html>");

    BrowserControl control;
    EventLog log(control);
    control.Navigate(address("/slow.html"));
    control.Navigate(address("/fast.html"));
    ASSERT_TRUE(waitFor([&] { return log.completed == 1; }));
    QTest::qWait(700);
    EXPECT_EQ(log.completed, 1);
    EXPECT_EQ(control.bodyText(), QStringLiteral("快"));
    EXPECT_EQ(log.events.count("progress 0/100"), 1) << "the superseded load's progress is dropped too";
}

TEST_F(BrowserControlTest, DestroyingTheControlMidLoadIsSafe)
{
    slowPage("/slow.html", "<html><body>慢</body></html>", std::chrono::milliseconds(300));
    page("/fast.html", "<html><body>快</body></html>");

    int events = 0;
    {
        auto control = std::make_unique<BrowserControl>();
        QObject::connect(control.get(), &BrowserControl::DocumentComplete, [&] { ++events; });
        control->Navigate(address("/slow.html"));
        control.reset();
    }
    {
        // The page has arrived and its delivery is posted, but not yet processed.
        auto control = std::make_unique<BrowserControl>();
        QObject::connect(control.get(), &BrowserControl::DocumentComplete, [&] { ++events; });
        control->Navigate(address("/fast.html"));
        // Wait without running the event loop, so the posted delivery stays unprocessed.
        for (int i = 0; i < 500 && server.requests().size() < 2; ++i)
            QThread::msleep(10);
        ASSERT_EQ(server.requests().size(), 2u);
        QThread::msleep(300);
        control.reset();
    }
    QTest::qWait(600);
    EXPECT_EQ(events, 0);
    EXPECT_EQ(server.requests().size(), 2u) << "both loads ran to their end in the background";
}
