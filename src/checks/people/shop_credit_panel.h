#pragma once

#include "ui_shop_credit_panel.h"

#include <QFrame>

namespace fendrake {

// Shop search and shop credit evaluation.
class ShopCreditPanel : public QFrame
{
    Q_OBJECT

public:
    explicit ShopCreditPanel(QWidget *parent = nullptr);

    Ui::frmTB ui;
};

} // namespace fendrake
