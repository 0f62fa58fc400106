#pragma once

#include "ui_icp_filing_panel.h"

#include <QFrame>

namespace fendrake {

class BrowserControl;
class PendingQuery;

// ICP filing status of a web site.
class IcpFilingPanel : public QFrame
{
    Q_OBJECT

public:
    explicit IcpFilingPanel(QWidget *parent = nullptr);

    Ui::frmICP ui;

    // The main window hands over the panel's hidden browser and its pending flag once, at set-up.
    void attachBrowser(BrowserControl *web, PendingQuery *pending);

private:
    BrowserControl *m_web = nullptr;
    PendingQuery *m_pending = nullptr;
};

} // namespace fendrake
