#include "fixture_server.h"
#include "wait.h"

#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using fendrake::test::waitFor;

namespace {

const QString kMainTitle = "^Fendrake 4\\.02$";
const QString kVersionBox = "版本信息";
// A starting program gets longer than the usual wait.
constexpr int kProgramWaitMs = 15000;

QStringList xdotool(const QStringList &arguments)
{
    QProcess process;
    process.start("xdotool", arguments);
    process.waitForFinished(10000);
    return QString::fromLatin1(process.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
}

// The visible windows that meet every criterion, waiting up to ms for a first one.
QStringList search(const QStringList &criteria, int ms)
{
    QStringList found;
    waitFor(
        [&] {
            return !(found = xdotool(QStringList{"search", "--all", "--onlyvisible"} + criteria)).isEmpty();
        },
        ms);
    return found;
}

// The real program against the fixture proxy, with a lock folder of its own.
class Program : public QProcess
{
public:
    Program(const fendrake::test::FixtureServer &server, const QString &runtimeDir)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("http_proxy", server.proxyAddress());
        environment.remove("no_proxy");
        environment.insert("XDG_RUNTIME_DIR", runtimeDir);
        environment.insert("QT_QPA_PLATFORM", "xcb");
        setProcessEnvironment(environment);
        setProcessChannelMode(QProcess::ForwardedChannels);
        start(FENDRAKE_BINARY, {});
    }

    ~Program() override
    {
        // Nothing happens here for a program that has ended.
        terminate();
        if (!waitForFinished(5000))
            kill();
        waitForFinished(5000);
    }

    // The program's window of that title, or an empty text when none shows within ms.
    QString window(const QString &title, int ms = kProgramWaitMs)
    {
        return search({"--pid", QString::number(processId()), "--name", title}, ms).value(0);
    }
};

class ProgramTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_runtimeDir.isValid());
        ASSERT_TRUE(m_server.start());
    }

    QTemporaryDir m_runtimeDir;
    fendrake::test::FixtureServer m_server;
};

// Also the smoke test: the main window is drawn on the screen, not a blank one.
TEST_F(ProgramTest, CurrentVersionNoticeGivesWayToTheMainWindowWithoutMessage)
{
    Program program(m_server, m_runtimeDir.path());
    ASSERT_FALSE(program.window(kMainTitle).isEmpty());
    EXPECT_TRUE(program.window(kVersionBox, 0).isEmpty());
    EXPECT_EQ(m_server.requests().size(), 1u);

    const QString shot = m_runtimeDir.filePath("screen.png");
    EXPECT_EQ(QProcess::execute("import", {"-window", "root", shot}), 0);
    const QImage image(shot);
    ASSERT_FALSE(image.isNull());
    QImage blank(image.size(), image.format());
    blank.fill(image.pixel(0, 0));
    EXPECT_NE(image, blank) << "the screen is one colour";
}

TEST_F(ProgramTest, NewerVersionNoticeShowsTheVersionBoxThenTheMainWindow)
{
    m_server.addReply("blog.fendrake.net", "/post/update-notice.html", {.fixtureFile = "update-notice/newer.html"});
    Program program(m_server, m_runtimeDir.path());
    const QString box = program.window(kVersionBox);
    ASSERT_FALSE(box.isEmpty());
    EXPECT_TRUE(program.window(kMainTitle, 0).isEmpty()) << "not before the box";

    xdotool({"windowactivate", box});
    xdotool({"windowfocus", "--sync", box});
    xdotool({"key", "Return"});
    EXPECT_FALSE(program.window(kMainTitle).isEmpty());
}

// A second start exits at once while the first keeps running (a killed copy's lock: SingleInstance unit tests).
TEST_F(ProgramTest, OneCopyRunsAtATime)
{
    Program first(m_server, m_runtimeDir.path());
    const QString window = first.window(kMainTitle);
    ASSERT_FALSE(window.isEmpty());

    Program second(m_server, m_runtimeDir.path());
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(m_server.requests().size(), 1u) << "the second copy read no notice page";
    EXPECT_EQ(first.state(), QProcess::Running);
    EXPECT_EQ(first.window(kMainTitle, 1000), window);
}

TEST_F(ProgramTest, AltAActivatesTheMainWindowFromAnotherProgram)
{
    Program program(m_server, m_runtimeDir.path());
    const QString window = program.window(kMainTitle);
    ASSERT_FALSE(window.isEmpty());

    QProcess other;
    other.start("xmessage", {"-geometry", "+600+400", "other program"});
    const QString otherWindow = search({"--classname", "xmessage"}, kProgramWaitMs).value(0);
    ASSERT_FALSE(otherWindow.isEmpty());
    xdotool({"windowfocus", "--sync", otherWindow});
    auto focused = [] { return xdotool({"getwindowfocus"}).value(0); };
    ASSERT_EQ(focused(), otherWindow);

    xdotool({"key", "alt+a"});
    EXPECT_TRUE(waitFor([&] { return focused() == window; }, 5000)) << focused().toStdString();
    other.kill();
    other.waitForFinished();
}

} // namespace
