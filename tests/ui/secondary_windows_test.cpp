#include "app/help_file.h"
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
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <memory>

namespace fendrake {
namespace {

const QString kBlog = QStringLiteral("blog.fendrake.net");
const QString kNotice = QStringLiteral("/post/update-notice.html");

enum class Notice { Current, Newer, Unclosed, NoNetwork };

class SecondaryWindowsTest : public test::QueryPanelTest
{
protected:
    void SetUp() override
    {
        QueryPanelTest::SetUp();
        ASSERT_TRUE(m_help.isValid());
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
        if (notice == Notice::Newer)
            m_routed->addPage(kBlog, kNotice, QStringLiteral("update-notice/newer.html"));
        if (notice == Notice::Unclosed)
            m_routed->addBody(kBlog, kNotice, test::gbkEncoded(QStringLiteral("The Newest Vision：4.03")));
        if (notice == Notice::NoNetwork) {
            test::FixtureReply drop;
            drop.behaviour = test::FixtureReply::Behaviour::Drop;
            m_routed->addPrefixReply(kBlog, QStringLiteral("/"), drop);
        }
    }

    SecondaryWindow *open(const char *entry, const QString &name)
    {
        control<QAction>(entry)->trigger();
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            auto *window = qobject_cast<SecondaryWindow *>(widget);
            if (window && window->objectName() == name && !window->isUnloaded())
                return window;
        }
        ADD_FAILURE() << "no window " << name.toStdString();
        return nullptr;
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

const QString kUpdateFailure = QStringLiteral("检查更新失败！错误原因：\r"
                                              "1.网络不稳定，服务器繁忙，请退出其他大量占用网络资源程序！\r"
                                              "2.FendrakeXMLhttp组件丢失，请重新下载！\r"
                                              "Fendrake服务器出现问题，暂时无法响应您的请求，请稍后再试！");

TEST_F(SecondaryWindowsTest, UpdateCheckEndsInItsThreeStatesOrItsFailureBox)
{
    const struct
    {
        const char *name;
        Notice notice;
        MessageIcon icon;
        QString title;
        QString message;
        QString status;
        QString newest;
        bool checkAgain;
        bool download;
    } cases[] = {
        {"current", Notice::Current, MessageIcon::Information, QStringLiteral("检测结果"),
         QStringLiteral("您使用的是最新版本！"), QStringLiteral("您的版本是最新版本，无需升级！"),
         QStringLiteral("最新版本：4.02"), true, false},
        {"newer", Notice::Newer, MessageIcon::Information, QStringLiteral("检测结果"),
         QStringLiteral("检测到新版本，请下载新版本！"), QStringLiteral("正在连接到服务器..."),
         QStringLiteral("最新版本：4.03"), false, true},
        {"no closing marker", Notice::Unclosed, MessageIcon::Exclamation, QStringLiteral("错误"), kUpdateFailure,
         QStringLiteral("检查更新失败"), QStringLiteral("最新版本："), true, false},
        {"no network", Notice::NoNetwork, MessageIcon::Exclamation, QStringLiteral("错误"), kUpdateFailure,
         QStringLiteral("检查更新失败"), QStringLiteral("最新版本："), true, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        serve(c.notice);
        m_messages.clear();
        const QPointer<SecondaryWindow> window = open("mnuUpdate", QStringLiteral("Form5"));
        ASSERT_TRUE(window);
        EXPECT_EQ(text(window, "Label4"), QStringLiteral("本地版本：4.02"));
        click(window, "Command1");
        expectOneMessage(c.icon, c.title, c.message);
        EXPECT_EQ(text(window, "Label3"), c.status);
        EXPECT_EQ(text(window, "Label5"), c.newest);
        EXPECT_EQ(enabled(window, "Command1"), c.checkAgain);
        EXPECT_EQ(enabled(window, "Command3"), c.download);
        if (c.notice == Notice::Newer) {
            EXPECT_EQ(text(window, "Text1"),
                      QStringLiteral("1. 修正了网址安全检查的若干问题\n2. 新增两个地区的工商信息查询"));
            click(window, "Command3");
            EXPECT_EQ(m_opened.addresses(), QStringList(QStringLiteral("http://download.fendrake.net/soft/fendrake.html")));
        }
        click(window, "Command2");
        ASSERT_TRUE(test::waitFor([&] { return window.isNull(); }));
    }
}


const QString kFaultDone = QStringLiteral("检查已完成！点击“关闭”进入主程序！如果没检测到故障确实有故障请联系客服QQ："
                                          "10086512或support@fendrake.net");

TEST_F(SecondaryWindowsTest, FaultDetectionShowsEachStepsResultAndGoesOn)
{
    const QString good6 = QStringLiteral("√您使用的是最新版本！");
    const QString bad6 = QStringLiteral("×您使用的不是最新版本！请及时升级！");
    const struct
    {
        const char *name;
        Notice notice;
        bool help;
        QList<std::pair<const char *, QString>> lines;
    } cases[] = {
        {"all well", Notice::Current, true,
         {{"Label2", QStringLiteral("√本机网络连接正常！")},
          {"Label3", QStringLiteral("√连接Fendrake服务器成功！")},
          {"Label4", QStringLiteral("√PingFendrake服务器成功！")},
          {"Label6", good6},
          {"Label7", QStringLiteral("√帮助文件正常！")},
          {"Label9", QStringLiteral("√已经找到nslookup组件！")},
          {"Label10", QStringLiteral("√XMLHTTP组件正常！")},
          {"Label11", QStringLiteral("√信息检索组件正确！")}}},
        {"no network", Notice::NoNetwork, true,
         {{"Label3", QStringLiteral("×连接Fendrake服务器失败！")},
          {"Label4", QStringLiteral("×PingFendrake服务器失败")},
          {"Label6", bad6},
          {"Label10", QStringLiteral("×XMLHTTP组件丢失或损坏！")}}},
        {"help missing", Notice::Current, false, {{"Label7", QStringLiteral("帮助文件不存在！")}, {"Label6", good6}}},
        {"newer version", Notice::Newer, true, {{"Label6", bad6}}},
        {"no closing marker", Notice::Unclosed, true, {{"Label6", bad6}}},
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
        for (const auto &[label, line] : c.lines)
            EXPECT_EQ(text(window, label), line) << label;
        EXPECT_EQ(text(window, "Label5"), QStringLiteral("√主程序MD5：") + ownHash);
        EXPECT_TRUE(text(window, "Label12").startsWith(QStringLiteral("√IE版本：libcurl ")));
        EXPECT_TRUE(text(window, "Label13").startsWith(QStringLiteral("√操作系统:   ")));
        expectOneMessage(MessageIcon::Information, QStringLiteral("检测完成"), kFaultDone);
        EXPECT_FALSE(enabled(window, "Command1"));
        click(window, "Command2");
        ASSERT_TRUE(test::waitFor([&] { return window.isNull(); }));
    }
}

TEST_F(SecondaryWindowsTest, ClosingFaultDetectionDuringAWaitEndsTheRunQuietly)
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
    EXPECT_EQ(text(reopened, "Label2"), QStringLiteral("● 检查本机网络连接。"));
}

} // namespace
} // namespace fendrake
