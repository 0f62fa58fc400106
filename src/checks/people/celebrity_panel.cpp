#include "checks/people/celebrity_panel.h"

namespace fendrake {

CelebrityPanel::CelebrityPanel(QWidget *parent) : QFrame(parent)
{
    ui.setupUi(this);
}

void CelebrityPanel::attachBrowser(BrowserControl *web, PendingQuery *pending)
{
    m_web = web;
    m_pending = pending;
}

} // namespace fendrake
