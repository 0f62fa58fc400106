#pragma once

#include "ui_icp_filing_panel.h"

#include <QFrame>

namespace fendrake {

// ICP filing status of a web site.
class IcpFilingPanel : public QFrame
{
    Q_OBJECT

public:
    explicit IcpFilingPanel(QWidget *parent = nullptr);

    Ui::frmICP ui;
};

} // namespace fendrake
