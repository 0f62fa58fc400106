#include "app/tight_text.h"

#include <QFontInfo>

#include <cmath>

namespace fendrake {

TightText::TightText(const QString &text, const QFont &font, int width, Qt::Alignment horizontal, int lineStep)
{
    // Line ends written by the checks break the line here as they do in a label.
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QChar(QChar::LineSeparator));
    shown.replace(QLatin1Char('\n'), QChar(QChar::LineSeparator));
    shown.replace(QLatin1Char('\r'), QChar(QChar::LineSeparator));
    m_layout.setText(shown);
    m_layout.setFont(font);
    QTextOption option(horizontal);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    m_layout.setTextOption(option);
    m_layout.beginLayout();
    int lines = 0;
    for (QTextLine line = m_layout.createLine(); line.isValid(); line = m_layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, lines * lineStep));
        ++lines;
    }
    m_layout.endLayout();
    m_height = lines * lineStep;
}

void TightText::draw(QPainter *painter, QPointF topLeft) const
{
    m_layout.draw(painter, topLeft);
}

int TightText::lineStep(const QFont &font, double factor)
{
    return static_cast<int>(std::lround(QFontInfo(font).pixelSize() * factor));
}

} // namespace fendrake
