#pragma once

#include "ui_url_safety_panel.h"

#include <QFrame>

namespace fendrake {

// URL safety and page-trojan checks.
class UrlSafetyPanel : public QFrame
{
    Q_OBJECT

public:
    explicit UrlSafetyPanel(QWidget *parent = nullptr);

    Ui::frmUSafe ui;
};

} // namespace fendrake
