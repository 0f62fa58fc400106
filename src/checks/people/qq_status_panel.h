#pragma once

#include "ui_qq_status_panel.h"

#include <QFrame>
#include <QString>

namespace fendrake {

class BrowserControl;
class PendingQuery;

// QQ online status.
class QqStatusPanel : public QFrame
{
    Q_OBJECT

public:
    explicit QqStatusPanel(QWidget *parent = nullptr);

    Ui::frmQQ ui;

    // The main window hands over the panel's hidden browser and its pending flag once, at set-up.
    void attachBrowser(BrowserControl *web, PendingQuery *pending);

public slots:
    void Command9_Click();
    void WebQQ_TitleChange(const QString &text);

private:
    void enableQuery();
    void showInputError();

    BrowserControl *m_web = nullptr;
    PendingQuery *m_pending = nullptr;
};

} // namespace fendrake
