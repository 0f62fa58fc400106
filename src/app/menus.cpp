#include "app/menus.h"

#include "app/contacts.h"
#include "app/form1.h"
#include "app/form2.h"
#include "app/form5.h"
#include "app/form6.h"
#include "app/help_file.h"
#include "app/services/message_box.h"
#include "app/services/service_addresses.h"
#include "app/services/shell_open.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>

namespace fendrake {

const QList<ReportEntry> &reportEntries()
{
    static const QList<ReportEntry> entries = {
        {"mnuLaJiEmail", "mail"}, {"mnuEYiSoft", "soft"},  {"mnuWebSite", "web"},     {"mnuBlog", "blog"},
        {"mnuBBS", "bbs"},        {"mnuInfo", "instant"},  {"mnuQiTa", "other1"},     {"mnuLJDX", "sms"},
        {"mnuYDSR", "tel1"},      {"mnuWAP", "wap"},       {"mnuCX", "mms"},          {"mnuVIR", "ivr"},
        {"mnuCL", "crbt"},        {"mnuYDLAJI", "other2"}, {"mnuSRDH", "tel2"},       {"mnuSXT", "voice"},
        {"mnuCZ", "fax"},         {"mnuGDI", "other3"},    {"mnuQiTaInfo", "other4"},
    };
    return entries;
}

QString reportPageAddress(const QString &key)
{
    return serviceBase(Service::ReportCentre) + QStringLiteral("/jvbao_") + key + QStringLiteral(".php");
}

QString supportChatLink()
{
    return QStringLiteral("Tencent://Message/?Uin=") + SupportQQ + QStringLiteral("&websiteName=") + SupportSiteName +
           QStringLiteral("&Menu=yes");
}

Menus::Menus(Form1 &form) : QObject(&form), m_form(form)
{
    const auto action = [&form](const char *name) {
        return form.findChild<QAction *>(QString::fromLatin1(name), Qt::FindChildrenRecursively);
    };
    for (const ReportEntry &row : reportEntries()) {
        const QString address = reportPageAddress(QString::fromLatin1(row.key));
        connect(action(row.entry), &QAction::triggered, this, [this, address] { OpenInBrowser(&m_form, address); });
    }
    connect(action("mnuDoctor"), &QAction::triggered, this, &Menus::mnuDoctor_Click);
    connect(action("mnuUpdate"), &QAction::triggered, this, &Menus::mnuUpdate_Click);
    connect(action("mnuAbout"), &QAction::triggered, this, &Menus::mnuAbout_Click);
    connect(action("mnuHelp1"), &QAction::triggered, this, &Menus::mnuHelp1_Click);
    connect(action("mnuWeb"), &QAction::triggered, this, &Menus::mnuWeb_Click);
    connect(action("mnuQQ"), &QAction::triggered, this, &Menus::mnuQQ_Click);

    m_label6 = form.findChild<QLabel *>(QStringLiteral("Label6"));
    m_label21 = form.findChild<QLabel *>(QStringLiteral("Label21"));
    m_label6->setText(QStringLiteral("在线支持QQ：") + SupportQQ);
    m_label21->setText(QStringLiteral("邮箱：") + SupportEmail);
    m_label6->installEventFilter(this);
    m_label21->installEventFilter(this);
    form.installEventFilter(this);
}

Menus::~Menus()
{
    for (const QPointer<SecondaryWindow> &window : std::as_const(m_made))
        delete window.data();
}

// A click is a release of the left button over the label that was pressed. The program ends when the
// main window closes or the exit entry hides it: the secondary windows go with it, and a fault
// detection run stops at its next wait instead of holding the end back.
bool Menus::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_form &&
        (event->type() == QEvent::Close || (event->type() == QEvent::Hide && !event->spontaneous()))) {
        for (const QPointer<SecondaryWindow> &window : std::as_const(m_made)) {
            if (window)
                window->close();
        }
    }
    if (event->type() == QEvent::MouseButtonRelease && (watched == m_label6 || watched == m_label21)) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const auto *label = static_cast<QLabel *>(watched);
        if (mouse->button() == Qt::LeftButton && label->rect().contains(mouse->position().toPoint())) {
            if (watched == m_label6)
                Label6_Click();
            else
                Label21_Click();
        }
    }
    return QObject::eventFilter(watched, event);
}

template <typename Window> void Menus::showShared(QPointer<SecondaryWindow> &slot)
{
    if (!slot) {
        auto *window = new Window();
        slot = window;
        m_made.removeIf([](const QPointer<SecondaryWindow> &made) { return made.isNull(); });
        m_made.append(window);
        connect(window, &SecondaryWindow::unloaded, this, [&slot, window] {
            if (slot == window)
                slot = nullptr;
        });
    }
    slot->show();
    slot->raise();
    slot->activateWindow();
}

void Menus::mnuDoctor_Click()
{
    showShared<Form6>(m_form6);
}

void Menus::mnuUpdate_Click()
{
    showShared<Form5>(m_form5);
}

void Menus::mnuAbout_Click()
{
    showShared<Form2>(m_form2);
}

// Opening is preceded by a read of the file, so a missing or unreadable help page gets the message.
void Menus::mnuHelp1_Click()
{
    const QString path = helpFilePath();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        showMessage(&m_form, MessageIcon::Critical, QStringLiteral("错误"),
                    joinMessageLines({QStringLiteral("无法打开帮助文件！错误原因："),
                                      QStringLiteral("1.帮助文件不存在、被移动或被改名，请重新下载本软件！"),
                                      QStringLiteral("2.帮助文件损坏，无法打开，请重新下载！"),
                                      QStringLiteral("3.硬盘出现坏道、坏扇区、文件系统错误，请检查磁盘问题！"),
                                      QStringLiteral("4.系统繁忙，暂时无法打开，请稍后再试！")}));
        return;
    }
    OpenInBrowser(&m_form, path);
}

void Menus::mnuWeb_Click()
{
    OpenInBrowser(&m_form, supportSiteAddress());
}

void Menus::mnuQQ_Click()
{
    showMessage(&m_form, MessageIcon::Information, QStringLiteral("联系方式"),
                QStringLiteral("QQ:") + SupportQQ + QStringLiteral("，Email：") + SupportEmail);
}

void Menus::Label6_Click()
{
    OpenInBrowser(&m_form, supportChatLink());
}

void Menus::Label21_Click()
{
    OpenInBrowser(&m_form, QStringLiteral("mailto:") + SupportEmail);
}

Menus *wireMenus(Form1 &form)
{
    return new Menus(form);
}

} // namespace fendrake
