#include "checks/site/host_count_panel.h"

namespace fendrake {

HostCountPanel::HostCountPanel(QWidget *parent) : QFrame(parent)
{
    ui.setupUi(this);
}

} // namespace fendrake
