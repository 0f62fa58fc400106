#pragma once

#include "ui_popularity_panel.h"

#include <QFrame>

namespace fendrake {

// Search-engine popularity and indexed pages of a web site.
class PopularityPanel : public QFrame
{
    Q_OBJECT

public:
    explicit PopularityPanel(QWidget *parent = nullptr);

    Ui::frmLiuXing ui;

public slots:
    void cmdLiuXingChaXun_Click();
    void cmdShouLuChaXun_Click();

private:
    void showPopularityFailure();
    void showIndexedPagesFailure();
    void setControlsEnabled(bool enabled);
};

} // namespace fendrake
