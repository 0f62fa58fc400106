#include "checks/people/celebrity_panel.h"

namespace fendrake {

CelebrityPanel::CelebrityPanel(QWidget *parent) : QFrame(parent)
{
    ui.setupUi(this);
}

} // namespace fendrake
