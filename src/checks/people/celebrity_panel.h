#pragma once

#include "ui_celebrity_panel.h"

#include <QFrame>

namespace fendrake {

// Celebrity fame.
class CelebrityPanel : public QFrame
{
    Q_OBJECT

public:
    explicit CelebrityPanel(QWidget *parent = nullptr);

    Ui::frmMX ui;
};

} // namespace fendrake
