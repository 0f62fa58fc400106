#pragma once

#include "ui_shop_credit_panel.h"

#include <QFrame>

namespace fendrake {

class BrowserControl;
class PendingQuery;

// Shop search and shop credit evaluation.
class ShopCreditPanel : public QFrame
{
    Q_OBJECT

public:
    explicit ShopCreditPanel(QWidget *parent = nullptr);

    Ui::frmTB ui;

    // The main window hands over the panel's hidden browser and its pending flag once, at set-up.
    void attachBrowser(BrowserControl *web, PendingQuery *pending);

private:
    BrowserControl *m_web = nullptr;
    PendingQuery *m_pending = nullptr;
};

} // namespace fendrake
