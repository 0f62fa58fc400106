#pragma once

#include "ui_host_count_panel.h"

#include <QFrame>

namespace fendrake {

// Number of host addresses of a domain.
class HostCountPanel : public QFrame
{
    Q_OBJECT

public:
    explicit HostCountPanel(QWidget *parent = nullptr);

    Ui::frmSL ui;
};

} // namespace fendrake
