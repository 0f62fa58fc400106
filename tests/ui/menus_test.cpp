#include "app/help_file.h"
#include "app/secondary_window.h"
#include "query_panel_test.h"
#include "wait.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace fendrake {
namespace {

class MenusTest : public test::QueryPanelTest
{
protected:
    void trigger(const char *entry) { control<QAction>(entry)->trigger(); }

    // The visible, still loaded top-level windows of that name.
    static QList<SecondaryWindow *> openWindows(const QString &name)
    {
        QList<SecondaryWindow *> found;
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            auto *window = qobject_cast<SecondaryWindow *>(widget);
            if (window && window->objectName() == name && window->isVisible() && !window->isUnloaded())
                found.append(window);
        }
        return found;
    }

    test::ShellOpenRecorder m_opened;
};

TEST_F(MenusTest, EachReportEntryOpensItsOwnPage)
{
    const struct
    {
        const char *entry;
        const char *page;
    } cases[] = {
        {"mnuLaJiEmail", "mail"}, {"mnuEYiSoft", "soft"},  {"mnuWebSite", "web"},     {"mnuBlog", "blog"},
        {"mnuBBS", "bbs"},        {"mnuInfo", "instant"},  {"mnuQiTa", "other1"},     {"mnuLJDX", "sms"},
        {"mnuYDSR", "tel1"},      {"mnuWAP", "wap"},       {"mnuCX", "mms"},          {"mnuVIR", "ivr"},
        {"mnuCL", "crbt"},        {"mnuYDLAJI", "other2"}, {"mnuSRDH", "tel2"},       {"mnuSXT", "voice"},
        {"mnuCZ", "fax"},         {"mnuGDI", "other3"},    {"mnuQiTaInfo", "other4"},
    };
    QStringList expected;
    for (const auto &c : cases) {
        trigger(c.entry);
        expected << QStringLiteral("http://jubao.fendrake.net/jvbao_%1.php").arg(QLatin1String(c.page));
    }
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
              QStringList({QStringLiteral("http://blog.fendrake.net/"),
                           QStringLiteral("Tencent://Message/?Uin=10086512&websiteName=Fendrake&Menu=yes"),
                           QStringLiteral("mailto:support@fendrake.net")}));
    EXPECT_EQ(control<QLabel>("Label6")->text(), QStringLiteral("在线支持QQ：10086512"));

    trigger("mnuQQ");
    expectOneMessage(MessageIcon::Information, QStringLiteral("联系方式"),
                     QStringLiteral("QQ:10086512，Email：support@fendrake.net"));
}

TEST_F(MenusTest, HelpEntryOpensThePageBesideTheProgramOrExplainsWhyNot)
{
    const QString failure = QStringLiteral("无法打开帮助文件！错误原因：\r"
                                           "1.帮助文件不存在、被移动或被改名，请重新下载本软件！\r"
                                           "2.帮助文件损坏，无法打开，请重新下载！\r"
                                           "3.硬盘出现坏道、坏扇区、文件系统错误，请检查磁盘问题！\r"
                                           "4.系统繁忙，暂时无法打开，请稍后再试！");
    enum class Place { Missing, Folder, Page };
    const struct
    {
        const char *name;
        Place place;
    } cases[] = {{"missing", Place::Missing}, {"a folder in its place", Place::Folder}, {"present", Place::Page}};
    for (const auto &c : cases) {
        QTemporaryDir folder;
        const QString page = folder.filePath(QStringLiteral("help.html"));
        if (c.place == Place::Folder) {
            ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("help.html")));
        }
        if (c.place == Place::Page) {
            QFile file(page);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write("<html></html>");
        }
        const QString saved = setHelpFolder(folder.path());
        m_messages.clear();
        const qsizetype openedBefore = m_opened.addresses().size();
        trigger("mnuHelp1");
        setHelpFolder(saved);
        if (c.place == Place::Page) {
            EXPECT_TRUE(m_messages.messages().empty()) << c.name;
            EXPECT_EQ(m_opened.addresses().mid(openedBefore), QStringList(page)) << c.name;
        } else {
            expectOneMessage(MessageIcon::Critical, QStringLiteral("错误"), failure);
            EXPECT_EQ(m_opened.addresses().size(), openedBefore) << c.name;
        }
    }
}

TEST_F(MenusTest, WindowEntriesBringUpOneSharedWindowEach)
{
    for (const char *entry : {"mnuDoctor", "mnuUpdate", "mnuAbout"}) {
        trigger(entry);
        trigger(entry);
    }
    for (const char *name : {"Form6", "Form5", "Form2"})
        EXPECT_EQ(openWindows(QString::fromLatin1(name)).size(), 1) << name;
    EXPECT_TRUE(m_opened.addresses().isEmpty());
}

TEST_F(MenusTest, ClosedAboutWindowReopensWithItsListFilledOnce)
{
    trigger("mnuAbout");
    const QPointer<SecondaryWindow> first = openWindows(QStringLiteral("Form2")).value(0);
    ASSERT_TRUE(first);
    QTest::mouseClick(first->findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);
    EXPECT_TRUE(openWindows(QStringLiteral("Form2")).isEmpty());
    ASSERT_TRUE(test::waitFor([&] { return first.isNull(); }));

    trigger("mnuAbout");
    const QList<SecondaryWindow *> again = openWindows(QStringLiteral("Form2"));
    ASSERT_EQ(again.size(), 1);
    const auto *list = again.front()->findChild<QListWidget *>(QStringLiteral("List1"));
    ASSERT_EQ(list->count(), 22);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("Fendrake 4.02"));
    EXPECT_EQ(list->item(21)->text(), QStringLiteral("举报组件 4.02"));
}

} // namespace
} // namespace fendrake
