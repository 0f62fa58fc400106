#include "app/input_keys.h"

#include "app/form1.h"
#include "app/services/key_filter.h"

#include <QAbstractButton>
#include <QLineEdit>

#include <functional>
#include <optional>

namespace fendrake {

namespace {

struct InputKeyRow
{
    QLineEdit *box;
    std::optional<ForbiddenSet> set;
    std::function<void()> onEnter;
    QAbstractButton *guard;
};

// A number box that is disabled or hidden keeps the focus where it is.
void focusIfAble(QLineEdit *box)
{
    if (box->isEnabled() && box->isVisible())
        box->setFocus(Qt::OtherFocusReason);
}

} // namespace

void wireInputKeys(Form1 &form)
{
    auto &yuMing = form.yuMingPanel()->ui;
    auto &zhuJi = form.zhuJiPanel()->ui;
    auto &ip = form.ipPanel()->ui;
    auto &sl = form.slPanel()->ui;
    auto &icp = form.icpPanel()->ui;
    auto &renQi = form.renQiPanel()->ui;
    auto &liuXing = form.liuXingPanel()->ui;
    auto &uSafe = form.uSafePanel()->ui;
    auto &shenFenZheng = form.shenFenZhengPanel()->ui;
    auto &shouJi = form.shouJiPanel()->ui;
    auto &telWZ = form.telWZPanel()->ui;
    auto &qq = form.qqPanel()->ui;
    auto &tb = form.tbPanel()->ui;

    const auto liuXingEnter = [panel = form.liuXingPanel()] {
        panel->ui.lblLiuXing->setText(QStringLiteral("网站流行度："));
        panel->ui.lblShouLu->setText(QStringLiteral("收录数："));
        panel->cmdLiuXingChaXun_Click();
        panel->cmdShouLuChaXun_Click();
    };

    const InputKeyRow rows[] = {
        {yuMing.txtYuMing, ForbiddenSet::Common, [panel = form.yuMingPanel()] { panel->cmdYuMingChaXun_Click(); },
         yuMing.cmdYuMingChaXun},
        {zhuJi.txtZhuJi, ForbiddenSet::Common, [panel = form.zhuJiPanel()] { panel->cmdZhuJiChaXun_Click(); }, nullptr},
        {ip.txtIP, ForbiddenSet::IP, [panel = form.ipPanel()] { panel->cmdIPChaXun_Click(); }, nullptr},
        {sl.txtSLURL, ForbiddenSet::Ex, [panel = form.slPanel()] { panel->cmdGO_Click(); }, nullptr},
        {icp.txtICP, ForbiddenSet::Common, [panel = form.icpPanel()] { panel->Command6_Click(); }, nullptr},
        {renQi.txtRenQi, ForbiddenSet::Common, [panel = form.renQiPanel()] { panel->cmdRenQiChaxun_Click(); }, nullptr},
        {liuXing.txtLiuXing, ForbiddenSet::Common, liuXingEnter, nullptr},
        {uSafe.txtUS, ForbiddenSet::Common, [panel = form.uSafePanel()] { panel->cmdUS_Click(); }, nullptr},
        {uSafe.txtGM, ForbiddenSet::Common, [panel = form.uSafePanel()] { panel->cmdGMCX_Click(); }, nullptr},
        {shenFenZheng.txtShenFenZheng, ForbiddenSet::IDCard,
         [panel = form.shenFenZhengPanel()] { panel->cmdShenFenZhengChaXun_Click(); }, nullptr},
        {shouJi.txtShouJi, ForbiddenSet::Mobile, [panel = form.shouJiPanel()] { panel->cmdShouJiChaXun_Click(); },
         nullptr},
        {telWZ.txtTel, ForbiddenSet::Tel, [panel = form.telWZPanel()] { panel->cmdTelChaXun_Click(); }, nullptr},
        {telWZ.Text2, ForbiddenSet::AreaCode, [text3 = telWZ.Text3] { focusIfAble(text3); }, nullptr},
        {telWZ.Text3, ForbiddenSet::TelRange, [panel = form.telWZPanel()] { panel->Command5_Click(); }, nullptr},
        {qq.Text4, ForbiddenSet::QQ, [panel = form.qqPanel()] { panel->Command9_Click(); }, qq.Command9},
        {tb.txtTB, std::nullopt, [panel = form.tbPanel()] { panel->cmdTBCX_Click(); }, tb.cmdTBCX},
    };
    for (const InputKeyRow &row : rows)
        installKeyFilter(row.box, row.set, row.onEnter, row.guard);
}

} // namespace fendrake
