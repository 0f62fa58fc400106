#include "checks/people/qq_status_panel.h"

#include "app/services/browser_control.h"
#include "app/services/message_box.h"
#include "app/services/pending_query.h"
#include "checks/people/qq_status.h"

#include <optional>

namespace fendrake {

namespace {

const QString kIdleResult = QStringLiteral("对方情况：");

} // namespace

QqStatusPanel::QqStatusPanel(QWidget *parent) : QFrame(parent)
{
    ui.setupUi(this);
    connect(ui.Command9, &QPushButton::clicked, this, &QqStatusPanel::Command9_Click);
}

void QqStatusPanel::attachBrowser(BrowserControl *web, PendingQuery *pending)
{
    m_web = web;
    m_pending = pending;
    connect(m_web, &BrowserControl::TitleChange, this, &QqStatusPanel::WebQQ_TitleChange);
}

void QqStatusPanel::Command9_Click()
{
    ui.Command9->setEnabled(false);
    ui.Label24->setText(kIdleResult);
    ui.Text4->setEnabled(false);

    const std::optional<QString> number = qqRequestNumber(ui.Text4->text());
    if (!number) {
        showInputError();
        enableQuery();
        return;
    }
    ui.Label26->setText(QStringLiteral("正在查询QQ在线状态..."));
    m_pending->set();
    // A load that fails or passes the fetch limits leaves the request address: the invalid-number answer.
    m_web->Navigate(qqStatusAddress(*number));
}

void QqStatusPanel::WebQQ_TitleChange(const QString &)
{
    if (!m_pending->take())
        return;
    // A failed load leaves the request address (or none) here: an unknown answer like any other.
    const QqPresence presence = qqPresenceOf(m_web->LocationURL());

    switch (presence) {
    case QqPresence::Online:
        ui.Label24->setText(QStringLiteral("对方情况：在线"));
        break;
    case QqPresence::Offline:
        ui.Label24->setText(QStringLiteral("对方情况：离线或隐身"));
        break;
    case QqPresence::Unknown:
        break;
    }
    enableQuery();
    ui.Label26->setText(QStringLiteral("准备就绪"));
    if (presence == QqPresence::Unknown) {
        showMessage(this, MessageIcon::Critical, QStringLiteral("错误"),
                    joinMessageLines({QStringLiteral("您输入的QQ号不合法！错误原因："),
                                      QStringLiteral("1.您输入的QQ号不合法，请检查后重新输入！")}));
    }
}

void QqStatusPanel::enableQuery()
{
    ui.Command9->setEnabled(true);
    ui.Text4->setEnabled(true);
}

void QqStatusPanel::showInputError()
{
    showMessage(this, MessageIcon::Critical, QStringLiteral("错误"),
                joinMessageLines({QStringLiteral("请输入正确QQ号！错误原因："),
                                  QStringLiteral("1.输入QQ号应该在10000-9999999999之间，请检查后重新输入！")}));
}

} // namespace fendrake
