#include "checks/site/url_safety_panel.h"

#include "app/app_resources.h"
#include "app/services/browser_control.h"
#include "app/services/http_fetch.h"
#include "app/services/message_box.h"
#include "app/services/pending_query.h"
#include "checks/site/page_trojan.h"
#include "checks/site/url_safety.h"

#include <exception>
#include <optional>

namespace fendrake {

UrlSafetyPanel::UrlSafetyPanel(QWidget *parent) : QFrame(parent)
{
    initResources(); // the verdict pictures
    ui.setupUi(this);
    connect(ui.cmdUS, &QPushButton::clicked, this, &UrlSafetyPanel::cmdUS_Click);
    connect(ui.cmdGMCX, &QPushButton::clicked, this, &UrlSafetyPanel::cmdGMCX_Click);
}

void UrlSafetyPanel::attachBrowser(BrowserControl *web, PendingQuery *pending)
{
    m_web = web;
    m_pending = pending;
    connect(m_web, &BrowserControl::ProgressChange, this, &UrlSafetyPanel::WebUS_ProgressChange);
    connect(m_web, &BrowserControl::DocumentComplete, this, &UrlSafetyPanel::WebUS_DocumentComplete);
}

void UrlSafetyPanel::cmdUS_Click()
{
    if (!isUrlSafetyInputLongEnough(ui.txtUS->text())) {
        showMessage(this, MessageIcon::Exclamation, QStringLiteral("错误"), QStringLiteral("请输入完整正确的网址！"));
        ui.txtUS->setFocus(Qt::OtherFocusReason);
        return;
    }
    for (QCheckBox *box : {ui.chkUS1, ui.chkUS2, ui.chkUS3, ui.chkUS4, ui.chkUS5, ui.chkUS6})
        box->setChecked(false);
    showPicture(SafetyPicture::None);
    ui.cmdUS->setEnabled(false);
    ui.txtUS->setEnabled(false);
    ui.lblUS->setText(QStringLiteral("正在分析网址..."));
    USQueryURL = cleanUrlSafetyAddress(ui.txtUS->text());
    if (USQueryURL != ui.txtUS->text())
        ui.txtUS->setText(USQueryURL);
    ui.lblUS->setText(QStringLiteral("正在连接服务器..."));
    m_pending->set();
    m_web->Navigate(siteCheckAddress(USQueryURL));
}

void UrlSafetyPanel::WebUS_ProgressChange(int, int progressMax)
{
    if (progressMax != 0)
        ui.lblUS->setText(QStringLiteral("正在查询网站安全信息..."));
}

void UrlSafetyPanel::WebUS_DocumentComplete()
{
    if (!m_pending->take())
        return;
    ui.lblUS->setText(QStringLiteral("正在分析网址安全信息..."));
    SafetyPageText = m_web->bodyText();
    // A load that failed or passed the fetch limits, or an error page, is no page to read.
    const std::optional<UrlSafetyReading> reading =
        m_web->pageAnswered() ? readUrlSafetyPage(SafetyPageText) : std::nullopt;
    if (!reading) {
        showSafetyFailure();
        return;
    }
    showPicture(reading->picture);
    QCheckBox *const boxes[] = {ui.chkUS1, ui.chkUS2, ui.chkUS3, ui.chkUS4, ui.chkUS5, ui.chkUS6};
    for (size_t i = 0; i < reading->behaviours.size(); ++i) {
        if (reading->behaviours[i])
            boxes[i]->setChecked(true);
    }
    ui.cmdUS->setEnabled(true);
    ui.txtUS->setEnabled(true);
    ui.lblUS->setText(QStringLiteral("查询完毕"));
}

void UrlSafetyPanel::showPicture(SafetyPicture picture)
{
    ui.imgSafe->setVisible(picture == SafetyPicture::Safe);
    ui.imgNoSafe->setVisible(picture == SafetyPicture::Unsafe);
    ui.imgNoKnow->setVisible(picture == SafetyPicture::Unknown);
}

void UrlSafetyPanel::showSafetyFailure()
{
    showPicture(SafetyPicture::Unknown);
    ui.cmdUS->setEnabled(true);
    ui.txtUS->setEnabled(true);
    ui.lblUS->setText(QStringLiteral("出错了"));
    showMessage(
        this, MessageIcon::Critical, QStringLiteral("错误"),
        joinMessageLines({QStringLiteral("出现错误！错误原因："), QStringLiteral("IE损坏，请重新安装IE6.0以上版本！"),
                          QStringLiteral("2.服务器繁忙或维护检修，请稍后再试！"),
                          QStringLiteral("3.网络繁忙不稳定，请退出大量占用网络资源的程序！")}));
}

void UrlSafetyPanel::cmdGMCX_Click()
{
    ui.cmdGMCX->setEnabled(false);
    ui.txtGM->setEnabled(false);
    ui.Label36->setText(QStringLiteral("当前状态：查询中..."));
    // The fetch blocks the window's thread: paint the status now or it never shows.
    ui.Label36->repaint();

    std::optional<QString> status;
    try {
        status = pageTrojanStatus(GetHttpText(pageTrojanAddress(ui.txtGM->text())));
    } catch (const std::exception &) {
        // A failed fetch has no status either.
    }
    if (!status) {
        showTrojanFailure();
        return;
    }
    ui.Label36->setText(*status);
    ui.cmdGMCX->setEnabled(true);
    ui.txtGM->setEnabled(true);
}

void UrlSafetyPanel::showTrojanFailure()
{
    ui.Label36->setText(QStringLiteral("当前状态：未知"));
    ui.cmdGMCX->setEnabled(true);
    ui.txtGM->setEnabled(true);
    showMessage(this, MessageIcon::Critical, QStringLiteral("错误"),
                joinMessageLines({QStringLiteral("网页挂马查询失败！错误原因："),
                                  QStringLiteral("1.服务器繁忙或维护检修，请稍后再试！"),
                                  QStringLiteral("2.网络繁忙不稳定，请退出大量占用网络资源的程序！")}));
}

} // namespace fendrake
