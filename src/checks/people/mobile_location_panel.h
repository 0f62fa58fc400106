#pragma once

#include "ui_mobile_location_panel.h"

#include <QFrame>
#include <QString>

namespace fendrake {

// Mobile-number location.
class MobileLocationPanel : public QFrame
{
    Q_OBJECT

public:
    explicit MobileLocationPanel(QWidget *parent = nullptr);

    Ui::frmShouJi ui;

    // The fetched page of the query in progress; this check's own.
    QString PageText;

public slots:
    void cmdShouJiChaXun_Click();

private:
    void showQueryFailure();
};

} // namespace fendrake
