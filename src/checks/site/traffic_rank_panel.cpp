#include "checks/site/traffic_rank_panel.h"

#include "app/services/http_fetch.h"
#include "app/services/message_box.h"
#include "checks/site/traffic_rank.h"

#include <exception>

namespace fendrake {

namespace {

const QString kGlobalCaption = QStringLiteral("全球流量排名：");
const QString kChineseCaption = QStringLiteral("中国流量排名：");

} // namespace

TrafficRankPanel::TrafficRankPanel(QWidget *parent) : QFrame(parent)
{
    ui.setupUi(this);
    connect(ui.cmdRenQiChaxun, &QPushButton::clicked, this, &TrafficRankPanel::cmdRenQiChaxun_Click);
}

void TrafficRankPanel::cmdRenQiChaxun_Click()
{
    try {
        const QString site = ui.txtRenQi->text();
        switch (checkTrafficRankInput(site)) {
        case TrafficRankInput::Accepted:
            break;
        case TrafficRankInput::TooShort:
            refuseInput(QStringLiteral("请输入正确的网址！"));
            return;
        case TrafficRankInput::NotWww:
            refuseInput(
                joinMessageLines({QStringLiteral("错误！错误原因："),
                                  QStringLiteral("1.输入的网址必须是www开头，不能查询旗下网址，请检查后再试！")}));
            return;
        }

        ui.lblRenQiZZ->setText(QStringLiteral("正在查询该网站流量排名中..."));
        ui.lblZG->setText(kChineseCaption);
        ui.lblRenQi->setText(kGlobalCaption);
        ui.cmdRenQiChaxun->setEnabled(false);
        ui.txtRenQi->setEnabled(false);
        // The fetch blocks the window's thread: paint the status now or it never shows.
        repaint();

        const std::optional<TrafficRanks> ranks = cutTrafficRanks(GetHttpText(trafficRankAddress(site)));
        if (!ranks) {
            showQueryFailure();
            return;
        }
        ui.lblRenQi->setText(kGlobalCaption + trafficRankText(ranks->global));
        ui.lblZG->setText(kChineseCaption + trafficRankText(ranks->chinese));
        enableControls();
        ui.lblRenQiZZ->setText(QStringLiteral("查询完毕"));
    } catch (const std::exception &) {
        showQueryFailure();
    }
}

void TrafficRankPanel::refuseInput(const QString &text)
{
    showMessage(this, MessageIcon::Critical, QStringLiteral("错误"), text);
    ui.txtRenQi->setText(QString());
}

void TrafficRankPanel::showQueryFailure()
{
    enableControls();
    ui.lblRenQiZZ->setText(QStringLiteral("出现错误"));
    ui.lblZG->setText(kChineseCaption + QStringLiteral("出错"));
    ui.lblRenQi->setText(kGlobalCaption + QStringLiteral("出错"));
    showMessage(
        this, MessageIcon::Critical, QStringLiteral("错误"),
        joinMessageLines({QStringLiteral("出现错误！错误原因："), QStringLiteral("1.网址输入错误，请检查后重新输入！"),
                          QStringLiteral("2.FendrakeXMLhttp组件丢失，请重新下载！"),
                          QStringLiteral("3.排名服务器繁忙或故障检修，请稍后再试！"),
                          QStringLiteral("4.网络不稳定或繁忙，请退出大量占用网络资源的程序！")}));
}

void TrafficRankPanel::enableControls()
{
    ui.cmdRenQiChaxun->setEnabled(true);
    ui.txtRenQi->setEnabled(true);
}

} // namespace fendrake
