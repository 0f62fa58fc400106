#include "checks/people/telephone_location_panel.h"

#include "app/services/browser_control.h"
#include "app/services/message_box.h"
#include "app/services/pending_query.h"
#include "app/services/shell_open.h"
#include "checks/people/number_block_search.h"
#include "checks/people/telephone_location.h"

#include <QLineEdit>
#include <QPalette>

#include <optional>

namespace fendrake {

namespace {

const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);

} // namespace

TelephoneLocationPanel::TelephoneLocationPanel(QWidget *parent) : QFrame(parent)
{
    ui.setupUi(this);
    connect(ui.cmdTelChaXun, &QPushButton::clicked, this, &TelephoneLocationPanel::cmdTelChaXun_Click);
    connect(ui.Command5, &QPushButton::clicked, this, &TelephoneLocationPanel::Command5_Click);
    connect(ui.Command4, &QPushButton::clicked, this, &TelephoneLocationPanel::Command4_Click);
}

void TelephoneLocationPanel::attachBrowser(BrowserControl *web, PendingQuery *pending)
{
    m_web = web;
    m_pending = pending;
    connect(m_web, &BrowserControl::DocumentComplete, this, &TelephoneLocationPanel::WebTel_DocumentComplete);
}

void TelephoneLocationPanel::cmdTelChaXun_Click()
{
    if (!isTelephoneInput(ui.txtTel->text())) {
        showMessage(this, MessageIcon::Critical, QStringLiteral("错误"),
                    QStringLiteral("电话号码格式为 010-12345678 ！"));
        ui.txtTel->setText(QString());
        return;
    }
    // The focus leaves the boxes before they are disabled; the main window keeps a box for it.
    if (auto *text5 = window()->findChild<QLineEdit *>(QStringLiteral("Text5")))
        text5->setFocus(Qt::OtherFocusReason);
    setResultColour(kBlue);
    ui.txtTelWZ->setPlainText(QStringLiteral("正在检查电话号码地址中..."));
    ui.txtTel->setEnabled(false);
    ui.txtTelWZ->setEnabled(false);
    ui.cmdTelChaXun->setEnabled(false);
    m_pending->set();
    ui.txtTelWZ->setPlainText(QStringLiteral("正在连接服务器中..."));
    // A load that fails or passes the fetch limits arrives as an empty document: the failure path.
    m_web->Navigate(telephoneLookupAddress(ui.txtTel->text()));
}

void TelephoneLocationPanel::WebTel_DocumentComplete(const QString &)
{
    // Only the first completed document after the start answers the query (later frames do not).
    if (!m_pending->take())
        return;
    PageText = m_web->bodyText();
    const TelephoneAnswer answer = telephoneAnswer(PageText);
    switch (answer.kind) {
    case TelephoneAnswer::Kind::RateLimited:
        setResultColour(kRed);
        ui.txtTelWZ->setPlainText(QStringLiteral("没有查找到该号码的地理位置。"));
        enableTelephoneQuery();
        return;
    case TelephoneAnswer::Kind::District:
        ui.txtTelWZ->setPlainText(answer.district);
        enableTelephoneQuery();
        return;
    case TelephoneAnswer::Kind::Unreadable:
        showTelephoneFailure();
        return;
    }
}

void TelephoneLocationPanel::setResultColour(const QColor &colour)
{
    QPalette palette = ui.txtTelWZ->palette();
    palette.setColor(QPalette::Active, QPalette::Text, colour);
    palette.setColor(QPalette::Inactive, QPalette::Text, colour);
    ui.txtTelWZ->setPalette(palette);
}

void TelephoneLocationPanel::enableTelephoneQuery()
{
    ui.cmdTelChaXun->setEnabled(true);
    ui.txtTelWZ->setEnabled(true);
    ui.txtTel->setEnabled(true);
}

void TelephoneLocationPanel::showTelephoneFailure()
{
    enableTelephoneQuery();
    setResultColour(kRed);
    ui.txtTelWZ->setPlainText(QStringLiteral("发生错误。"));
    showMessage(this, MessageIcon::Critical, QStringLiteral("错误"),
                joinMessageLines({QStringLiteral("发生错误！错误原因："),
                                  QStringLiteral("1.服务器维护检修或繁忙，请稍后再试！"),
                                  QStringLiteral("2.IE损坏，请重装IE6.0以上版本！")}));
}

void TelephoneLocationPanel::Command5_Click()
{
    ui.Command5->setEnabled(false);
    const auto showFailure = [this](const QString &reason) {
        showMessage(this, MessageIcon::Critical, QStringLiteral("错误"),
                    joinMessageLines({QStringLiteral("请输入正确的电话号码和区号！错误原因："), reason}));
    };
    switch (numberBlockInput(ui.Text2->text(), ui.Text3->text())) {
    case NumberBlockInput::Accepted:
        if (const std::optional<QString> address = numberBlockSearchAddress(ui.Text2->text(), ui.Text3->text()))
            OpenInBrowser(window(), *address);
        else
            showFailure(QStringLiteral("1.电话号码或区号输入错误，请检查后重新输入！"));
        break;
    case NumberBlockInput::NotWhole:
        showFailure(QStringLiteral("1.区号和电话号码必须是数字！请检查后重新输入"));
        break;
    case NumberBlockInput::Unreadable:
        showFailure(QStringLiteral("1.电话号码或区号输入错误，请检查后重新输入！"));
        break;
    }
    ui.Command5->setEnabled(true);
}

void TelephoneLocationPanel::Command4_Click()
{
    showMessage(
        this, MessageIcon::Information, QStringLiteral("Email所在地查询方法"),
        QStringLiteral("1、Outlook：在邮件上点击右键，选择属性，选择“常规资料”中的Received from "
                       "xx.xx.xx.xx或者X-Originating-IP xx.xx.xx.xx就是对方的IP地址。") +
            QString(12, u' ') +
            QStringLiteral("2、Foxmail：按“Ctrl+I”组合键，查看邮件的“原始信息”，其中Received from "
                           "xx.xx.xx.xx或者X-Originating-IP xx.xx.xx.xx就是对方的IP地址。") +
            QString(15, u' ') +
            QStringLiteral("3、Web页面虚拟信箱：选择邮件后点击“高级动作”中的“查看信头”或者点击“原文”、或者点击“邮件"
                           "头信息”其中Received from xx.xx.xx.xx或者X-originating-IP xx.xx.xx.xx就是对方的IP地址。"));
}

} // namespace fendrake
