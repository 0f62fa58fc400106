#include "checks/people/telephone_location_panel.h"

namespace fendrake {

TelephoneLocationPanel::TelephoneLocationPanel(QWidget *parent) : QFrame(parent)
{
    ui.setupUi(this);
}

} // namespace fendrake
