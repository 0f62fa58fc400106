#pragma once

#include "ui_telephone_location_panel.h"

#include <QFrame>

namespace fendrake {

// Fixed-line telephone location, number-block search and e-mail sender hint.
class TelephoneLocationPanel : public QFrame
{
    Q_OBJECT

public:
    explicit TelephoneLocationPanel(QWidget *parent = nullptr);

    Ui::frmTelWZ ui;
};

} // namespace fendrake
