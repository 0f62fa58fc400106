#include "app/picture_button.h"

#include "app/tight_text.h"

#include <QStyleOptionButton>
#include <QStylePainter>

#include <algorithm>

namespace fendrake {

namespace {

constexpr int kLargestPicture = 16;
constexpr int kSmallestPicture = 8;

} // namespace

PictureButton::PictureButton(QWidget *parent) : QPushButton(parent) {}

void PictureButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    painter.drawControl(QStyle::CE_PushButtonBevel, option);

    QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    if (isDown())
        area.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                       style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));

    // The buttons are only about two lines high: their lines sit closer still than those of a label.
    const TightText caption(text(), font(), area.width(), Qt::AlignHCenter, TightText::lineStep(font(), 1.2));
    const int picture = std::clamp(area.height() - caption.height() - 1, kSmallestPicture, kLargestPicture);
    const int top = area.top() + std::max(0, (area.height() - picture - 1 - caption.height()) / 2);
    const QRect pictureRect(area.left() + (area.width() - picture) / 2, top, picture, picture);
    icon().paint(&painter, pictureRect, Qt::AlignCenter, isEnabled() ? QIcon::Normal : QIcon::Disabled);

    painter.setPen(option.palette.color(QPalette::ButtonText));
    caption.draw(&painter, QPointF(area.left(), top + picture + 1));

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &option, this);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

} // namespace fendrake
