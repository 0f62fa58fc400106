#include "app/services/browser_control.h"
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
using namespace std::chrono_literals;
using fendrake::test::FixtureReply;
using fendrake::test::gbkEncoded;
using fendrake::test::waitFor;

constexpr auto kHost = "browser.test";

const auto address = [](const QString &path) { return QStringLiteral("http://browser.test") + path; };

// The control's document: its text, title and address.
QStringList document(const BrowserControl &control)
{
    return {control.bodyText(), control.title(), control.LocationURL()};
}

// Every event of a control in arrival order, as text.
struct EventLog
{
    explicit EventLog(BrowserControl &control)
    {
        QObject::connect(&control, &BrowserControl::ProgressChange, [this](int progress, int max) {
            events.append(QString("progress %1/%2").arg(progress).arg(max));
        });
        QObject::connect(&control, &BrowserControl::TitleChange,
                         [this](const QString &t) { events.append("title " + t); });
        QObject::connect(&control, &BrowserControl::DocumentComplete,
                         [this](const QString &url) { events.append("complete " + url); });
    }
    qsizetype completed() const { return events.filter("complete ").size(); }

    QStringList events;
};

class BrowserControlTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(server.startProxied()); }

    void page(const QString &path, const QString &html, std::chrono::milliseconds delay = 0ms)
    {
        server.addReply(kHost, path, {.body = gbkEncoded(html), .delay = delay});
    }

    const test::ScopedFetchLimits limits{1000ms, 1500ms};
    test::ProxiedFixtureServer server;
};

// An untitled page's title is its address: see the error document below.
TEST_F(BrowserControlTest, EventsFollowNavigateInLoadOrderAndTheDocumentIsTheRedirectedGbkPage)
{
    server.addRedirect(kHost, "/start", "HTTP://Browser.Test:80/dir/a.html"); // LocationURL as a browser gives it
    page("/dir/a.html", "<head><title>第一页</title></head><body><a href=\"next.html\">下一页</a> "
                        "<a href=\"http://other.test/x\">外</a></body>");
    BrowserControl control;
    EventLog log(control);
    control.Navigate(address("/start"));
    EXPECT_TRUE(log.events.isEmpty()) << "no event inside Navigate";
    ASSERT_TRUE(waitFor([&] { return log.events.size() == 5; }));
    EXPECT_EQ(log.events, QStringList({"progress 0/100", "progress 100/100", "title 第一页",
                                       "complete " + address("/dir/a.html"), "progress 0/0"}));
    EXPECT_EQ(document(control), QStringList({"下一页 外", "第一页", address("/dir/a.html")}));
    EXPECT_EQ(control.links(), QStringList({address("/dir/next.html"), "http://other.test/x"}));
}

// The superseded page arrives first and is dropped with its events; the old document stays until then.
TEST_F(BrowserControlTest, PreviousDocumentStaysUntilTheNewestNavigationArrives)
{
    page("/old.html", "<html><head><title>旧</title></head><body>旧页面</body></html>");
    page("/superseded.html", "<html><body>慢</body></html>", 200ms);
    page("/new.html", "<html><head><title>新</title></head><body>新页面</body></html>", 900ms);
    BrowserControl control;
    EventLog log(control);
    control.Navigate(address("/old.html"));
    ASSERT_TRUE(waitFor([&] { return log.completed() == 1; }));
    control.Navigate(address("/superseded.html"));
    control.Navigate(address("/new.html"));
    ASSERT_TRUE(waitFor([&] { return log.events.last() == QStringLiteral("progress 0/100"); }));
    QTest::qWait(450);
    EXPECT_EQ(log.completed(), 1);
    EXPECT_EQ(document(control), QStringList({"旧页面", "旧", address("/old.html")}));
    ASSERT_TRUE(waitFor([&] { return log.completed() == 2; }));
    EXPECT_EQ(document(control), QStringList({"新页面", "新", address("/new.html")}));
    EXPECT_EQ(log.events.filter("progress 0/100").size(), 2) << "the superseded load's progress is dropped too";
    EXPECT_EQ(log.events.filter("complete"),
              QStringList({"complete " + address("/old.html"), "complete " + address("/new.html")}));
}

// Which failures a fetch knows is pinned with the fetch; here, that each one ends in the error document.
TEST_F(BrowserControlTest, FailedLoadsGiveTheErrorDocumentWithTheSameEvents)
{
    server.addReply(kHost, "/stalled", {.behaviour = FixtureReply::Behaviour::Stall});
    page("/ok.html", "<html><head><title>有</title></head><body>有内容 <a href=\"/x\">x</a></body></html>");
    for (const QString &failing : {address("/stalled"), QStringLiteral("ftp://browser.test/file")}) {
        SCOPED_TRACE(failing.toStdString());
        BrowserControl control;
        EventLog log(control);
        control.Navigate(address("/ok.html"));
        ASSERT_TRUE(waitFor([&] { return log.completed() == 1; }));
        ASSERT_FALSE(control.bodyText().isEmpty());
        QElapsedTimer timer;
        timer.start();
        control.Navigate(failing);
        EXPECT_EQ(log.completed(), 1) << "no event inside Navigate";
        // Within the shortened limit of 1.5 s, with room for a slow machine.
        ASSERT_TRUE(waitFor([&] { return log.completed() == 2; }, 6000));
        EXPECT_LT(timer.elapsed(), 6000);
        EXPECT_EQ(log.events.mid(log.events.size() - 4),
                  QStringList({"progress 100/100", "title " + failing, "complete " + failing, "progress 0/0"}));
        EXPECT_EQ(document(control), QStringList({"", failing, failing}));
        EXPECT_TRUE(control.links().isEmpty());
    }
}

TEST_F(BrowserControlTest, DestroyingTheControlMidLoadIsSafe)
{
    page("/slow.html", "<html><body>慢</body></html>", 300ms);
    page("/fast.html", "<html><body>快</body></html>");
    int events = 0;
    for (const char *path : {"/slow.html", "/fast.html"}) {
        auto control = std::make_unique<BrowserControl>();
        QObject::connect(control.get(), &BrowserControl::DocumentComplete, [&] { ++events; });
        control->Navigate(address(path));
        if (path == QLatin1String("/fast.html")) {
            // Wait without running the event loop, so the page's posted delivery stays unprocessed.
            for (int i = 0; i < 500 && server.requests().size() < 2; ++i)
                QThread::msleep(10);
            ASSERT_EQ(server.requests().size(), 2u);
            QThread::msleep(300);
        }
    }
    QTest::qWait(600);
    EXPECT_EQ(events, 0);
    EXPECT_EQ(server.requests().size(), 2u) << "both loads ran to their end in the background";
}
