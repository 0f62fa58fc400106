#include "checks/site/host_location_panel.h"

namespace fendrake {

HostLocationPanel::HostLocationPanel(QWidget *parent) : QFrame(parent)
{
    ui.setupUi(this);
}

} // namespace fendrake
