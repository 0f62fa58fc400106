#include "checks/people/identity_card_panel.h"

namespace fendrake {

IdentityCardPanel::IdentityCardPanel(QWidget *parent) : QFrame(parent)
{
    ui.setupUi(this);
}

} // namespace fendrake
