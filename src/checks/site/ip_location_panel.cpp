#include "checks/site/ip_location_panel.h"

#include "app/services/message_box.h"
#include "checks/site/ip_location.h"

#include <QEvent>

#include <exception>

namespace fendrake {

IpLocationPanel::IpLocationPanel(QWidget *parent) : QFrame(parent)
{
    ui.setupUi(this);
    connect(ui.cmdIPChaXun, &QPushButton::clicked, this, &IpLocationPanel::cmdIPChaXun_Click);
    ui.txtIP->installEventFilter(this);
}

bool IpLocationPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui.txtIP && event->type() == QEvent::MouseButtonRelease)
        txtIP_Click();
    return QFrame::eventFilter(watched, event);
}

void IpLocationPanel::txtIP_Click()
{
    ui.Label10->setVisible(false);
}

void IpLocationPanel::cmdIPChaXun_Click()
{
    try {
        ui.txtIPJG->setPlainText(QStringLiteral("查询结果"));
        switch (checkIpForm(ui.txtIP->text())) {
        case IpForm::Valid:
            break;
        case IpForm::Invalid:
            ui.Label10->setVisible(true);
            return;
        case IpForm::Unreadable:
            showQueryError();
            return;
        }

        ui.txtIP->setEnabled(false);
        ui.cmdIPChaXun->setEnabled(false);
        // Hidden at the end of every query; shown again so that each query's status is seen.
        ui.lblIPZZ->setText(QStringLiteral("正在查询中..."));
        ui.lblIPZZ->setVisible(true);
        // The fetch blocks the window's thread: paint the status now or it never shows.
        ui.lblIPZZ->repaint();

        ui.txtIPJG->setPlainText(locateIp(ui.txtIP->text()));
        endQuery();
    } catch (const std::exception &) {
        showQueryError();
    }
}

void IpLocationPanel::showQueryError()
{
    showMessage(
        this, MessageIcon::Critical, QStringLiteral("错误"),
        joinMessageLines({QStringLiteral("出现错误！错误原因："), QStringLiteral("1.IP地址输入错误，请重新输入！"),
                          QStringLiteral("2.服务器繁忙或检修维护，请稍后再试！"),
                          QStringLiteral("3.FendrakeXMLhttp组件丢失，请重新下载！"),
                          QStringLiteral("4.网络不稳定或繁忙，请退出占用大量网络资源的程序！")}));
    endQuery();
}

void IpLocationPanel::endQuery()
{
    ui.cmdIPChaXun->setEnabled(true);
    ui.txtIP->setEnabled(true);
    ui.lblIPZZ->setVisible(false);
}

} // namespace fendrake
