#include "checks/site/icp_filing_panel.h"

#include "app/services/browser_control.h"
#include "app/services/message_box.h"
#include "app/services/pending_query.h"
#include "app/services/shell_open.h"
#include "checks/site/icp_filing.h"

#include <optional>

namespace fendrake {

IcpFilingPanel::IcpFilingPanel(QWidget *parent) : QFrame(parent)
{
    ui.setupUi(this);
    connect(ui.Command6, &QPushButton::clicked, this, &IcpFilingPanel::Command6_Click);
    connect(ui.Command10, &QPushButton::clicked, this, &IcpFilingPanel::Command10_Click);
}

void IcpFilingPanel::attachBrowser(BrowserControl *web, PendingQuery *pending)
{
    m_web = web;
    m_pending = pending;
    connect(m_web, &BrowserControl::ProgressChange, this, &IcpFilingPanel::WebICP_ProgressChange);
    connect(m_web, &BrowserControl::DocumentComplete, this, &IcpFilingPanel::WebICP_DocumentComplete);
}

void IcpFilingPanel::Command6_Click()
{
    if (!isIcpInputLongEnough(ui.txtICP->text())) {
        showMessage(this, MessageIcon::Critical, QStringLiteral("错误"),
                    joinMessageLines({QStringLiteral("请输入正确的网址！错误原因："),
                                      QStringLiteral("1.网址输入错误，请检查后重新输入！")}));
        return;
    }
    ui.Command6->setEnabled(false);
    ui.txtICP->setEnabled(false);
    ui.Label25->setText(QStringLiteral("备案状态：获取中..."));
    ui.txtICP->setText(cleanIcpDomain(ui.txtICP->text()));
    m_pending->set();
    ui.Label30->setText(QStringLiteral("正在连接服务器..."));
    // A load that fails or passes the fetch limits arrives as an empty document: the failure path.
    m_web->Navigate(icpFilingAddress(ui.txtICP->text()));
}

void IcpFilingPanel::WebICP_ProgressChange()
{
    if (m_pending->isPending())
        ui.Label30->setText(QStringLiteral("正在查询该网站的备案信息..."));
}

void IcpFilingPanel::WebICP_DocumentComplete()
{
    if (!m_pending->take())
        return;
    ICPPageText = m_web->bodyText();
    const std::optional<QString> verdict = icpVerdictText(ICPPageText);
    if (!verdict) {
        showQueryFailure();
        return;
    }
    ui.Label25->setText(*verdict);
    enableControls();
    ui.Label30->setText(QStringLiteral("准备就绪"));
}

void IcpFilingPanel::showQueryFailure()
{
    ui.Label30->setText(QStringLiteral("查询失败"));
    ui.Label25->setText(QStringLiteral("备案状态：未知"));
    enableControls();
    showMessage(this, MessageIcon::Critical, QStringLiteral("错误"),
                joinMessageLines({QStringLiteral("查询失败，请使用方法二查询！错误原因："),
                                  QStringLiteral("1.服务器繁忙或维护检修，请稍后再试！"),
                                  QStringLiteral("2.IE版本过低会IE浏览器被恶意修改，请重装IE6.0以上版本！")}));
}

void IcpFilingPanel::enableControls()
{
    ui.Command6->setEnabled(true);
    ui.txtICP->setEnabled(true);
}

void IcpFilingPanel::Command10_Click()
{
    OpenInBrowser(this, icpOfficialAddress());
}

} // namespace fendrake
