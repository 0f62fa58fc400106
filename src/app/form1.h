#pragma once

#include "ui_form1.h"

#include <QMainWindow>

namespace fendrake {

// The main window: three levels of check buttons, the intro panel and the fifteen query panels.
class Form1 : public QMainWindow
{
    Q_OBJECT

public:
    explicit Form1(QWidget *parent = nullptr);

    DomainRegistrationPanel *yuMingPanel() const { return ui.frmYuMing; }
    HostLocationPanel *zhuJiPanel() const { return ui.frmZhuJi; }
    IpLocationPanel *ipPanel() const { return ui.frmIP; }
    HostCountPanel *slPanel() const { return ui.frmSL; }
    IcpFilingPanel *icpPanel() const { return ui.frmICP; }
    TrafficRankPanel *renQiPanel() const { return ui.frmRenQi; }
    PopularityPanel *liuXingPanel() const { return ui.frmLiuXing; }
    UrlSafetyPanel *uSafePanel() const { return ui.frmUSafe; }
    IdentityCardPanel *shenFenZhengPanel() const { return ui.frmShenFenZheng; }
    MobileLocationPanel *shouJiPanel() const { return ui.frmShouJi; }
    TelephoneLocationPanel *telWZPanel() const { return ui.frmTelWZ; }
    QqStatusPanel *qqPanel() const { return ui.frmQQ; }
    CelebrityPanel *mxPanel() const { return ui.frmMX; }
    ShopCreditPanel *tbPanel() const { return ui.frmTB; }
    BusinessRegistryPanel *gongShangPanel() const { return ui.frmGongShang; }

private slots:
    void cmdChuJi_Click();
    void cmdZhongJi_Click();
    void cmdGaoji_Click();

    void cmdShouJi_Click();
    void cmdIP_Click();
    void cmdShenFenZheng_Click();
    void cmdYuMing_Click();
    void cmdZhuJi_Click();
    void cmdPaiming_Click();
    void cmdLiuXing_Click();
    void Command3_Click();
    void Command8_Click();
    void Command12_Click();
    void cmdICP_Click();
    void cmdGongShang_Click();
    void cmdEmail_Click();
    void cmdSafe_Click();
    void Command7_Click();

private:
    void Form_Load();
    void connectNavigation();
    void selectLevel(QWidget *group, int zhongJiTop, int gaojiTop);
    void showPanel(QWidget *panel, QWidget *focusBox);
    void ResetQueryPanels();

    Ui::Form1 ui;
};

} // namespace fendrake
