#include "checks/site/domain_registration_panel.h"

namespace fendrake {

DomainRegistrationPanel::DomainRegistrationPanel(QWidget *parent) : QFrame(parent)
{
    ui.setupUi(this);
}

} // namespace fendrake
