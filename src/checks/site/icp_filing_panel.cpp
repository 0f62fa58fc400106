#include "checks/site/icp_filing_panel.h"

namespace fendrake {

IcpFilingPanel::IcpFilingPanel(QWidget *parent) : QFrame(parent)
{
    ui.setupUi(this);
}

} // namespace fendrake
