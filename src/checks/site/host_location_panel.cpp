#include "checks/site/host_location_panel.h"

#include "app/services/icmp_echo.h"
#include "app/services/message_box.h"
#include "checks/site/host_location.h"
#include "checks/site/ip_location.h"

#include <exception>

namespace fendrake {

namespace {

const QString kAddressLine = QStringLiteral("主机IP地址：");

} // namespace

HostLocationPanel::HostLocationPanel(QWidget *parent) : QFrame(parent)
{
    ui.setupUi(this);
    connect(ui.cmdZhuJiChaXun, &QPushButton::clicked, this, &HostLocationPanel::cmdZhuJiChaXun_Click);
}

void HostLocationPanel::cmdZhuJiChaXun_Click()
{
    switch (checkHostInput(ui.txtZhuJi->text())) {
    case HostInput::Accepted:
        break;
    case HostInput::TooShort:
        showMessage(this, MessageIcon::Critical, QStringLiteral("错误"),
                    joinMessageLines({QStringLiteral("请输入正确的网站后再试！错误原因："),
                                      QStringLiteral("1.网址输入错误，请检查后重新输入！")}));
        return;
    case HostInput::WebAddress:
        showMessage(this, MessageIcon::Critical, QStringLiteral("错误"),
                    joinMessageLines({QStringLiteral("网址输入错误！错误原因："),
                                      QStringLiteral("网址中不能含有“http”和“ftp”，请重新输入后再试！")}));
        return;
    }

    try {
        ui.lblZhuJiIP->setText(kAddressLine);
        ui.txtZhuJi->setEnabled(false);
        ui.cmdZhuJiChaXun->setEnabled(false);
        ui.lblZhuJi->setText(QStringLiteral("正在解析域名中..."));
        // Lookup, echo and fetch block the window's thread: paint the status now or it never shows.
        ui.lblZhuJi->repaint();

        const std::optional<Ipv4Address> destination = resolveHost(ui.txtZhuJi->text());

        QString addressText;
        {
            IcmpEcho echo;
            if (!echo.isOpen()) {
                showMessage(this, MessageIcon::None, QString(), QStringLiteral("检测失败"));
                enableControls();
                return;
            }
            // A name that does not resolve sends no echo: here an echo to 0.0.0.0 is answered by this
            // machine itself, which would show and locate the loopback address.
            EchoReply reply;
            if (destination)
                reply = echo.send(*destination, QByteArray(32, 'A'), 255, std::chrono::milliseconds(2000));
            if (reply.replies != 0)
                addressText = ipv4Text(reply.from);
            else
                showMessage(this, MessageIcon::None, QString(), QStringLiteral("解析域名超时"));
            if (reply.status != 0)
                showMessage(this, MessageIcon::Critical, QStringLiteral("错误"), QStringLiteral("检测失败!"));
        }

        if (addressText.size() < 7) {
            enableControls();
            ui.lblZhuJi->setText(QStringLiteral("出现错误"));
            showMessage(this, MessageIcon::Critical, QStringLiteral("错误"),
                        joinMessageLines({QStringLiteral("域名解析错误，错误原因："),
                                          QStringLiteral("1.输入网址错误，请检查后重新输入！"),
                                          QStringLiteral("2.尚未连接互联网，请连接后再试！"),
                                          QStringLiteral("3.您的系统不能进行域名解析，请检查系统设置！")}));
            ui.lblZhuJiIP->setText(kAddressLine);
            return;
        }

        ui.lblZhuJiIP->setText(kAddressLine + addressText);
        ui.lblZhuJi->setText(QStringLiteral("正在连接服务器中..."));
        ui.lblZhuJi->repaint();
        ui.txtZhuJiJG->setPlainText(locateIp(addressText));
        enableControls();
        ui.lblZhuJi->setText(QStringLiteral("准备就绪"));
    } catch (const std::exception &) {
        showQueryError();
    }
}

void HostLocationPanel::showQueryError()
{
    ui.lblZhuJi->setText(QString());
    ui.lblZhuJiIP->setText(kAddressLine);
    showMessage(this, MessageIcon::Critical, QStringLiteral("错误"),
                joinMessageLines({QStringLiteral("出现错误！错误原因："),
                                  QStringLiteral("1.服务器繁忙或网络不稳定，请退出大量占用网络的其他程序！"),
                                  QStringLiteral("2.FendrakeXMLhttp组件丢失，请重新下载！"),
                                  QStringLiteral("3.IP服务器繁忙或关闭，请稍后再试！")}));
    enableControls();
}

void HostLocationPanel::enableControls()
{
    ui.cmdZhuJiChaXun->setEnabled(true);
    ui.txtZhuJi->setEnabled(true);
}

} // namespace fendrake
