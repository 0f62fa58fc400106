#pragma once

#include "ui_identity_card_panel.h"

#include <QFrame>

namespace fendrake {

// Identity-card number check.
class IdentityCardPanel : public QFrame
{
    Q_OBJECT

public:
    explicit IdentityCardPanel(QWidget *parent = nullptr);

    Ui::frmShenFenZheng ui;
};

} // namespace fendrake
