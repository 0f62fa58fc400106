#include "checks/site/icp_filing_panel.h"

namespace fendrake {

IcpFilingPanel::IcpFilingPanel(QWidget *parent) : QFrame(parent)
{
    ui.setupUi(this);
}

void IcpFilingPanel::attachBrowser(BrowserControl *web, PendingQuery *pending)
{
    m_web = web;
    m_pending = pending;
}

} // namespace fendrake
