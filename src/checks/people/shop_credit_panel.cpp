#include "checks/people/shop_credit_panel.h"

namespace fendrake {

ShopCreditPanel::ShopCreditPanel(QWidget *parent) : QFrame(parent)
{
    ui.setupUi(this);
}

void ShopCreditPanel::attachBrowser(BrowserControl *web, PendingQuery *pending)
{
    m_web = web;
    m_pending = pending;
}

} // namespace fendrake
