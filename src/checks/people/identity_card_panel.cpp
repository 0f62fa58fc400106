#include "checks/people/identity_card_panel.h"

#include "app/services/http_fetch.h"
#include "app/services/message_box.h"
#include "checks/people/identity_card.h"

#include <exception>

namespace fendrake {

IdentityCardPanel::IdentityCardPanel(QWidget *parent) : QFrame(parent)
{
    ui.setupUi(this);
    connect(ui.cmdShenFenZhengChaXun, &QPushButton::clicked, this, &IdentityCardPanel::cmdShenFenZhengChaXun_Click);
}

void IdentityCardPanel::cmdShenFenZhengChaXun_Click()
{
    try {
        if (!isIdCardInput(ui.txtShenFenZheng->text())) {
            showMessage(this, MessageIcon::Critical, QStringLiteral("错误"),
                        joinMessageLines({QStringLiteral("请输入正确的18位身份证号！错误原因："),
                                          QStringLiteral("1.身份证位数不是18位，请检查后重新输入！"),
                                          QStringLiteral("2.身份证前17位不是纯数字，请检查后重新输入！")}));
            ui.txtShenFenZheng->setText(QString());
            return;
        }
        ui.lblXingBie->setText(QStringLiteral("性别："));
        ui.lblChuSheng->setText(QStringLiteral("出生日期："));
        ui.lblSFZSuoZai->setText(QStringLiteral("发证地："));
        ui.txtShenFenZheng->setText(upperCaseIdCard(ui.txtShenFenZheng->text()));
        const QString number = ui.txtShenFenZheng->text();

        switch (idCardVerdict(number)) {
        case IdCardVerdict::Genuine:
            break;
        case IdCardVerdict::Fake:
            showMessage(this, MessageIcon::Critical, QStringLiteral("假的身份证"),
                        QStringLiteral("这个身份证号码是假的！"));
            return;
        case IdCardVerdict::Unreadable:
            showQueryFailure();
            return;
        }

        ui.lblXingBie->setText(idCardSexText(number));
        ui.txtShenFenZheng->setEnabled(false);
        ui.cmdShenFenZhengChaXun->setEnabled(false);

        PageText = GetHttpText(idCardAddress(number));
        const std::optional<QString> place = idCardPlaceOfIssue(PageText);
        if (!place) {
            showQueryFailure();
            return;
        }
        ui.lblSFZSuoZai->setText(QStringLiteral("发证地：") + *place);
        ui.lblChuSheng->setText(idCardBirthDateText(number));

        ui.cmdShenFenZhengChaXun->setEnabled(true);
        ui.lblSFZZZ->setText(QString());
        ui.txtShenFenZheng->setEnabled(true);
    } catch (const std::exception &) {
        showQueryFailure();
    }
}

void IdentityCardPanel::showQueryFailure()
{
    showMessage(this, MessageIcon::Critical, QStringLiteral("错误"),
                joinMessageLines({QStringLiteral("身份证查询失败！错误原因："),
                                  QStringLiteral("1.公安部服务器繁忙或故障检修，请稍后再试！"),
                                  QStringLiteral("2.FendrakeXMLhttp组件丢失，请重新下载！"),
                                  QStringLiteral("3.网络不稳定或不通畅，请退出占用大量网络资源的程序！"),
                                  QStringLiteral("4.输入的身份证不合法，请检查后重新输入！")}));
    ui.cmdShenFenZhengChaXun->setEnabled(true);
    ui.lblSFZZZ->setText(QString());
    ui.txtShenFenZheng->setEnabled(true);
}

} // namespace fendrake
