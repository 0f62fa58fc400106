#pragma once

#include "ui_url_safety_panel.h"

#include <QFrame>

namespace fendrake {

class BrowserControl;
class PendingQuery;

// URL safety and page-trojan checks.
class UrlSafetyPanel : public QFrame
{
    Q_OBJECT

public:
    explicit UrlSafetyPanel(QWidget *parent = nullptr);

    Ui::frmUSafe ui;

    // The main window hands over the panel's hidden browser and its pending flag once, at set-up.
    void attachBrowser(BrowserControl *web, PendingQuery *pending);

private:
    BrowserControl *m_web = nullptr;
    PendingQuery *m_pending = nullptr;
};

} // namespace fendrake
