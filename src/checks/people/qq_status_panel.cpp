#include "checks/people/qq_status_panel.h"

namespace fendrake {

QqStatusPanel::QqStatusPanel(QWidget *parent) : QFrame(parent)
{
    ui.setupUi(this);
}

void QqStatusPanel::attachBrowser(BrowserControl *web, PendingQuery *pending)
{
    m_web = web;
    m_pending = pending;
}

} // namespace fendrake
