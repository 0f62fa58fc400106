#pragma once

#include "ui_qq_status_panel.h"

#include <QFrame>

namespace fendrake {

// QQ online status.
class QqStatusPanel : public QFrame
{
    Q_OBJECT

public:
    explicit QqStatusPanel(QWidget *parent = nullptr);

    Ui::frmQQ ui;
};

} // namespace fendrake
