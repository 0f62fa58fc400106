#pragma once

#include "ui_shop_credit_panel.h"

#include <QFrame>
#include <QString>

namespace fendrake {

class BrowserControl;
class PendingQuery;
struct ShopFacts;

// Shop search and shop credit evaluation.
class ShopCreditPanel : public QFrame
{
    Q_OBJECT

public:
    explicit ShopCreditPanel(QWidget *parent = nullptr);

    Ui::frmTB ui;

    // The main window hands over the panel's hidden browser and its pending flag once, at set-up.
    void attachBrowser(BrowserControl *web, PendingQuery *pending);

    // Which page the browser is loading: 0 the search results, 1 the shop's home page.
    int TBQueryStep = 0;
    // The shop's home page while it loads, then its rating page; this check's own.
    QString TBResultURL;
    // The rating page's text.
    QString PageText;

public slots:
    void cmdTBCX_Click();
    void WebTB_DocumentComplete();
    void cmdTBURL_Click();
    void Command13_Click();

private:
    void searchPageLoaded();
    void shopPageLoaded();
    void showRatingFailure();
    void endQuery();
    ShopFacts readFacts() const;

    BrowserControl *m_web = nullptr;
    PendingQuery *m_pending = nullptr;
};

} // namespace fendrake
