#pragma once

#include "app/services/pending_query.h"
#include "ui_form1.h"

#include <QMainWindow>

#include <memory>

namespace fendrake {

class BrowserControl;
class HotKey;

// The main window: three levels of check buttons, the intro panel and the fifteen query panels.
class Form1 : public QMainWindow
{
    Q_OBJECT

public:
    explicit Form1(QWidget *parent = nullptr);
    ~Form1() override;

    // The set-up found another running copy: this run must end without showing anything.
    bool isSecondCopy() const { return m_secondCopy; }

    // The hidden browsers of the browser-driven checks, each in its panel (WebTB on the window).
    BrowserControl *WebICP = nullptr;
    BrowserControl *WebUS = nullptr;
    BrowserControl *WebMX = nullptr;
    BrowserControl *WebTB = nullptr;
    BrowserControl *WebQQ = nullptr;
    BrowserControl *WebTel = nullptr;

    // Set before a panel's browser loads a page; taken by the handler that evaluates it.
    PendingQuery ICPQueryPending;
    PendingQuery USQueryPending;
    PendingQuery MXQueryPending;
    PendingQuery TBQueryPending;
    PendingQuery QQQueryPending;
    PendingQuery TelQueryPending;

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

    void Check1_Click();
    void Command2_Click();
    void mnuEnd_Click();

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();
    void Form_Activate();
    void createBrowserControls();
    QList<QFrame *> queryPanels() const;
    void connectNavigation();
    void selectLevel(QWidget *group, int zhongJiTop, int gaojiTop);
    void showPanel(QWidget *panel, QWidget *focusBox);
    void ResetQueryPanels();

    Ui::Form1 ui;
    std::unique_ptr<HotKey> m_hotKey;
    bool m_secondCopy = false;
    bool m_activatedBefore = false;
    bool m_leftForOwnWindow = false;
};

} // namespace fendrake
