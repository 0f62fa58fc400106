#pragma once

#include "ui_telephone_location_panel.h"

#include <QFrame>

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

private:
    BrowserControl *m_web = nullptr;
    PendingQuery *m_pending = nullptr;
};

} // namespace fendrake
