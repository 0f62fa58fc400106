#pragma once

#include "ui_traffic_rank_panel.h"

#include <QFrame>

namespace fendrake {

// Traffic rank of a web site.
class TrafficRankPanel : public QFrame
{
    Q_OBJECT

public:
    explicit TrafficRankPanel(QWidget *parent = nullptr);

    Ui::frmRenQi ui;

public slots:
    void cmdRenQiChaxun_Click();

private:
    void refuseInput(const QString &text);
    void showQueryFailure();
    void enableControls();
};

} // namespace fendrake
