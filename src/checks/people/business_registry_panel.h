#pragma once

#include "ui_business_registry_panel.h"

#include <QFrame>

namespace fendrake {

// Business-registry and enterprise-credit addresses of a region.
class BusinessRegistryPanel : public QFrame
{
    Q_OBJECT

public:
    explicit BusinessRegistryPanel(QWidget *parent = nullptr);

    Ui::frmGongShang ui;
};

} // namespace fendrake
