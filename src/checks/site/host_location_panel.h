#pragma once

#include "ui_host_location_panel.h"

#include <QFrame>

namespace fendrake {

// Host address and location of a web site.
class HostLocationPanel : public QFrame
{
    Q_OBJECT

public:
    explicit HostLocationPanel(QWidget *parent = nullptr);

    Ui::frmZhuJi ui;

public slots:
    void cmdZhuJiChaXun_Click();

private:
    void showQueryError();
    void enableControls();
};

} // namespace fendrake
