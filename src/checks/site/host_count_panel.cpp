#include "checks/site/host_count_panel.h"

#include "app/services/message_box.h"
#include "checks/site/host_count.h"
#include "checks/site/host_location.h"

namespace fendrake {

HostCountPanel::HostCountPanel(QWidget *parent) : QFrame(parent)
{
    ui.setupUi(this);
    connect(ui.cmdGO, &QPushButton::clicked, this, &HostCountPanel::cmdGO_Click);
    connect(&m_command, &NslookupCommand::finished, this, &HostCountPanel::showAnswer);
}

void HostCountPanel::cmdGO_Click()
{
    const QString name = ui.txtSLURL->text();
    if (beginsWithSchemeWord(name)) {
        showMessage(this, MessageIcon::Critical, QStringLiteral("错误"),
                    QStringLiteral("输入时禁止输入“http”和“ftp”否则无法查询！请去掉！"));
        return;
    }
    // The name becomes the command's argument: anything but a host name could be read as an option.
    if (!isHostName(name)) {
        showMessage(this, MessageIcon::Critical, QStringLiteral("错误"),
                    joinMessageLines({QStringLiteral("域名输入错误！错误原因："),
                                      QStringLiteral("域名只能由字母、数字、“.”和“-”组成，且不能以“-”开头，"
                                                     "请检查后重新输入！")}));
        return;
    }

    ui.cmdGO->setEnabled(false);
    ui.txtSLURL->setEnabled(false);
    ui.txtSLJG->setEnabled(false);
    ui.txtSLJG->setPlainText(QStringLiteral("正在查询服务器主机信息中..."));
    // A run still pending (the panel reset enables the controls) is stopped: only this one answers.
    m_command.start(name);
}

void HostCountPanel::showAnswer(NslookupCommand::Outcome outcome, const QString &output)
{
    switch (outcome) {
    case NslookupCommand::Outcome::Ended:
        ui.txtSLJG->setPlainText(output.trimmed().isEmpty() ? QStringLiteral("查询失败！nslookup命令没有给出任何结果。")
                                                            : tidyNslookupOutput(output));
        break;
    case NslookupCommand::Outcome::NotStarted:
        ui.txtSLJG->setPlainText(QStringLiteral("查询失败！无法运行系统的nslookup命令，请检查是否已安装。"));
        break;
    case NslookupCommand::Outcome::TimedOut:
        ui.txtSLJG->setPlainText(QStringLiteral("查询失败！nslookup命令长时间没有回应，请稍后再试。"));
        break;
    }
    enableControls();
}

void HostCountPanel::enableControls()
{
    ui.cmdGO->setEnabled(true);
    ui.txtSLURL->setEnabled(true);
    ui.txtSLJG->setEnabled(true);
}

} // namespace fendrake
