#pragma once

#include "ui_icp_filing_panel.h"

#include <QFrame>
#include <QString>

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

    // The page text of the last filing search; this check's own.
    QString ICPPageText;

public slots:
    void Command6_Click();
    void Command10_Click();

private:
    void WebICP_ProgressChange();
    void WebICP_DocumentComplete();
    void showQueryFailure();
    void enableControls();

    BrowserControl *m_web = nullptr;
    PendingQuery *m_pending = nullptr;
};

} // namespace fendrake
