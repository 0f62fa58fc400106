#include "checks/site/ip_location_panel.h"

namespace fendrake {

IpLocationPanel::IpLocationPanel(QWidget *parent) : QFrame(parent)
{
    ui.setupUi(this);
}

} // namespace fendrake
