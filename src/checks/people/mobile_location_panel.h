#pragma once

#include "ui_mobile_location_panel.h"

#include <QFrame>

namespace fendrake {

// Mobile-number location.
class MobileLocationPanel : public QFrame
{
    Q_OBJECT

public:
    explicit MobileLocationPanel(QWidget *parent = nullptr);

    Ui::frmShouJi ui;
};

} // namespace fendrake
