#pragma once

#include "ui_url_safety_panel.h"

#include <QFrame>
#include <QString>

namespace fendrake {

class BrowserControl;
class PendingQuery;
enum class SafetyPicture;

// URL safety and page-trojan checks.
class UrlSafetyPanel : public QFrame
{
    Q_OBJECT

public:
    explicit UrlSafetyPanel(QWidget *parent = nullptr);

    Ui::frmUSafe ui;

    // The main window hands over the panel's hidden browser and its pending flag once, at set-up.
    void attachBrowser(BrowserControl *web, PendingQuery *pending);

    // The address of the last URL safety query, as cleaned, and the site-check page it got.
    QString USQueryURL;
    QString SafetyPageText;

public slots:
    void cmdUS_Click();
    void cmdGMCX_Click();

private:
    void WebUS_ProgressChange(int progress, int progressMax);
    void WebUS_DocumentComplete();
    void showPicture(SafetyPicture picture);
    void showSafetyFailure();
    void showTrojanFailure();

    BrowserControl *m_web = nullptr;
    PendingQuery *m_pending = nullptr;
};

} // namespace fendrake
