#include "app/wrap_label.h"

#include "app/tight_text.h"

#include <QPainter>

namespace fendrake {

WrapLabel::WrapLabel(QWidget *parent) : QLabel(parent)
{
    setWordWrap(true);
}

void WrapLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect area = contentsRect();
    const TightText text(this->text(), font(), area.width(), alignment() & Qt::AlignHorizontal_Mask,
                         TightText::designLineStep(font()));
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
    text.draw(&painter, area.topLeft());
}

} // namespace fendrake
