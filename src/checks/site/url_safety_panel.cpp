#include "checks/site/url_safety_panel.h"

#include "app/app_resources.h"

namespace fendrake {

UrlSafetyPanel::UrlSafetyPanel(QWidget *parent) : QFrame(parent)
{
    initResources(); // the verdict pictures
    ui.setupUi(this);
}

void UrlSafetyPanel::attachBrowser(BrowserControl *web, PendingQuery *pending)
{
    m_web = web;
    m_pending = pending;
}

} // namespace fendrake
