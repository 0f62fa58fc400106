#include "checks/people/mobile_location_panel.h"

namespace fendrake {

MobileLocationPanel::MobileLocationPanel(QWidget *parent) : QFrame(parent)
{
    ui.setupUi(this);
}

} // namespace fendrake
