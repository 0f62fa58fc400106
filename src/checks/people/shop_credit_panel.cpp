#include "checks/people/shop_credit_panel.h"

#include "app/services/browser_control.h"
#include "app/services/http_fetch.h"
#include "app/services/markers.h"
#include "app/services/message_box.h"
#include "app/services/number_reading.h"
#include "app/services/pause.h"
#include "app/services/pending_query.h"
#include "app/services/shell_open.h"
#include "checks/people/shop_evaluation.h"
#include "checks/people/shop_search.h"

#include <QPointer>

#include <exception>

namespace fendrake {

ShopCreditPanel::ShopCreditPanel(QWidget *parent) : QFrame(parent)
{
    ui.setupUi(this);
    connect(ui.cmdTBCX, &QPushButton::clicked, this, &ShopCreditPanel::cmdTBCX_Click);
    connect(ui.cmdTBURL, &QPushButton::clicked, this, &ShopCreditPanel::cmdTBURL_Click);
    connect(ui.Command13, &QPushButton::clicked, this, &ShopCreditPanel::Command13_Click);
}

void ShopCreditPanel::attachBrowser(BrowserControl *web, PendingQuery *pending)
{
    m_web = web;
    m_pending = pending;
    connect(m_web, &BrowserControl::DocumentComplete, this, &ShopCreditPanel::WebTB_DocumentComplete);
}

void ShopCreditPanel::cmdTBCX_Click()
{
    for (QCheckBox *box : {ui.Check2, ui.Check3, ui.Check4, ui.Check5, ui.Check6, ui.Check7, ui.Check8, ui.Check9})
        box->setChecked(false);
    ui.Text7->clear();
    ui.Text8->clear();
    ui.Text9->clear();
    ui.Text10->setPlainText(QStringLiteral("暂无建议."));
    ui.Text11->clear();
    ui.Text12->clear(); // an earlier shop's year must not stand beside this one

    ui.txtTB->setText(ui.txtTB->text().remove(u'.'));
    ui.txtTB->setText(ui.txtTB->text().remove(u' '));

    TBResultURL.clear();
    TBQueryStep = 0;
    ui.cmdTBCX->setEnabled(false);
    ui.txtTB->setEnabled(false);
    ui.cmdTBURL->setVisible(false);
    ui.lblTBZZ->setText(QStringLiteral("正在淘宝服务器上搜索该店铺..."));

    m_pending->set();
    m_web->Navigate(shopSearchAddress(ui.txtTB->text()));
}

void ShopCreditPanel::WebTB_DocumentComplete()
{
    if (!m_pending->take())
        return;
    if (TBQueryStep == 0)
        searchPageLoaded();
    else
        shopPageLoaded();
}

void ShopCreditPanel::searchPageLoaded()
{
    // Read before navigating on: the next page must not be mistaken for this one.
    const QString searchText = m_web->bodyText();
    const std::optional<QString> shop = firstLink(m_web->links(), isShopLink);
    if (shop) {
        TBResultURL = *shop;
        m_pending->set();
        TBQueryStep = 1;
        m_web->Navigate(TBResultURL);
    }
    if (FindMarker(kNoShopMarker.toString(), searchText) > 0) {
        showMessage(this, MessageIcon::Critical, QStringLiteral("错误"), kNoShopMarker.toString() + u'!');
        endQuery();
    } else if (!shop) {
        endQuery();
    }
}

void ShopCreditPanel::shopPageLoaded()
{
    const std::optional<QString> ratingLink = firstLink(m_web->links(), isRatingLink);
    if (!ratingLink) {
        endQuery();
        return;
    }
    TBResultURL = *ratingLink;
    try {
        PageText = GetHttpText(TBResultURL);
    } catch (const std::exception &) {
        showRatingFailure();
        return;
    }

    // Every missing marker reads as a fault of the shop: an error page would tick them all.
    if (FindMarker(QStringLiteral("卖家信用"), PageText) == 0) {
        showRatingFailure();
        return;
    }
    const ShopRating rating = readShopRating(PageText);
    // Only ticks: the query's start has unticked every box.
    const std::pair<QCheckBox *, bool> flags[] = {{ui.Check3, rating.violations},
                                                  {ui.Check6, rating.penalties},
                                                  {ui.Check4, rating.refundDisputes},
                                                  {ui.Check5, rating.complaints},
                                                  {ui.Check2, rating.protection}};
    for (const auto &[box, ticked] : flags) {
        if (ticked)
            box->setChecked(true);
    }
    if (rating.sellerCredit)
        ui.Text9->setText(*rating.sellerCredit);
    if (rating.buyerCredit)
        ui.Text11->setText(*rating.buyerCredit);
    ui.Text12->setText(rating.year);

    ui.cmdTBURL->setVisible(true);
    ui.cmdTBURL->setEnabled(true);
    endQuery();
}

// No page of another shop may stand in for the one that could not be read.
void ShopCreditPanel::showRatingFailure()
{
    PageText.clear();
    TBResultURL.clear();
    showMessage(this, MessageIcon::Critical, QStringLiteral("错误"),
                joinMessageLines({QStringLiteral("读取店铺信用信息时出现错误，错误原因："),
                                  QStringLiteral("1.淘宝服务器繁忙，不能响应您的请求，请稍后再试！"),
                                  QStringLiteral("2.网络不稳定或不通畅，请退出占用大量网络资源的程序！")}));
    endQuery();
}

void ShopCreditPanel::endQuery()
{
    ui.cmdTBCX->setEnabled(true);
    ui.txtTB->setEnabled(true);
    ui.lblTBZZ->setText(QStringLiteral("准备就绪"));
}

void ShopCreditPanel::cmdTBURL_Click()
{
    ui.cmdTBURL->setEnabled(false);
    OpenInBrowser(this, TBResultURL);
}

void ShopCreditPanel::Command13_Click()
{
    if (const auto missing = missingShopField(ui.Text9->text(), ui.Text7->text(), ui.Text8->text())) {
        showMessage(this, MessageIcon::Critical, QStringLiteral("Fendrake"), *missing);
        return;
    }
    ui.Command13->setEnabled(false);
    ui.Text10->setPlainText(QStringLiteral("正在连接Fendrake的专家服务器获取专家意见中......"));

    // Score and sentences from one reading: a shop query during the pause cannot mix two shops.
    const QString advice = shopAdvice(readFacts());
    const QPointer<ShopCreditPanel> alive(this);
    Pause(5);
    if (!alive)
        return;
    ui.Text10->setPlainText(advice);
    ui.Command13->setEnabled(true);
}

ShopFacts ShopCreditPanel::readFacts() const
{
    ShopFacts facts;
    facts.protection = ui.Check2->isChecked();
    facts.violations = ui.Check3->isChecked();
    facts.refundDisputes = ui.Check4->isChecked();
    facts.complaints = ui.Check5->isChecked();
    facts.penalties = ui.Check6->isChecked();
    facts.matchesDescription = ui.Check7->isChecked();
    facts.goodService = ui.Check8->isChecked();
    facts.fastDelivery = ui.Check9->isChecked();
    facts.goodRatings = readLeadingNumber(ui.Text7->text());
    facts.badRatings = readLeadingNumber(ui.Text8->text());
    facts.sellerCredit = readLeadingNumber(ui.Text9->text());
    facts.buyerCredit = readLeadingNumber(ui.Text11->text());
    facts.year = readLeadingNumber(ui.Text12->text());
    return facts;
}

} // namespace fendrake
