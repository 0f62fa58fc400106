#include "checks/site/traffic_rank_panel.h"

namespace fendrake {

TrafficRankPanel::TrafficRankPanel(QWidget *parent) : QFrame(parent)
{
    ui.setupUi(this);
}

} // namespace fendrake
