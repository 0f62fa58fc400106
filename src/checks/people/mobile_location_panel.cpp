#include "checks/people/mobile_location_panel.h"

#include "app/services/http_fetch.h"
#include "app/services/message_box.h"
#include "checks/people/mobile_location.h"

#include <QLabel>

#include <array>
#include <exception>
#include <utility>

namespace fendrake {

MobileLocationPanel::MobileLocationPanel(QWidget *parent) : QFrame(parent)
{
    ui.setupUi(this);
    connect(ui.cmdShouJiChaXun, &QPushButton::clicked, this, &MobileLocationPanel::cmdShouJiChaXun_Click);
}

void MobileLocationPanel::cmdShouJiChaXun_Click()
{
    try {
        switch (mobileInput(ui.txtShouJi->text())) {
        case MobileInput::Accepted:
            break;
        case MobileInput::Malformed:
            showMessage(this, MessageIcon::Critical, QStringLiteral("错误"),
                        QStringLiteral("您输入的手机号有误，请重新输入"));
            ui.txtShouJi->setText(QString());
            return;
        case MobileInput::Unreadable:
            showQueryFailure();
            return;
        }

        const std::array<std::pair<QLabel *, QString>, 4> results{{
            {ui.lblChengShi, QStringLiteral("归属：")},
            {ui.lblQuHao, QStringLiteral("区号：")},
            {ui.lblKaXing, QStringLiteral("卡型：")},
            {ui.lblPost, QStringLiteral("邮编：")},
        }};
        for (const auto &[label, caption] : results)
            label->setText(caption);
        ui.lblShouJiZZ->setText(QStringLiteral("正在查询手机号归属地中..."));
        ui.txtShouJi->setEnabled(false);
        ui.cmdShouJiChaXun->setEnabled(false);

        PageText = GetHttpText(mobileLookupAddress(ui.txtShouJi->text()));
        const auto values = mobileLocationValues(PageText);
        for (size_t i = 0; i < results.size(); ++i) {
            if (!values[i]) {
                showQueryFailure();
                return;
            }
            results[i].first->setText(results[i].second + *values[i]);
        }

        ui.cmdShouJiChaXun->setEnabled(true);
        ui.txtShouJi->setEnabled(true);
        ui.lblShouJiZZ->setText(QStringLiteral("准备就绪"));
    } catch (const std::exception &) {
        showQueryFailure();
    }
}

void MobileLocationPanel::showQueryFailure()
{
    ui.cmdShouJiChaXun->setEnabled(true);
    ui.txtShouJi->setEnabled(true);
    ui.lblShouJiZZ->setText(QStringLiteral("准备就绪"));
    showMessage(this, MessageIcon::Critical, QStringLiteral("错误"),
                joinMessageLines({QStringLiteral("出现错误！错误原因："),
                                  QStringLiteral("1.FendrakeXMLhttp组件丢失，请重新下载！"),
                                  QStringLiteral("2.服务器繁忙或故障检修，请稍后再试！"),
                                  QStringLiteral("3.网络不稳定或带宽低，请退出占用大量网络资源的程序！"),
                                  QStringLiteral("4.输入的手机号错误，请检查后重新输入！")}));
}

} // namespace fendrake
