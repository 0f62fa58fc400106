#include "fixture_server.h"
#include "wait.h"

#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QMimeData>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

// Last: Xlib's macros clash with names of the headers above.
#include <X11/Xlib.h>

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
    waitFor([&] { return process.state() == QProcess::NotRunning; }); // the program may read our clipboard
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

// Moves the pointer to that point of the window and clicks there with that button.
void click(const QString &window, QPoint at, const char *button = "1")
{
    xdotool({"mousemove", "--window", window, QString::number(at.x()), QString::number(at.y()), "click", button});
}

// The real program against the fixture proxy, with a lock folder of its own.
class Program : public QProcess
{
public:
    // leakCheck false: the sanitizers' leak check at the end (some 200 ms) is left out, for timing the end.
    Program(const fendrake::test::FixtureServer &server, const QString &runtimeDir, bool leakCheck = true)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        if (!leakCheck)
            environment.insert("ASAN_OPTIONS", environment.value("ASAN_OPTIONS") + ":detect_leaks=0");
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

    // The xdotool calls may already have seen the end, while they waited.
    bool ended(int ms) { return state() == NotRunning || waitForFinished(ms); }

    // The program's window of that title, or an empty text when none shows within ms.
    QString window(const QString &title, int ms = kProgramWaitMs)
    {
        return search({"--pid", QString::number(processId()), "--name", title}, ms).value(0);
    }

    // Where frmMain's designed positions start in the main window: below the menu bar (frmMain stands at
    // y -3 in the central widget, which is designed 413 high).
    static QPoint frmMain(const QString &main)
    {
        const QString height = xdotool({"getwindowgeometry", "--shell", main}).filter("HEIGHT=").value(0);
        return {0, height.mid(7).toInt() - 413 - 3};
    }

    // Opens the menu 文件 and waits for it to show; the arrow keys go on from there.
    void openFileMenu(const QString &main)
    {
        const auto shown = [this] { return search({"--pid", QString::number(processId())}, 0).size(); };
        const qsizetype before = shown();
        click(main, {20, frmMain(main).y() / 2});
        waitFor([&] { return shown() > before; });
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

// The multi-line boxes: the heights of their level's and feature's buttons (初级 shows first) and a point below a
// one-line text in the box, in frmMain as designed; Text1 is in Form5, from 帮助 > 在线升级.
const std::tuple<const char *, int, int, QPoint> kBoxes[] = {
    {"txtYuMingJG", 26, 192, {352, 321}}, {"txtIPJG", 26, 112, {352, 185}},   {"txtZhuJiJG", 366, 104, {368, 233}},
    {"txtSLJG", 366, 224, {348, 297}},    {"txtTelWZ", 394, 224, {264, 329}}, {"Text10", 394, 304, {352, 361}},
    {"Text1", 0, 0, {332, 177}}};

// Owns the clipboard and the selection with data of that format, or, given none, leaves them without an owner.
void setClipboards(const QString &format, const QByteArray &data)
{
    for (const QClipboard::Mode mode : {QClipboard::Clipboard, QClipboard::Selection}) {
        auto *mime = new QMimeData;
        mime->setData(format.isEmpty() ? "text/plain" : format, data);
        QGuiApplication::clipboard()->setMimeData(mime, mode);
        if (format.isEmpty()) // only an owner can
            QGuiApplication::clipboard()->clear(mode);
    }
}

// The focused box's text, by select-all and copy: the keys and clicks sent before meet the clipboards as set.
QString copiedBoxText(const QProcess &program)
{
    xdotool({"key", "ctrl+a", "ctrl+c"});
    QClipboard *clipboard = QGuiApplication::clipboard();
    const auto copied = [&] { return clipboard->ownsClipboard() ? QString() : clipboard->text(); };
    waitFor([&] { return !copied().isEmpty() || program.state() != QProcess::Running; }, 5000);
    const QString text = copied();
    QTest::qWait(20); // the read's events bring a time past the copy's: the program ignores an owner change not later
    return text;
}

// Qt 6.4 crashed on a paste from an empty clipboard or selection (X gives a source without formats).
TEST_F(ProgramTest, MultiLineBoxesPasteTextOnlyAndSurviveAnEmptyOrImageClipboard)
{
    Program program(m_server, m_runtimeDir.path());
    const QString main = program.window(kMainTitle);
    ASSERT_FALSE(main.isEmpty());
    const QPoint frmMain = Program::frmMain(main);
    for (const auto &[name, level, button, place] : kBoxes) {
        SCOPED_TRACE(name);
        QString window = main;
        QPoint end = place;
        if (level) {
            for (const QPoint at : {QPoint(76, 26), QPoint(76, level), QPoint(72, button)})
                click(main, frmMain + at);
            end += frmMain;
        } else {
            program.openFileMenu(main); // then over to 帮助 and down to 在线升级
            xdotool({"key", "Left", "Down", "Down", "Down", "Return"});
            ASSERT_FALSE((window = program.window("^软件升级$")).isEmpty());
        }
        xdotool({"windowfocus", "--sync", window});
        QString expected = QString("pasted into ") + name;
        setClipboards("text/plain", expected.toUtf8());
        click(window, end);
        xdotool({"key", "ctrl+a", "ctrl+v"});
        ASSERT_EQ(copiedBoxText(program), expected);
        // Ctrl+V, Shift+Insert and a middle click below the text.
        for (const auto &[format, data, pasted] :
             {std::tuple{"", "", ""}, {"image/png", "png", ""}, {"text/plain", "+", "+"}}) {
            setClipboards(format, data);
            xdotool({"key", "ctrl+End", "ctrl+v", "shift+Insert"});
            click(window, end, "2");
            EXPECT_EQ(copiedBoxText(program), expected += QString(pasted).repeated(3)) << format;
            ASSERT_EQ(program.state(), QProcess::Running) << format;
        }
    }
    EXPECT_EQ(m_server.requests().size(), 1u) << "no query started";
}

// Asks the window to close, as a window manager's close box does.
void closeBox(const QString &window)
{
    static Display *const display = XOpenDisplay(nullptr);
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window.toULong();
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, event.xclient.window, False, NoEventMask, &event);
    XFlush(display);
}

// Every exit ends the program within 100 ms, inside the fault detection's one-second wait or the shop
// evaluation's pause alike: nothing more is fetched and the lock is given up for the next start.
TEST_F(ProgramTest, EveryExitEndsTheProgramAtOnceInsideAWait)
{
    ASSERT_TRUE(m_server.loadRouteFile(QDir(m_server.fixturesDir()).filePath("demo-routes.txt")));
    const auto requests = [this] { return m_server.requests().size(); };
    // Each returns once the program is in its wait; the fault detection's second step fetches, then it waits.
    using Step = std::function<void(Program &, const QString &)>;
    const std::pair<const char *, Step> waits[] = {
        {"fault detection",
         [&](Program &program, const QString &main) {
             program.openFileMenu(main);
             xdotool({"key", "Right", "Return"}); // 工具 > 故障检测
             const QString form6 = search({"--name", "^Fendrake故障检测$"}, kProgramWaitMs).value(0);
             xdotool({"windowmove", "--sync", form6, "600", "0"}); // off the main window's menu bar
             const auto before = requests();
             click(form6, {56, 352}); // 开始检测
             ASSERT_TRUE(waitFor([&] { return requests() == before + 1; }, 5000));
         }},
        {"shop evaluation", [&](Program &, const QString &main) {
             const QPoint frmMain = Program::frmMain(main);
             for (const QPoint at : {QPoint(76, 394), QPoint(72, 304), QPoint(336, 32)}) // 高级, the shop, txtTB
                 click(main, frmMain + at);
             const auto before = requests();
             xdotool({"type", "abc"});
             xdotool({"key", "Return"});
             ASSERT_TRUE(waitFor([&] { return requests() == before + 3; }, 5000)); // search, shop, rating
             for (const auto &[at, typed] : {std::pair(QPoint(264, 240), "10"), {QPoint(400, 240), "1"}}) {
                 click(main, frmMain + at); // Text7, Text8
                 xdotool({"type", typed});
             }
             click(main, frmMain + QPoint(504, 212)); // 专家建议
             QTest::qWait(300);
         }}};
    // Each gets ready, then ends the program by its last step.
    const std::tuple<const char *, Step, std::function<void(const QString &)>> exits[] = {
        {"退出",
         [](Program &, const QString &main) {
             const int y = Program::frmMain(main).y() + 398;
             xdotool({"mousemove", "--window", main, "536", QString::number(y)});
         },
         [](const QString &) {
             xdotool({"click", "--delay", "0", "1"});
         }},
        {"close box", [](Program &, const QString &) {}, closeBox},
        {"文件 > 退出",
         [](Program &program, const QString &main) {
             program.openFileMenu(main);
             xdotool({"key", "Down"});
         },
         [](const QString &) {
             xdotool({"key", "Return"});
         }},
    };
    for (const auto &[wait, during] : waits) {
        for (const auto &[exit, ready, end] : exits) {
            SCOPED_TRACE(std::string(wait) + ", " + exit);
            Program program(m_server, m_runtimeDir.path(), false);
            const QString main = program.window(kMainTitle);
            ASSERT_FALSE(main.isEmpty()) << "not taken for a second copy";
            during(program, main);
            ready(program, main);
            const auto fetched = requests();
            QElapsedTimer clock;
            clock.start();
            end(main);
            ASSERT_TRUE(program.ended(5000));
            EXPECT_LT(clock.elapsed(), 100);
            EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
            EXPECT_EQ(program.exitCode(), 0);
            EXPECT_EQ(requests(), fetched);
            EXPECT_FALSE(QFile::exists(m_runtimeDir.filePath("fendrake.lock")));
        }
    }
    // The end keeps the sanitizers' leak check: a leak would end the program with another code.
    Program program(m_server, m_runtimeDir.path());
    const QString main = program.window(kMainTitle);
    ASSERT_FALSE(main.isEmpty());
    closeBox(main);
    ASSERT_TRUE(program.ended(10000));
    EXPECT_EQ(program.exitCode(), 0);
}

} // namespace
