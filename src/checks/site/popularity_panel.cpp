#include "checks/site/popularity_panel.h"

namespace fendrake {

PopularityPanel::PopularityPanel(QWidget *parent) : QFrame(parent)
{
    ui.setupUi(this);
}

} // namespace fendrake
