#include "app/form6.h"

#include "app/app_resources.h"
#include "app/contacts.h"
#include "app/help_file.h"
#include "app/services/file_hash.h"
#include "app/services/http_fetch.h"
#include "app/services/markers.h"
#include "app/services/message_box.h"
#include "app/services/nslookup_command.h"
#include "app/services/pause.h"
#include "app/services/service_addresses.h"
#include "app/system_facts.h"
#include "app/update_notice.h"
#include "ui_form6.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <exception>
#include <functional>
#include <stdexcept>

namespace fendrake {

namespace {

// The web log answers with a page of some length; an error page or an empty answer does not.
bool webLogAnswers()
{
    return GetHttpText(supportSiteAddress()).size() > 100;
}

struct Step
{
    QLabel *label;
    QString first; // shown while the step waits and works; null: none
    bool wait;     // one second between the first text and the work
    QString bad;   // also shown when the work fails outright
    std::function<QString()> work;
};

} // namespace

Form6::Form6(QWidget *parent) : SecondaryWindow(parent), ui(std::make_unique<Ui::Form6>())
{
    initResources();
    ui->setupUi(this);
    // The frame is disabled so its rows take no input, yet the results must stay readable.
    QPalette readable = ui->Frame1->palette();
    readable.setColor(QPalette::Disabled, QPalette::WindowText, readable.color(QPalette::Active, QPalette::WindowText));
    ui->Frame1->setPalette(readable);
    connect(ui->Command1, &QPushButton::clicked, this, &Form6::Command1_Click);
    connect(ui->Command2, &QPushButton::clicked, this, &Form6::Command2_Click);
}

Form6::~Form6() = default;

QString Form6::checkNewestVersion()
{
    NoticePageText = GetHttpText(updateNoticeAddress());
    const VersionCut cut = newestVersionCut(NoticePageText);
    MarkPos1 = cut.start;
    MarkPos2 = cut.end;
    const std::optional<QString> newest = cutText(NoticePageText, MarkPos1, MarkPos2 - MarkPos1);
    if (!newest)
        throw std::invalid_argument("negative cut");
    return isCurrentVersion(*newest) ? QStringLiteral("√您使用的是最新版本！")
                                     : QStringLiteral("×您使用的不是最新版本！请及时升级！");
}

// Each step that fails at run time shows its bad result and the run goes on; a window closed
// during a wait ends the run there, quietly.
void Form6::Command1_Click()
{
    const Busy busy(*this);
    ui->Command1->setEnabled(false);
    const auto fetchStep = [](const char *good) {
        return [good] {
            if (!webLogAnswers())
                throw std::runtime_error("short answer");
            return QString::fromUtf8(good);
        };
    };
    const Step steps[] = {
        {ui->Label2, QStringLiteral("★检查本机网络连接。"), true, QString(),
         [] { return QStringLiteral("√本机网络连接正常！"); }},
        {ui->Label3, QStringLiteral("★检查连接Fendrake服务器是否成功。"), true,
         QStringLiteral("×连接Fendrake服务器失败！"), fetchStep("√连接Fendrake服务器成功！")},
        {ui->Label4, QStringLiteral("★检查PingFendrake服务器是否成功。"), true,
         QStringLiteral("×PingFendrake服务器失败"), fetchStep("√PingFendrake服务器成功！")},
        {ui->Label5, QStringLiteral("★检查Fendrake主程序MD5。"), true, QStringLiteral("×主程序MD5读取失败！"),
         [] { return QStringLiteral("√主程序MD5：") + HashFile(QCoreApplication::applicationFilePath()); }},
        {ui->Label6, QStringLiteral("★检查Fendrake是否是最新版本。"), false,
         QStringLiteral("×您使用的不是最新版本！请及时升级！"), [this] { return checkNewestVersion(); }},
        {ui->Label7, QStringLiteral("★检查帮助文件是否存在。"), true, QStringLiteral("帮助文件不存在！"),
         [] {
             if (!QFileInfo(helpFilePath()).isFile())
                 throw std::runtime_error("no help file");
             return QStringLiteral("√帮助文件正常！");
         }},
        {ui->Label9, QStringLiteral("检查nslookup组件是否存在。"), true, QStringLiteral("×未能找到nslookup组件！"),
         [] {
             if (nslookupCommandPath().isEmpty())
                 throw std::runtime_error("no nslookup");
             return QStringLiteral("√已经找到nslookup组件！");
         }},
        {ui->Label10, QStringLiteral("★检查XMLHTTP组件是否有问题。"), false, QStringLiteral("×XMLHTTP组件丢失或损坏！"),
         fetchStep("√XMLHTTP组件正常！")},
        {ui->Label11, QString(), false, QString(), [] { return QStringLiteral("√信息检索组件正确！"); }},
        {ui->Label12, QString(), false, QStringLiteral("×无法读取IE版本！"),
         [] { return QStringLiteral("√IE版本：") + browserComponentVersion(); }},
        {ui->Label13, QString(), false, QStringLiteral("×无法读取操作系统版本！"),
         [] { return QStringLiteral("√操作系统:   ") + operatingSystemName().value(); }},
    };
    for (const Step &step : steps) {
        if (!step.first.isNull())
            step.label->setText(step.first);
        if (step.wait) {
            Pause(1);
            if (isUnloaded())
                return;
        }
        // The fetches and the hash block the window: show the step's first text before they start.
        step.label->repaint();
        try {
            step.label->setText(step.work());
        } catch (const std::exception &) {
            step.label->setText(step.bad);
        }
    }
    showMessage(this, MessageIcon::Information, QStringLiteral("检测完成"),
                QStringLiteral("检查已完成！点击“关闭”进入主程序！如果没检测到故障确实有故障请联系客服QQ：") +
                    SupportQQ + QStringLiteral("或") + SupportEmail);
}

void Form6::Command2_Click()
{
    close();
}

} // namespace fendrake
