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

public slots:
    void cmdIPChaXun_Click();
    void txtIP_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showQueryError();
    void endQuery();
};

} // namespace fendrake
