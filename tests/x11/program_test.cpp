#include "fixture_server.h"
#include "wait.h"

#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

using fendrake::test::FixtureServer;
using fendrake::test::waitFor;

namespace {

constexpr auto kMainTitle = "^Fendrake 4\\.02$";

// A starting program gets longer than the usual wait.
constexpr int kProgramWaitMs = 15000;

QStringList xdotool(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral("xdotool"), arguments);
    process.waitForFinished(10000);
    return QString::fromLatin1(process.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
}

QStringList windowsNamed(qint64 pid, const QString &pattern)
{
    return xdotool({QStringLiteral("search"), QStringLiteral("--all"), QStringLiteral("--onlyvisible"),
                    QStringLiteral("--pid"), QString::number(pid), QStringLiteral("--name"), pattern});
}

// The real program against the fixture proxy, with a lock folder of its own.
class Program
{
public:
    Program(const FixtureServer &server, const QString &runtimeDir)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("http_proxy"), server.proxyAddress());
        environment.remove(QStringLiteral("no_proxy"));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir);
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        m_process.setProcessEnvironment(environment);
        m_process.setProcessChannelMode(QProcess::ForwardedChannels);
        m_process.start(QString::fromUtf8(FENDRAKE_BINARY), {});
    }

    ~Program()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.terminate();
            if (!m_process.waitForFinished(5000))
                m_process.kill();
            m_process.waitForFinished(5000);
        }
    }

    qint64 pid() const { return m_process.processId(); }
    QProcess &process() { return m_process; }

    QString mainWindow(int ms = kProgramWaitMs)
    {
        QStringList found;
        waitFor([&] { return !(found = windowsNamed(pid(), QString::fromLatin1(kMainTitle))).isEmpty(); }, ms);
        return found.value(0);
    }

private:
    QProcess m_process;
};

class ProgramTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(runtimeDir.isValid());
        ASSERT_TRUE(server.start());
    }

    QTemporaryDir runtimeDir;
    FixtureServer server;
};

} // namespace

// Also the smoke test: the main window is drawn on the screen, not a blank one.
TEST_F(ProgramTest, CurrentVersionNoticeGivesWayToTheMainWindowWithoutMessage)
{
    Program program(server, runtimeDir.path());
    const QString window = program.mainWindow();
    ASSERT_FALSE(window.isEmpty());
    EXPECT_TRUE(windowsNamed(program.pid(), QStringLiteral("版本信息")).isEmpty());
    EXPECT_EQ(server.requests().size(), 1u);

    const QString shot = runtimeDir.filePath(QStringLiteral("screen.png"));
    EXPECT_EQ(QProcess::execute(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"), shot}), 0);
    const QImage image(shot);
    ASSERT_FALSE(image.isNull());
    QImage blank(image.size(), image.format());
    blank.fill(image.pixel(0, 0));
    EXPECT_NE(image, blank) << "the screen is one colour";
}

TEST_F(ProgramTest, NewerVersionNoticeShowsTheVersionBoxThenTheMainWindow)
{
    server.addPage(QStringLiteral("blog.fendrake.net"), QStringLiteral("/post/update-notice.html"),
                   QStringLiteral("update-notice/newer.html"));
    Program program(server, runtimeDir.path());
    QStringList box;
    ASSERT_TRUE(waitFor([&] { return !(box = windowsNamed(program.pid(), QStringLiteral("版本信息"))).isEmpty(); },
                        kProgramWaitMs));
    EXPECT_TRUE(windowsNamed(program.pid(), QString::fromLatin1(kMainTitle)).isEmpty()) << "not before the box";

    xdotool({QStringLiteral("windowactivate"), box.first()});
    xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), box.first()});
    xdotool({QStringLiteral("key"), QStringLiteral("Return")});
    EXPECT_FALSE(program.mainWindow().isEmpty());
}

// A second start exits at once while the first keeps running; a killed copy's lock does not block the next.
TEST_F(ProgramTest, OneCopyRunsAtATimeAndAKilledOneDoesNotBlockTheNext)
{
    {
        Program first(server, runtimeDir.path());
        const QString window = first.mainWindow();
        ASSERT_FALSE(window.isEmpty());

        Program second(server, runtimeDir.path());
        ASSERT_TRUE(second.process().waitForFinished(10000));
        EXPECT_EQ(second.process().exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(second.process().exitCode(), 0);
        EXPECT_EQ(server.requests().size(), 1u) << "the second copy read no notice page";
        EXPECT_EQ(first.process().state(), QProcess::Running);
        EXPECT_EQ(first.mainWindow(1000), window);

        first.process().kill();
        first.process().waitForFinished(5000);
    }
    Program next(server, runtimeDir.path());
    EXPECT_FALSE(next.mainWindow().isEmpty());
}

TEST_F(ProgramTest, AltAActivatesTheMainWindowFromAnotherProgram)
{
    Program program(server, runtimeDir.path());
    const QString window = program.mainWindow();
    ASSERT_FALSE(window.isEmpty());

    QProcess other;
    other.start(QStringLiteral("xmessage"),
                {QStringLiteral("-geometry"), QStringLiteral("+600+400"), QStringLiteral("other program")});
    QStringList otherWindow;
    ASSERT_TRUE(waitFor(
        [&] {
            return !(otherWindow = xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                            QStringLiteral("--classname"), QStringLiteral("xmessage")}))
                        .isEmpty();
        },
        kProgramWaitMs));
    xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), otherWindow.first()});
    auto focused = [] { return xdotool({QStringLiteral("getwindowfocus")}).value(0); };
    ASSERT_EQ(focused(), otherWindow.first());

    xdotool({QStringLiteral("key"), QStringLiteral("alt+a")});
    EXPECT_TRUE(waitFor([&] { return focused() == window; }, 5000)) << focused().toStdString();
    other.kill();
    other.waitForFinished();
}
