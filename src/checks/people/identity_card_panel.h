#pragma once

#include "ui_identity_card_panel.h"

#include <QFrame>
#include <QString>

namespace fendrake {

// Identity-card number check.
class IdentityCardPanel : public QFrame
{
    Q_OBJECT

public:
    explicit IdentityCardPanel(QWidget *parent = nullptr);

    Ui::frmShenFenZheng ui;

    // The fetched page of the query in progress; this check's own.
    QString PageText;

public slots:
    void cmdShenFenZhengChaXun_Click();

private:
    void showQueryFailure();
};

} // namespace fendrake
