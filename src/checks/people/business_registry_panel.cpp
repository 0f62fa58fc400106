#include "checks/people/business_registry_panel.h"

namespace fendrake {

BusinessRegistryPanel::BusinessRegistryPanel(QWidget *parent) : QFrame(parent)
{
    ui.setupUi(this);
}

} // namespace fendrake
