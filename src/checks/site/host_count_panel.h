#pragma once

#include "app/services/nslookup_command.h"
#include "ui_host_count_panel.h"

#include <QFrame>

namespace fendrake {

// Number of host addresses of a domain.
class HostCountPanel : public QFrame
{
    Q_OBJECT

public:
    explicit HostCountPanel(QWidget *parent = nullptr);

    Ui::frmSL ui;

public slots:
    void cmdGO_Click();

private:
    void showAnswer(NslookupCommand::Outcome outcome, const QString &output);
    void enableControls();

    NslookupCommand m_command;
};

} // namespace fendrake
