#include "checks/people/telephone_location_panel.h"

namespace fendrake {

TelephoneLocationPanel::TelephoneLocationPanel(QWidget *parent) : QFrame(parent)
{
    ui.setupUi(this);
}

void TelephoneLocationPanel::attachBrowser(BrowserControl *web, PendingQuery *pending)
{
    m_web = web;
    m_pending = pending;
}

} // namespace fendrake
