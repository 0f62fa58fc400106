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
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPointer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <tuple>
#include <utility>

namespace fendrake {
namespace {

using test::childNamed;
using test::shownText;

// A real main window with its menus; addresses and boxes recorded, waits end at once, help page in a folder of ours.
class MenusTest : public test::QueryPanelTest
{
protected:
    void SetUp() override
    {
        QueryPanelTest::SetUp();
        ASSERT_TRUE(QFile(helpPage()).open(QIODevice::WriteOnly));
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

    QString helpPage() const { return m_help.filePath("help.html"); }

    // A fresh server per case, as the first route of a page wins: the current notice, "newer", "unclosed" or "drop".
    void serve(const QString &notice)
    {
        m_routed = std::make_unique<test::ProxiedFixtureServer>();
        ASSERT_TRUE(m_routed->startProxied());
        if (notice == "drop")
            m_routed->addPrefixReply("blog.fendrake.net", "/", {.behaviour = test::FixtureReply::Behaviour::Drop});
        else if (!notice.isEmpty())
            m_routed->addReply("blog.fendrake.net", "/post/update-notice.html",
                               {.fixtureFile = "update-notice/" + notice + ".html"});
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

    SecondaryWindow *open(const char *entry, const char *name)
    {
        trigger(entry);
        return windows(name).value(0);
    }

    static QString text(const QWidget *w, const char *name) { return shownText(childNamed<QObject>(w, name)); }
    static bool enabled(const QWidget *w, const char *name) { return childNamed<QWidget>(w, name)->isEnabled(); }
    static void click(const QWidget *w, const char *name)
    {
        QTest::mouseClick(childNamed<QAbstractButton>(w, name), Qt::LeftButton);
    }

    // Closes the window with its close button and waits until it is gone.
    static bool close(const QPointer<SecondaryWindow> &window)
    {
        click(window, "Command2");
        return test::waitFor([&] { return window.isNull(); });
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

// The report table is the code's own; what is pinned is that every entry opens its own page of the report centre.
TEST_F(MenusTest, EachLinkEntryOpensItsOwnAddress)
{
    QStringList expected;
    for (const ReportEntry &row : reportEntries()) {
        trigger(row.entry);
        expected << QStringLiteral("http://jubao.fendrake.net/jvbao_%1.php").arg(QLatin1String(row.key));
    }
    EXPECT_EQ(QStringList(expected).removeDuplicates(), 0);
    trigger("mnuWeb");
    QTest::mouseClick(control<QLabel>("Label6"), Qt::LeftButton);
    QTest::mouseClick(control<QLabel>("Label21"), Qt::LeftButton);
    trigger("mnuF2");
    trigger("mnuF3");
    EXPECT_EQ(m_opened.addresses(),
              expected + QStringList({"http://blog.fendrake.net/", supportChatLink(), "mailto:support@fendrake.net"}));
    EXPECT_TRUE(m_messages.messages().empty());
    trigger("mnuQQ");
    ASSERT_EQ(m_messages.messages().size(), 1u);
    EXPECT_EQ(m_messages.messages().front().icon, MessageIcon::Information);
}

TEST_F(MenusTest, HelpEntryOpensThePageBesideTheProgramOrExplainsWhyNot)
{
    trigger("mnuHelp1");
    ASSERT_TRUE(QFile::remove(helpPage()) && QDir().mkdir(helpPage()));
    trigger("mnuHelp1"); // a folder in its place cannot be read
    ASSERT_TRUE(QDir().rmdir(helpPage()));
    trigger("mnuHelp1"); // missing
    EXPECT_EQ(m_opened.addresses(), QStringList(helpPage()));
    ASSERT_EQ(m_messages.messages().size(), 2u);
    for (const test::RecordedMessage &message : m_messages.messages())
        EXPECT_EQ(message.icon, MessageIcon::Critical);
}

// A closed window is unloaded: the next entry loads a new one, its list filled once.
TEST_F(MenusTest, WindowEntriesBringUpOneSharedWindowEachThatClosesWithTheMainWindow)
{
    const std::pair<const char *, const char *> entries[] = {
        {"mnuDoctor", "Form6"}, {"mnuUpdate", "Form5"}, {"mnuAbout", "Form2"}};
    for (const auto &[entry, name] : entries) {
        trigger(entry);
        trigger(entry);
    }
    for (const auto &[entry, name] : entries)
        EXPECT_EQ(windows(name).size(), 1) << name;
    EXPECT_TRUE(m_opened.addresses().isEmpty());

    const QPointer<SecondaryWindow> first = windows("Form2").value(0);
    click(first, "Command1");
    EXPECT_TRUE(windows("Form2").isEmpty());
    ASSERT_TRUE(test::waitFor([&] { return first.isNull(); }));
    const QPointer<SecondaryWindow> again = open("mnuAbout", "Form2");
    ASSERT_TRUE(again);
    EXPECT_EQ(again->findChild<QListWidget *>("List1")->count(), 22);

    m_form->close(); // the program ends, and its windows with it
    for (const auto &[entry, name] : entries)
        EXPECT_TRUE(windows(name).isEmpty()) << name;
}

// Only a newer version turns the check button into the download button.
TEST_F(MenusTest, UpdateCheckEndsInItsThreeStatesOrItsFailureBox)
{
    const std::tuple<const char *, MessageIcon, QString, QString> cases[] = {
        {"", MessageIcon::Information, "您的版本是最新版本，无需升级！", "最新版本：4.02"},
        {"newer", MessageIcon::Information, "正在连接到服务器...", "最新版本：4.03"},
        {"unclosed", MessageIcon::Exclamation, "检查更新失败", "最新版本："},
        {"drop", MessageIcon::Exclamation, "检查更新失败", "最新版本："}};
    for (const auto &[notice, icon, status, newest] : cases) {
        SCOPED_TRACE(notice);
        serve(notice);
        m_messages.clear();
        const QPointer<SecondaryWindow> window = open("mnuUpdate", "Form5");
        ASSERT_TRUE(window);
        click(window, "Command1");
        ASSERT_EQ(m_messages.messages().size(), 1u);
        EXPECT_EQ(m_messages.messages().front().icon, icon);
        EXPECT_EQ(text(window, "Label3"), status);
        EXPECT_EQ(text(window, "Label5"), newest);
        const bool newer = notice == QLatin1String("newer");
        EXPECT_EQ(enabled(window, "Command1"), !newer);
        EXPECT_EQ(enabled(window, "Command3"), newer);
        if (newer) {
            EXPECT_FALSE(text(window, "Text1").isEmpty()) << "the notes of the new version";
            click(window, "Command3");
            EXPECT_EQ(m_opened.addresses(), QStringList("http://download.fendrake.net/soft/fendrake.html"));
        }
        ASSERT_TRUE(close(window));
    }
}

// Each step's announcement gives way to its result: with a tick when it went well, without one when not.
TEST_F(MenusTest, FaultDetectionShowsEachStepsResultAndGoesOn)
{
    const QStringList allSteps = {"Label2", "Label3",  "Label4",  "Label5",  "Label6", "Label7",
                                  "Label9", "Label10", "Label11", "Label12", "Label13"};
    // The steps that fail; the help page is there unless its step is among them.
    const std::pair<const char *, QStringList> cases[] = {{"", {}},
                                                          {"drop", {"Label3", "Label4", "Label6", "Label10"}},
                                                          {"", {"Label7"}},
                                                          {"newer", {"Label6"}},
                                                          {"unclosed", {"Label6"}}};
    for (const auto &[notice, failed] : cases) {
        SCOPED_TRACE(failed.join(' ').toStdString());
        serve(notice);
        QFile page(helpPage());
        ASSERT_TRUE(failed.contains("Label7") ? !page.exists() || page.remove() : page.open(QIODevice::WriteOnly));
        page.close();
        m_messages.clear();
        const QPointer<SecondaryWindow> window = open("mnuDoctor", "Form6");
        ASSERT_TRUE(window);
        click(window, "Command1");
        for (const QString &label : allSteps) {
            const std::string line = text(window, qPrintable(label)).toStdString();
            EXPECT_EQ(line.starts_with("√"), !failed.contains(label)) << line;
            EXPECT_EQ(line.find("检查"), std::string::npos) << line << ": still announces its step";
        }
        EXPECT_EQ(text(window, "Label5"), "√主程序MD5：" + HashFile(QCoreApplication::applicationFilePath()));
        ASSERT_EQ(m_messages.messages().size(), 1u) << "the end of the run";
        EXPECT_FALSE(enabled(window, "Command1"));
        ASSERT_TRUE(close(window));
    }
}

TEST_F(MenusTest, ClosingFaultDetectionDuringAWaitEndsTheRunQuietly)
{
    const QPointer<SecondaryWindow> window = open("mnuDoctor", "Form6");
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

    const QPointer<SecondaryWindow> reopened = open("mnuDoctor", "Form6");
    ASSERT_TRUE(reopened);
    EXPECT_TRUE(enabled(reopened, "Command1"));
}

} // namespace
} // namespace fendrake
