#include "app/help_file.h"
#include "app/menus.h"
#include "app/secondary_window.h"
#include "app/services/file_hash.h"
#include "app/services/pause.h"
#include "qt_printers.h"
#include "query_panel_test.h"
#include "scoped_fetch_limits.h"
#include "wait.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <utility>

namespace fendrake {
namespace {

const QString kBlog = QStringLiteral("blog.fendrake.net");
const QString kNotice = QStringLiteral("/post/update-notice.html");

// clang-format off
enum class Notice { Current, Newer, Unclosed, NoNetwork };
// clang-format on

// A real main window with its menus; addresses and boxes recorded, waits at once, help page in a folder of ours.
class MenusTest : public test::QueryPanelTest
{
protected:
    void SetUp() override
    {
        QueryPanelTest::SetUp();
        QFile page(m_help.filePath(QStringLiteral("help.html")));
        ASSERT_TRUE(page.open(QIODevice::WriteOnly));
        m_savedHelp = setHelpFolder(m_help.path());
        // Each reading of the clock is a second later, so every wait ends at once.
        m_savedClock = setPauseClock([this] {
            if (m_onPause)
                m_onPause();
            return m_seconds++;
        });
    }

    void TearDown() override
    {
        setPauseClock(m_savedClock);
        setHelpFolder(m_savedHelp);
    }

    // A fresh server per case: the first route of a page wins, so routes cannot be replaced.
    void serve(Notice notice)
    {
        m_routed = std::make_unique<test::ProxiedFixtureServer>();
        ASSERT_TRUE(m_routed->startProxied());
        if (notice == Notice::Newer || notice == Notice::Unclosed)
            m_routed->addPage(kBlog, kNotice,
                              notice == Notice::Newer ? "update-notice/newer.html" : "update-notice/unclosed.html");
        if (notice == Notice::NoNetwork)
            m_routed->addPrefixReply(kBlog, QStringLiteral("/"), {.behaviour = test::FixtureReply::Behaviour::Drop});
    }

    void trigger(const char *entry) { control<QAction>(entry)->trigger(); }

    // The loaded (not yet closed) top-level windows of that name.
    static QList<SecondaryWindow *> windows(const QString &name)
    {
        QList<SecondaryWindow *> found;
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            auto *window = qobject_cast<SecondaryWindow *>(widget);
            if (window && window->objectName() == name && window->isVisible() && !window->isUnloaded())
                found.append(window);
        }
        return found;
    }

    SecondaryWindow *open(const char *entry, const QString &name)
    {
        trigger(entry);
        return windows(name).value(0);
    }

    static QString text(const QWidget *window, const char *name)
    {
        return test::shownText(test::childNamed<QObject>(window, QString::fromLatin1(name)));
    }

    static bool enabled(const QWidget *window, const char *name)
    {
        return test::childNamed<QWidget>(window, QString::fromLatin1(name))->isEnabled();
    }

    static void click(const QWidget *window, const char *name)
    {
        QTest::mouseClick(test::childNamed<QPushButton>(window, QString::fromLatin1(name)), Qt::LeftButton);
    }

    const test::ScopedFetchLimits m_limits{std::chrono::milliseconds(2000), std::chrono::milliseconds(4000)};
    std::unique_ptr<test::ProxiedFixtureServer> m_routed;
    test::ShellOpenRecorder m_opened;
    QTemporaryDir m_help;
    QString m_savedHelp;
    PauseClock m_savedClock;
    std::function<void()> m_onPause;
    qint64 m_seconds = 1000;
};

// The table is the code's own; what is pinned is that every entry opens its own page of the report centre.
TEST_F(MenusTest, EachReportEntryOpensItsOwnPage)
{
    QStringList expected;
    for (const ReportEntry &row : reportEntries()) {
        trigger(row.entry);
        expected << QStringLiteral("http://jubao.fendrake.net/jvbao_%1.php").arg(QLatin1String(row.key));
    }
    EXPECT_EQ(expected.size(), 19);
    EXPECT_EQ(QStringList(expected).removeDuplicates(), 0);
    EXPECT_EQ(m_opened.addresses(), expected);
    EXPECT_TRUE(m_messages.messages().empty());
}

TEST_F(MenusTest, ContactEntriesAndLabelsOpenTheirLinks)
{
    trigger("mnuWeb");
    QTest::mouseClick(control<QLabel>("Label6"), Qt::LeftButton);
    QTest::mouseClick(control<QLabel>("Label21"), Qt::LeftButton);
    trigger("mnuF2");
    trigger("mnuF3");
    EXPECT_EQ(m_opened.addresses(),
              QStringList({QStringLiteral("http://blog.fendrake.net/"), supportChatLink(),
                           QStringLiteral("mailto:support@fendrake.net")}));
    trigger("mnuQQ");
    ASSERT_EQ(m_messages.messages().size(), 1u);
    EXPECT_EQ(m_messages.messages().front().icon, MessageIcon::Information);
}

TEST_F(MenusTest, HelpEntryOpensThePageBesideTheProgramOrExplainsWhyNot)
{
    const QString page = m_help.filePath(QStringLiteral("help.html"));
    trigger("mnuHelp1");
    ASSERT_TRUE(QFile::remove(page) && QDir().mkdir(page));
    trigger("mnuHelp1"); // a folder in its place cannot be read
    ASSERT_TRUE(QDir().rmdir(page));
    trigger("mnuHelp1"); // missing
    EXPECT_EQ(m_opened.addresses(), QStringList(page));
    ASSERT_EQ(m_messages.messages().size(), 2u);
    for (const test::RecordedMessage &message : m_messages.messages())
        EXPECT_EQ(message.icon, MessageIcon::Critical);
}

TEST_F(MenusTest, WindowEntriesBringUpOneSharedWindowEachThatClosesWithTheMainWindow)
{
    for (const char *entry : {"mnuDoctor", "mnuUpdate", "mnuAbout"}) {
        trigger(entry);
        trigger(entry);
    }
    for (const char *name : {"Form6", "Form5", "Form2"})
        EXPECT_EQ(windows(QString::fromLatin1(name)).size(), 1) << name;
    EXPECT_TRUE(m_opened.addresses().isEmpty());
    m_form->close(); // the program ends, and its windows with it
    for (const char *name : {"Form6", "Form5", "Form2"})
        EXPECT_TRUE(windows(QString::fromLatin1(name)).isEmpty()) << name;
}

TEST_F(MenusTest, ClosedAboutWindowReopensWithItsListFilledOnce)
{
    const QPointer<SecondaryWindow> first = open("mnuAbout", QStringLiteral("Form2"));
    ASSERT_TRUE(first);
    QTest::mouseClick(first->findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);
    EXPECT_TRUE(windows(QStringLiteral("Form2")).isEmpty());
    ASSERT_TRUE(test::waitFor([&] { return first.isNull(); }));

    const QPointer<SecondaryWindow> again = open("mnuAbout", QStringLiteral("Form2"));
    ASSERT_TRUE(again && again != first);
    EXPECT_EQ(again->findChild<QListWidget *>(QStringLiteral("List1"))->count(), 22);
}

TEST_F(MenusTest, UpdateCheckEndsInItsThreeStatesOrItsFailureBox)
{
    const QString failed = QStringLiteral("检查更新失败");
    const QString unknown = QStringLiteral("最新版本：");
    const struct
    {
        const char *name;
        Notice notice;
        bool fails;
        QString status;
        QString newest;
        bool checkAgain;
        bool download;
    } cases[] = {
        {"current", Notice::Current, false, QStringLiteral("您的版本是最新版本，无需升级！"),
         QStringLiteral("最新版本：4.02"), true, false},
        {"newer", Notice::Newer, false, QStringLiteral("正在连接到服务器..."), QStringLiteral("最新版本：4.03"), false,
         true},
        {"no closing marker", Notice::Unclosed, true, failed, unknown, true, false},
        {"no network", Notice::NoNetwork, true, failed, unknown, true, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        serve(c.notice);
        m_messages.clear();
        const QPointer<SecondaryWindow> window = open("mnuUpdate", QStringLiteral("Form5"));
        ASSERT_TRUE(window);
        click(window, "Command1");
        ASSERT_EQ(m_messages.messages().size(), 1u);
        EXPECT_EQ(m_messages.messages().front().icon, c.fails ? MessageIcon::Exclamation : MessageIcon::Information);
        EXPECT_EQ(text(window, "Label3"), c.status);
        EXPECT_EQ(text(window, "Label5"), c.newest);
        EXPECT_EQ(enabled(window, "Command1"), c.checkAgain);
        EXPECT_EQ(enabled(window, "Command3"), c.download);
        if (c.download) {
            EXPECT_FALSE(text(window, "Text1").isEmpty()) << "the notes of the new version";
            click(window, "Command3");
            EXPECT_EQ(m_opened.addresses(),
                      QStringList(QStringLiteral("http://download.fendrake.net/soft/fendrake.html")));
        }
        click(window, "Command2");
        ASSERT_TRUE(test::waitFor([&] { return window.isNull(); }));
    }
}

// Each step's announcement gives way to its result: with a tick when it went well, without one when not.
TEST_F(MenusTest, FaultDetectionShowsEachStepsResultAndGoesOn)
{
    const QStringList allSteps = {"Label2", "Label3", "Label4", "Label6", "Label7", "Label9", "Label10", "Label11"};
    const struct
    {
        const char *name;
        Notice notice;
        bool help;
        QStringList failed;
    } cases[] = {
        {"all well", Notice::Current, true, {}},
        {"no network", Notice::NoNetwork, true, {"Label3", "Label4", "Label6", "Label10"}},
        {"help missing", Notice::Current, false, {"Label7"}},
        {"newer version", Notice::Newer, true, {"Label6"}},
        {"no closing marker", Notice::Unclosed, true, {"Label6"}},
    };
    const QString ownHash = HashFile(QCoreApplication::applicationFilePath());
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        serve(c.notice);
        QFile page(m_help.filePath(QStringLiteral("help.html")));
        ASSERT_TRUE(c.help ? page.open(QIODevice::WriteOnly) : (!page.exists() || page.remove()));
        page.close();
        m_messages.clear();
        const QPointer<SecondaryWindow> window = open("mnuDoctor", QStringLiteral("Form6"));
        ASSERT_TRUE(window);
        click(window, "Command1");
        for (const QString &label : allSteps) {
            const QString line = text(window, qPrintable(label));
            EXPECT_EQ(line.startsWith(u'√'), !c.failed.contains(label)) << label.toStdString() << ": " << line.toStdString();
            EXPECT_FALSE(line.contains(QStringLiteral("检查"))) << label.toStdString() << " still announces its step";
        }
        EXPECT_EQ(text(window, "Label5"), QStringLiteral("√主程序MD5：") + ownHash);
        EXPECT_TRUE(text(window, "Label12").startsWith(QStringLiteral("√IE版本：libcurl ")));
        EXPECT_TRUE(text(window, "Label13").startsWith(QStringLiteral("√操作系统:   ")));
        ASSERT_EQ(m_messages.messages().size(), 1u) << "the end of the run";
        EXPECT_FALSE(enabled(window, "Command1"));
        click(window, "Command2");
        ASSERT_TRUE(test::waitFor([&] { return window.isNull(); }));
    }
}

TEST_F(MenusTest, ClosingFaultDetectionDuringAWaitEndsTheRunQuietly)
{
    const QPointer<SecondaryWindow> window = open("mnuDoctor", QStringLiteral("Form6"));
    ASSERT_TRUE(window);
    int readings = 0;
    // The third reading of the clock falls in the wait of the second step.
    m_onPause = [&] {
        if (++readings == 3)
            window->close();
    };
    click(window, "Command1");
    m_onPause = nullptr;
    EXPECT_TRUE(m_messages.messages().empty());
    EXPECT_TRUE(m_routed == nullptr && m_server.requests().empty()) << "no step after the close";
    ASSERT_TRUE(test::waitFor([&] { return window.isNull(); }));

    const QPointer<SecondaryWindow> reopened = open("mnuDoctor", QStringLiteral("Form6"));
    ASSERT_TRUE(reopened);
    EXPECT_TRUE(enabled(reopened, "Command1"));
}

} // namespace
} // namespace fendrake
