#include "app/form5.h"

#include "app/app_resources.h"
#include "app/services/http_fetch.h"
#include "app/services/markers.h"
#include "app/services/message_box.h"
#include "app/services/service_addresses.h"
#include "app/services/shell_open.h"
#include "app/update_notice.h"
#include "app/version.h"
#include "ui_form5.h"

#include <exception>
#include <optional>
#include <stdexcept>

namespace fendrake {

namespace {

QString cutOrThrow(const QString &text, qint64 start, qint64 length)
{
    const std::optional<QString> piece = cutText(text, start, length);
    if (!piece)
        throw std::invalid_argument("negative cut");
    return *piece;
}

} // namespace

QString downloadPageAddress()
{
    return serviceBase(Service::DownloadSite) + QStringLiteral("/soft/fendrake.html");
}

Form5::Form5(QWidget *parent) : SecondaryWindow(parent), ui(std::make_unique<Ui::Form5>())
{
    initResources();
    ui->setupUi(this);
    connect(ui->Command1, &QPushButton::clicked, this, &Form5::Command1_Click);
    connect(ui->Command2, &QPushButton::clicked, this, &Form5::Command2_Click);
    connect(ui->Command3, &QPushButton::clicked, this, &Form5::Command3_Click);
    Form_Load();
}

Form5::~Form5() = default;

void Form5::Form_Load()
{
    ui->Label4->setText(QStringLiteral("本地版本：") + CurrentVersion);
}

void Form5::Command1_Click()
{
    const Busy busy(*this);
    ui->Command1->setEnabled(false);
    ui->Label3->setText(QStringLiteral("正在连接到服务器..."));
    // The fetch blocks the window: show the status before it starts.
    ui->Label3->repaint();
    try {
        NoticePageText = GetHttpText(updateNoticeAddress());
        const VersionCut cut = newestVersionCut(NoticePageText);
        MarkPos1 = cut.start;
        MarkPos2 = cut.end;
        NewestVersion = cutOrThrow(NoticePageText, MarkPos1, MarkPos2 - MarkPos1);
        ui->Text1->setPlainText(updateText(NoticePageText).value());
        ui->Label5->setText(QStringLiteral("最新版本：") + NewestVersion);
        if (isCurrentVersion(NewestVersion)) {
            ui->Label3->setText(QStringLiteral("您的版本是最新版本，无需升级！"));
            ui->Command1->setEnabled(true);
            showMessage(this, MessageIcon::Information, QStringLiteral("检测结果"),
                        QStringLiteral("您使用的是最新版本！"));
        } else {
            ui->Command3->setEnabled(true);
            showMessage(this, MessageIcon::Information, QStringLiteral("检测结果"),
                        QStringLiteral("检测到新版本，请下载新版本！"));
        }
    } catch (const std::exception &) {
        showMessage(this, MessageIcon::Exclamation, QStringLiteral("错误"),
                    joinMessageLines({QStringLiteral("检查更新失败！错误原因："),
                                      QStringLiteral("1.网络不稳定，服务器繁忙，请退出其他大量占用网络资源程序！"),
                                      QStringLiteral("2.FendrakeXMLhttp组件丢失，请重新下载！"),
                                      QStringLiteral("Fendrake服务器出现问题，暂时无法响应您的请求，请稍后再试！")}));
        ui->Label3->setText(QStringLiteral("检查更新失败"));
        ui->Command1->setEnabled(true);
    }
}

void Form5::Command2_Click()
{
    close();
}

void Form5::Command3_Click()
{
    OpenInBrowser(this, downloadPageAddress());
}

} // namespace fendrake
