#pragma once

#include "ui_celebrity_panel.h"

#include <QFrame>
#include <QString>

namespace fendrake {

class BrowserControl;
class PendingQuery;

// Celebrity fame.
class CelebrityPanel : public QFrame
{
    Q_OBJECT

public:
    explicit CelebrityPanel(QWidget *parent = nullptr);

    Ui::frmMX ui;

    // The main window hands over the panel's hidden browser and its pending flag once, at set-up.
    void attachBrowser(BrowserControl *web, PendingQuery *pending);

    // The visible text of the forum page of the query in progress; this check's own.
    QString MXPageText;

public slots:
    void cmdMXCX_Click();
    void WebMX_DocumentComplete(const QString &url);

private:
    void showCritical(const QString &text);
    void finishQuery();

    BrowserControl *m_web = nullptr;
    PendingQuery *m_pending = nullptr;
};

} // namespace fendrake
