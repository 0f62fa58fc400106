#pragma once

#include "ui_business_registry_panel.h"

#include <QFrame>
#include <QStringView>

class QLabel;

namespace fendrake {

// Business-registry and enterprise-credit addresses of a region.
class BusinessRegistryPanel : public QFrame
{
    Q_OBJECT

public:
    explicit BusinessRegistryPanel(QWidget *parent = nullptr);

    Ui::frmGongShang ui;

public slots:
    void Command1_Click();
    void Option1_Click();
    void Option2_Click();
    void Label3_Click();
    void Label4_Click();
    void Label3_MouseMove();
    void Label4_MouseMove();
    void Frame2_MouseMove();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Label3_Change();
    void Label4_Change();
    void writeCaption(QLabel *label, QStringView caption);
    void enableLinksByCaption();
};

} // namespace fendrake
