#include "checks/site/popularity_panel.h"

#include "app/services/http_fetch.h"
#include "app/services/message_box.h"
#include "checks/site/indexed_pages.h"
#include "checks/site/popularity.h"

#include <exception>

namespace fendrake {

namespace {

const QString kPopularityCaption = QStringLiteral("网站流行度：");
const QString kIndexedPagesCaption = QStringLiteral("收录数：");
const QString kDone = QStringLiteral("查询完毕");
const QString kFailed = QStringLiteral("出现错误");

} // namespace

PopularityPanel::PopularityPanel(QWidget *parent) : QFrame(parent)
{
    ui.setupUi(this);
    connect(ui.cmdLiuXingChaXun, &QPushButton::clicked, this, &PopularityPanel::cmdLiuXingChaXun_Click);
    connect(ui.cmdShouLuChaXun, &QPushButton::clicked, this, &PopularityPanel::cmdShouLuChaXun_Click);
}

// The page texts stay local to each run; nothing reads them later, so the hidden boxes stay empty.
void PopularityPanel::cmdLiuXingChaXun_Click()
{
    try {
        ui.txtLiuXing->setText(stripHttpScheme(ui.txtLiuXing->text()));
        const QString site = ui.txtLiuXing->text();
        if (isSupportSite(site)) {
            ui.lblLiuXing->setText(kPopularityCaption + QStringLiteral("99 分"));
            return;
        }
        if (isPopularitySiteTooShort(site)) {
            showMessage(this, MessageIcon::Critical, QStringLiteral("错误"), QStringLiteral("网址错误！"));
            ui.txtLiuXing->setText(QString());
            return;
        }

        setControlsEnabled(false);
        ui.lblLiuXing->setText(kPopularityCaption);
        ui.lblLiuXingZZ->setText(QStringLiteral("正在查询流行度中..."));
        // The fetch blocks the window's thread: paint the status now or it never shows.
        repaint();

        // Only a page the engine answered may say it knows nothing of the site; an error page is a failure.
        const std::optional<QString> label = popularityLabelText(successPageText(popularityAddress(site)));
        if (!label) {
            showPopularityFailure();
            return;
        }
        ui.lblLiuXing->setText(*label);
        setControlsEnabled(true);
        ui.lblLiuXingZZ->setText(kDone);
    } catch (const std::exception &) {
        showPopularityFailure();
    }
}

void PopularityPanel::cmdShouLuChaXun_Click()
{
    try {
        setControlsEnabled(false);
        ui.lblShouLu->setText(kIndexedPagesCaption);
        ui.lblLiuXingZZ->setText(QStringLiteral("正在查询收录数量中.."));
        repaint();

        const std::optional<QString> count =
            cutIndexedPagesCount(GetHttpText(indexedPagesAddress(ui.txtLiuXing->text())));
        if (!count) {
            showIndexedPagesFailure();
            return;
        }
        ui.lblShouLu->setText(kIndexedPagesCaption + *count);
        setControlsEnabled(true);
        ui.lblLiuXingZZ->setText(kDone);
    } catch (const std::exception &) {
        showIndexedPagesFailure();
    }
}

void PopularityPanel::showPopularityFailure()
{
    setControlsEnabled(true);
    ui.lblLiuXingZZ->setText(kFailed);
    showMessage(
        this, MessageIcon::Critical, QStringLiteral("错误"),
        joinMessageLines({QStringLiteral("出现错误！错误原因："), QStringLiteral("1.网址输入错误，请检查后重新输入！"),
                          QStringLiteral("2.FendrakeXMLhttp组件丢失，请重新下载！"),
                          QStringLiteral("3.服务器繁忙或故障检修，请稍后再试！"),
                          QStringLiteral("4.网络不稳定或繁忙，请退出大量占用网络资源的程序！")}));
}

void PopularityPanel::showIndexedPagesFailure()
{
    ui.lblLiuXingZZ->setText(kFailed);
    setControlsEnabled(true);
    showMessage(
        this, MessageIcon::Critical, QStringLiteral("错误"),
        joinMessageLines({QStringLiteral("出现错误！错误原因："), QStringLiteral("1.网址输入错误，请重新输入！"),
                          QStringLiteral("2.FendrakeXMLhttp组件丢失，请重新下载！"),
                          QStringLiteral("3.服务器繁忙或维护检修，请稍后再试！"),
                          QStringLiteral("4.网络不稳定或繁忙，请退出大量占用网络资源的程序！")}));
}

void PopularityPanel::setControlsEnabled(bool enabled)
{
    ui.cmdLiuXingChaXun->setEnabled(enabled);
    ui.cmdShouLuChaXun->setEnabled(enabled);
    ui.txtLiuXing->setEnabled(enabled);
}

} // namespace fendrake
