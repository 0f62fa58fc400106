#include "checks/people/business_registry_panel.h"

#include "app/services/message_box.h"
#include "app/services/shell_open.h"
#include "checks/people/business_registry.h"
#include "checks/people/region_sites.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPalette>

#include <initializer_list>

namespace fendrake {

namespace {

const QColor kHoverColour(255, 0, 0);
const QColor kRestingColour(0, 0, 255);

// Only the normal look changes: a disabled link keeps its greyed look.
void setLinkColour(QLabel *label, const QColor &colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::Active, QPalette::WindowText, colour);
    palette.setColor(QPalette::Inactive, QPalette::WindowText, colour);
    label->setPalette(palette);
}

} // namespace

BusinessRegistryPanel::BusinessRegistryPanel(QWidget *parent) : QFrame(parent)
{
    ui.setupUi(this);
    connect(ui.Command1, &QPushButton::clicked, this, &BusinessRegistryPanel::Command1_Click);
    connect(ui.Option1, &QRadioButton::toggled, this, [this](bool selected) {
        if (selected)
            Option1_Click();
    });
    connect(ui.Option2, &QRadioButton::toggled, this, [this](bool selected) {
        if (selected)
            Option2_Click();
    });
    // Moves without a pressed button reach only widgets that track the mouse.
    for (QWidget *watched : std::initializer_list<QWidget *>{ui.Label3, ui.Label4, ui.Frame2}) {
        watched->setMouseTracking(true);
        watched->installEventFilter(this);
    }
}

void BusinessRegistryPanel::Command1_Click()
{
    ui.Label4->setEnabled(true);
    ui.Command1->setEnabled(false);
    ui.Label3->setEnabled(true);

    const bool provinceMode = ui.Option1->isChecked();
    const QString text = provinceMode ? ui.Combo1->currentText() : ui.Combo2->currentText();
    const RegionSites *row = findRegionSites(provinceMode ? RegionMode::Province : RegionMode::City, text);
    if (row) {
        writeCaption(ui.Label3, row->registry);
        writeCaption(ui.Label4, row->credit);
    } else if (text.isEmpty()) {
        showMessage(this, MessageIcon::Critical, QStringLiteral("错误"), QStringLiteral("请选择省/市以便查询！"));
    }
    ui.Command1->setEnabled(true);
    enableLinksByCaption();
}

// Each link ends clickable exactly when it holds an address, also when no row was found and the
// captions of an earlier lookup stand.
void BusinessRegistryPanel::enableLinksByCaption()
{
    ui.Label3->setEnabled(isLinkCaption(ui.Label3->text()));
    ui.Label4->setEnabled(isLinkCaption(ui.Label4->text()));
}

void BusinessRegistryPanel::writeCaption(QLabel *label, QStringView caption)
{
    if (label->text() == caption)
        return;
    label->setText(caption.toString());
    if (label == ui.Label3)
        Label3_Change();
    else
        Label4_Change();
}

void BusinessRegistryPanel::Label3_Change()
{
    ui.Label3->setEnabled(isLinkCaption(ui.Label3->text()));
}

void BusinessRegistryPanel::Label4_Change()
{
    ui.Label4->setEnabled(isLinkCaption(ui.Label4->text()));
}

void BusinessRegistryPanel::Option1_Click()
{
    ui.Combo1->setEnabled(true);
    ui.Combo2->setEnabled(false);
}

void BusinessRegistryPanel::Option2_Click()
{
    ui.Combo1->setEnabled(false);
    ui.Combo2->setEnabled(true);
}

void BusinessRegistryPanel::Label3_Click()
{
    OpenInBrowser(window(), ui.Label3->text());
}

void BusinessRegistryPanel::Label4_Click()
{
    OpenInBrowser(window(), ui.Label4->text());
}

void BusinessRegistryPanel::Label3_MouseMove()
{
    setLinkColour(ui.Label3, kHoverColour);
}

void BusinessRegistryPanel::Label4_MouseMove()
{
    setLinkColour(ui.Label4, kHoverColour);
}

void BusinessRegistryPanel::Frame2_MouseMove()
{
    setLinkColour(ui.Label3, kRestingColour);
    setLinkColour(ui.Label4, kRestingColour);
}

// A disabled link takes no part: its events pass on to the frame beneath, as over any other spot of it.
bool BusinessRegistryPanel::eventFilter(QObject *watched, QEvent *event)
{
    const bool move = event->type() == QEvent::MouseMove;
    const bool release = event->type() == QEvent::MouseButtonRelease;
    if (!move && !release)
        return QFrame::eventFilter(watched, event);
    if (watched == ui.Frame2) {
        if (move)
            Frame2_MouseMove();
        return false;
    }
    auto *label = static_cast<QLabel *>(watched);
    if (!label->isEnabled())
        return false;
    if (move) {
        label == ui.Label3 ? Label3_MouseMove() : Label4_MouseMove();
        return true;
    }
    // A click is a left button let go over the label.
    const auto *mouse = static_cast<QMouseEvent *>(event);
    if (mouse->button() == Qt::LeftButton && label->rect().contains(mouse->position().toPoint()))
        label == ui.Label3 ? Label3_Click() : Label4_Click();
    return true;
}

} // namespace fendrake
