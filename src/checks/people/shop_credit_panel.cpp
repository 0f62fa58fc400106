#include "checks/people/shop_credit_panel.h"

namespace fendrake {

ShopCreditPanel::ShopCreditPanel(QWidget *parent) : QFrame(parent)
{
    ui.setupUi(this);
}

} // namespace fendrake
