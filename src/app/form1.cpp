#include "app/form1.h"

#include "app/always_on_top.h"
#include "app/app_resources.h"
#include "app/hot_key.h"
#include "app/input_keys.h"
#include "app/menus.h"
#include "app/program_end.h"
#include "app/region_lists.h"
#include "app/services/browser_control.h"
#include "app/single_instance.h"
#include "checks/site/page_trojan.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLayout>

#include <exception>

namespace fendrake {

namespace {

// Positions are designed in twips; 15 twips make one pixel.
constexpr int twips(int value)
{
    return value / 15;
}

// The set-up skips a step that fails and goes on with the next, reporting nothing.
template <typename Step> void guarded(Step step)
{
    try {
        step();
    } catch (const std::exception &) {
    }
}

} // namespace

Form1::Form1(QWidget *parent) : QMainWindow(parent)
{
    initResources();
    ui.setupUi(this);
    // The controls stand at fixed places, so the window keeps its designed size.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    // uic drops a text made only of white space, so the TAB of this work box is set here.
    ui.Text6->setText(QStringLiteral("\t"));
    createBrowserControls();
    connectNavigation();
    wireInputKeys(*this);
    wireMenus(*this);
    Form_Load();
}

Form1::~Form1() = default;

// The fifteen query panels, in the order the set-up takes their borders off.
QList<QFrame *> Form1::queryPanels() const
{
    return {ui.frmTelWZ, ui.frmShouJi,  ui.frmIP,        ui.frmShenFenZheng, ui.frmZhuJi,
            ui.frmRenQi, ui.frmLiuXing, ui.frmICP,       ui.frmMX,           ui.frmQQ,
            ui.frmUSafe, ui.frmTB,      ui.frmGongShang, ui.frmSL,           ui.frmYuMing};
}

void Form1::createBrowserControls()
{
    const auto make = [](QWidget *owner, const char *name) {
        auto *control = new BrowserControl(owner);
        control->setObjectName(QString::fromLatin1(name));
        return control;
    };
    WebICP = make(ui.frmICP, "WebICP");
    WebUS = make(ui.frmUSafe, "WebUS");
    WebMX = make(ui.frmMX, "WebMX");
    WebTB = make(ui.centralwidget, "WebTB");
    WebQQ = make(ui.frmQQ, "WebQQ");
    WebTel = make(ui.frmTelWZ, "WebTel");

    ui.frmICP->attachBrowser(WebICP, &ICPQueryPending);
    ui.frmUSafe->attachBrowser(WebUS, &USQueryPending);
    ui.frmMX->attachBrowser(WebMX, &MXQueryPending);
    ui.frmTB->attachBrowser(WebTB, &TBQueryPending);
    ui.frmQQ->attachBrowser(WebQQ, &QQQueryPending);
    ui.frmTelWZ->attachBrowser(WebTel, &TelQueryPending);
}

void Form1::Form_Load()
{
    // A second copy ends before anything else, so the running copy keeps its hot key.
    if (anotherCopyRunning()) {
        m_secondCopy = true;
        return;
    }
    guarded([this] { m_hotKey = std::make_unique<HotKey>(this); });
    guarded([this] { WebICP->setSilent(true); });
    guarded([this] { cmdChuJi_Click(); });
    for (QLabel *link : {ui.frmGongShang->ui.Label3, ui.frmGongShang->ui.Label4}) {
        guarded([link] {
            QFont font = link->font();
            font.setUnderline(true);
            link->setFont(font);
        });
    }
    for (const QString &row : provinceRows())
        guarded([&] { ui.frmGongShang->ui.Combo1->addItem(row); });
    for (const QString &row : cityRows())
        guarded([&] { ui.frmGongShang->ui.Combo2->addItem(row); });
    // Appending selects the first row of a list; the set-up selects none.
    ui.frmGongShang->ui.Combo1->setCurrentIndex(-1);
    ui.frmGongShang->ui.Combo2->setCurrentIndex(-1);
    for (QFrame *panel : queryPanels())
        guarded([panel] { panel->setFrameShape(QFrame::NoFrame); });
}

// Every activation puts the focus into the box outside the visible area, so no input box shows a
// caret until the user clicks one. The splash is long gone by then and stays so.
void Form1::Form_Activate()
{
    ui.Text5->setFocus(Qt::ActiveWindowFocusReason);
}

void Form1::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange) {
        if (isActiveWindow()) {
            if (!m_activatedBefore || m_leftForOwnWindow)
                Form_Activate();
            m_activatedBefore = true;
        } else {
            // Only a return from one of the program's own windows counts as an activation; a message
            // box, a file dialog or another program gives the focus back where it was.
            const QWidget *next = QApplication::activeWindow();
            m_leftForOwnWindow =
                next && next != this && qstrncmp(next->metaObject()->className(), "fendrake::Form", 14) == 0;
        }
    }
    QMainWindow::changeEvent(event);
}

void Form1::closeEvent(QCloseEvent *event)
{
    event->accept();
    endProgram();
}

void Form1::Check1_Click()
{
    setAlwaysOnTop(this, ui.Check1->isChecked());
}

void Form1::Command2_Click()
{
    endProgram();
}

void Form1::mnuEnd_Click()
{
    hide();
    endProgram();
}

void Form1::connectNavigation()
{
    connect(ui.cmdChuJi, &QPushButton::clicked, this, &Form1::cmdChuJi_Click);
    connect(ui.cmdZhongJi, &QPushButton::clicked, this, &Form1::cmdZhongJi_Click);
    connect(ui.cmdGaoji, &QPushButton::clicked, this, &Form1::cmdGaoji_Click);

    connect(ui.cmdShouJi, &QPushButton::clicked, this, &Form1::cmdShouJi_Click);
    connect(ui.cmdIP, &QPushButton::clicked, this, &Form1::cmdIP_Click);
    connect(ui.cmdShenFenZheng, &QPushButton::clicked, this, &Form1::cmdShenFenZheng_Click);
    connect(ui.cmdYuMing, &QPushButton::clicked, this, &Form1::cmdYuMing_Click);
    connect(ui.cmdZhuJi, &QPushButton::clicked, this, &Form1::cmdZhuJi_Click);
    connect(ui.cmdPaiming, &QPushButton::clicked, this, &Form1::cmdPaiming_Click);
    connect(ui.cmdLiuXing, &QPushButton::clicked, this, &Form1::cmdLiuXing_Click);
    connect(ui.Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(ui.Command8, &QPushButton::clicked, this, &Form1::Command8_Click);
    connect(ui.Command12, &QPushButton::clicked, this, &Form1::Command12_Click);
    connect(ui.cmdICP, &QPushButton::clicked, this, &Form1::cmdICP_Click);
    connect(ui.cmdGongShang, &QPushButton::clicked, this, &Form1::cmdGongShang_Click);
    connect(ui.cmdEmail, &QPushButton::clicked, this, &Form1::cmdEmail_Click);
    connect(ui.cmdSafe, &QPushButton::clicked, this, &Form1::cmdSafe_Click);
    connect(ui.Command7, &QPushButton::clicked, this, &Form1::Command7_Click);
    // Two buttons of the basic level open outside check pages and no panel.
    connect(ui.mnuFileSafe, &QPushButton::clicked, this, [this] { mnuFileSafe_Click(this); });
    connect(ui.Command11, &QPushButton::clicked, this, [this] { Command11_Click(this); });

    connect(ui.Check1, &QCheckBox::clicked, this, &Form1::Check1_Click);
    connect(ui.Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(ui.mnuEnd, &QAction::triggered, this, &Form1::mnuEnd_Click);
}

void Form1::cmdChuJi_Click()
{
    selectLevel(ui.frmChuJi, 5160, 5580);
}

void Form1::cmdZhongJi_Click()
{
    selectLevel(ui.frmZhongJi, 480, 5580);
}

void Form1::cmdGaoji_Click()
{
    selectLevel(ui.frmGaoji, 480, 900);
}

// A level shows its own group and the intro; it leaves every panel's contents and the focus alone.
void Form1::selectLevel(QWidget *group, int zhongJiTop, int gaojiTop)
{
    for (QWidget *each : {ui.frmChuJi, ui.frmZhongJi, ui.frmGaoji})
        each->setVisible(each == group);
    ui.cmdZhongJi->move(ui.cmdZhongJi->x(), twips(zhongJiTop));
    ui.cmdGaoji->move(ui.cmdGaoji->x(), twips(gaojiTop));
    showPanel(ui.Picture1, nullptr);
}

void Form1::showPanel(QWidget *panel, QWidget *focusBox)
{
    ui.Picture1->setVisible(ui.Picture1 == panel);
    for (QFrame *each : queryPanels())
        each->setVisible(each == panel);
    // A box that its own query keeps disabled cannot take the focus; the panel is shown all the same.
    if (focusBox && focusBox->isEnabled())
        focusBox->setFocus(Qt::OtherFocusReason);
}

void Form1::cmdShouJi_Click()
{
    ResetQueryPanels();
    showPanel(ui.frmShouJi, ui.frmShouJi->ui.txtShouJi);
}

void Form1::cmdIP_Click()
{
    ResetQueryPanels();
    showPanel(ui.frmIP, ui.frmIP->ui.txtIP);
}

void Form1::cmdShenFenZheng_Click()
{
    ResetQueryPanels();
    showPanel(ui.frmShenFenZheng, ui.frmShenFenZheng->ui.txtShenFenZheng);
}

void Form1::cmdYuMing_Click()
{
    ResetQueryPanels();
    showPanel(ui.frmYuMing, ui.frmYuMing->ui.txtYuMing);
}

void Form1::cmdZhuJi_Click()
{
    ResetQueryPanels();
    showPanel(ui.frmZhuJi, ui.frmZhuJi->ui.txtZhuJi);
}

void Form1::cmdPaiming_Click()
{
    ResetQueryPanels();
    showPanel(ui.frmRenQi, ui.frmRenQi->ui.txtRenQi);
}

void Form1::cmdLiuXing_Click()
{
    ResetQueryPanels();
    showPanel(ui.frmLiuXing, ui.frmLiuXing->ui.txtLiuXing);
}

void Form1::Command3_Click()
{
    ResetQueryPanels();
    showPanel(ui.frmSL, ui.frmSL->ui.txtSLURL);
}

void Form1::Command8_Click()
{
    ResetQueryPanels();
    showPanel(ui.frmQQ, ui.frmQQ->ui.Text4);
}

void Form1::Command12_Click()
{
    ResetQueryPanels();
    showPanel(ui.frmMX, nullptr);
}

void Form1::cmdICP_Click()
{
    ResetQueryPanels();
    showPanel(ui.frmICP, nullptr);
}

void Form1::cmdGongShang_Click()
{
    ResetQueryPanels();
    showPanel(ui.frmGongShang, nullptr);
}

void Form1::cmdEmail_Click()
{
    ResetQueryPanels();
    showPanel(ui.frmTelWZ, ui.frmTelWZ->ui.txtTel);
}

void Form1::cmdSafe_Click()
{
    ResetQueryPanels();
    showPanel(ui.frmUSafe, ui.frmUSafe->ui.txtUS);
}

void Form1::Command7_Click()
{
    ResetQueryPanels();
    showPanel(ui.frmTB, nullptr);
}

// Brings nine panels back to idle. The panels of the browser-driven checks and of the business registry
// keep what their last query left, and so do the result controls not written here.
void Form1::ResetQueryPanels()
{
    auto &ip = ui.frmIP->ui;
    ip.txtIP->setText(QString());
    ip.txtIP->setEnabled(true);
    ip.cmdIPChaXun->setEnabled(true);
    ip.Label10->setVisible(false);

    auto &shouJi = ui.frmShouJi->ui;
    shouJi.txtShouJi->setText(QString());
    shouJi.txtShouJi->setEnabled(true);
    shouJi.cmdShouJiChaXun->setEnabled(true);
    shouJi.lblChengShi->setText(QStringLiteral("归属："));
    shouJi.lblQuHao->setText(QStringLiteral("区号："));
    shouJi.lblKaXing->setText(QStringLiteral("卡型："));
    shouJi.lblPost->setText(QStringLiteral("邮编："));
    shouJi.lblShouJiZZ->setText(QStringLiteral("准备就绪"));

    auto &liuXing = ui.frmLiuXing->ui;
    liuXing.txtLiuXing->setText(QString());
    liuXing.txtLiuXing->setEnabled(true);
    liuXing.cmdLiuXingChaXun->setEnabled(true);
    liuXing.cmdShouLuChaXun->setEnabled(true);
    liuXing.lblLiuXing->setText(QStringLiteral("网站流行度："));

    auto &sl = ui.frmSL->ui;
    sl.txtSLURL->setEnabled(true);
    sl.txtSLURL->setText(QString());
    sl.cmdGO->setEnabled(true);
    sl.txtSLJG->setPlainText(QString());
    sl.txtSLJG->setEnabled(true);

    auto &renQi = ui.frmRenQi->ui;
    renQi.txtRenQi->setEnabled(true);
    renQi.txtRenQi->setText(QString());
    renQi.cmdRenQiChaxun->setEnabled(true);

    auto &zhuJi = ui.frmZhuJi->ui;
    zhuJi.txtZhuJi->setEnabled(true);
    zhuJi.txtZhuJi->setText(QString());
    zhuJi.cmdZhuJiChaXun->setEnabled(true);
    zhuJi.lblZhuJiIP->setText(QStringLiteral("主机IP地址："));

    auto &telWZ = ui.frmTelWZ->ui;
    telWZ.txtTel->setText(QString());
    telWZ.txtTel->setEnabled(true);
    telWZ.txtTelWZ->setEnabled(true);
    telWZ.txtTelWZ->setPlainText(QString());

    auto &yuMing = ui.frmYuMing->ui;
    yuMing.txtYuMing->setText(QString());
    yuMing.txtYuMing->setEnabled(true);
    yuMing.cmdYuMingChaXun->setEnabled(true);
    yuMing.txtYuMingJG->setEnabled(true);
    yuMing.txtYuMingJG->setPlainText(QString());

    auto &shenFenZheng = ui.frmShenFenZheng->ui;
    shenFenZheng.txtShenFenZheng->setEnabled(true);
    shenFenZheng.txtShenFenZheng->setText(QString());
    shenFenZheng.cmdShenFenZhengChaXun->setEnabled(true);
    shenFenZheng.lblXingBie->setText(QStringLiteral("性别："));
    shenFenZheng.lblChuSheng->setText(QStringLiteral("出生日期："));
    shenFenZheng.lblSFZSuoZai->setText(QStringLiteral("发证地："));
}

} // namespace fendrake
