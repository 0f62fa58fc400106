#pragma once

#include "ui_domain_registration_panel.h"

#include <QFrame>

namespace fendrake {

// Domain registration: the whois lookup of a domain.
class DomainRegistrationPanel : public QFrame
{
    Q_OBJECT

public:
    explicit DomainRegistrationPanel(QWidget *parent = nullptr);

    Ui::frmYuMing ui;
};

} // namespace fendrake
