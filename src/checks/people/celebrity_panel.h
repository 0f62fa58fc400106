#pragma once

#include "ui_celebrity_panel.h"

#include <QFrame>

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

private:
    BrowserControl *m_web = nullptr;
    PendingQuery *m_pending = nullptr;
};

} // namespace fendrake
