#pragma once

#include "ui_telephone_location_panel.h"

#include <QColor>
#include <QFrame>
#include <QString>

namespace fendrake {

class BrowserControl;
class PendingQuery;

// Fixed-line telephone location, number-block search and e-mail sender hint.
class TelephoneLocationPanel : public QFrame
{
    Q_OBJECT

public:
    explicit TelephoneLocationPanel(QWidget *parent = nullptr);

    Ui::frmTelWZ ui;

    // The main window hands over the panel's hidden browser and its pending flag once, at set-up.
    void attachBrowser(BrowserControl *web, PendingQuery *pending);

    // The visible text of the loaded telephone page; this check's own.
    QString PageText;

public slots:
    void cmdTelChaXun_Click();
    void WebTel_DocumentComplete(const QString &url);
    void Command5_Click();
    void Command4_Click();

private:
    void setResultColour(const QColor &colour);
    void enableTelephoneQuery();
    void showTelephoneFailure();

    BrowserControl *m_web = nullptr;
    PendingQuery *m_pending = nullptr;
};

} // namespace fendrake
