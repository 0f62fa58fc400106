#include "checks/people/qq_status_panel.h"

namespace fendrake {

QqStatusPanel::QqStatusPanel(QWidget *parent) : QFrame(parent)
{
    ui.setupUi(this);
}

} // namespace fendrake
