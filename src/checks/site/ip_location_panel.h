#pragma once

#include "ui_ip_location_panel.h"

#include <QFrame>

namespace fendrake {

// Location of an IP address.
class IpLocationPanel : public QFrame
{
    Q_OBJECT

public:
    explicit IpLocationPanel(QWidget *parent = nullptr);

    Ui::frmIP ui;
};

} // namespace fendrake
