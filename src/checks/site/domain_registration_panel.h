#pragma once

#include "ui_domain_registration_panel.h"

#include <QFrame>
#include <QString>

namespace fendrake {

// Domain registration: the whois lookup of a domain.
class DomainRegistrationPanel : public QFrame
{
    Q_OBJECT

public:
    explicit DomainRegistrationPanel(QWidget *parent = nullptr);

    Ui::frmYuMing ui;

    // The registration text while it is rewritten; this check's own.
    QString WhoisText;

public slots:
    void cmdYuMingChaXun_Click();

private:
    void showQueryError();
    void enableControls();
};

} // namespace fendrake
