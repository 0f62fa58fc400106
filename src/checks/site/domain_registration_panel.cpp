#include "checks/site/domain_registration_panel.h"

#include "app/services/http_fetch.h"
#include "app/services/message_box.h"
#include "checks/site/domain_registration.h"

#include <exception>

namespace fendrake {

DomainRegistrationPanel::DomainRegistrationPanel(QWidget *parent) : QFrame(parent)
{
    ui.setupUi(this);
    connect(ui.cmdYuMingChaXun, &QPushButton::clicked, this, &DomainRegistrationPanel::cmdYuMingChaXun_Click);
}

void DomainRegistrationPanel::cmdYuMingChaXun_Click()
{
    try {
        ui.cmdYuMingChaXun->setEnabled(false);
        ui.txtYuMing->setEnabled(false);
        ui.txtYuMingJG->setPlainText(QString());
        ui.txtYuMingJG->setEnabled(false);
        ui.txtYuMingJG->setPlainText(QStringLiteral("正在查询域名信息中..."));
        // The fetch blocks the window's thread: paint the status now or it never shows.
        ui.txtYuMingJG->repaint();

        // A page the service answered is shown whatever it holds; an error page is a failure.
        ui.txtYuMingJG->setPlainText(successPageText(whoisAddress(ui.txtYuMing->text())));
        WhoisText = ui.txtYuMingJG->toPlainText();
        if (isReservedDomainPage(WhoisText)) {
            showQueryError();
            return;
        }
        WhoisText = rewriteWhoisText(WhoisText);
        ui.txtYuMingJG->setPlainText(WhoisText);
        enableControls();
    } catch (const std::exception &) {
        showQueryError();
    }
}

void DomainRegistrationPanel::showQueryError()
{
    showMessage(this, MessageIcon::Critical, QStringLiteral("错误"),
                joinMessageLines({QStringLiteral("在查找域名信息过程中出现错误，错误原因："),
                                  QStringLiteral("1.服务器繁忙，不能响应您的请求，请稍后再试！"),
                                  QStringLiteral("2.FendrakeXMLhttp组件丢失，请重新下载！"),
                                  QStringLiteral("3.域名输入错误，在信息库中不存在，请检查后重新输入！")}));
    enableControls();
}

void DomainRegistrationPanel::enableControls()
{
    ui.cmdYuMingChaXun->setEnabled(true);
    ui.txtYuMing->setEnabled(true);
    ui.txtYuMingJG->setEnabled(true);
}

} // namespace fendrake
