#pragma once

#include <QFont>
#include <QString>
#include <QTextLayout>

class QPainter;

namespace fendrake {

// Wrapped text with a line step of our choosing. The designs were sized for a Chinese face whose lines
// sit closer than those of the installed CJK family; with its own leading, the designed labels clip.
class TightText
{
public:
    TightText(const QString &text, const QFont &font, int width, Qt::Alignment horizontal, int lineStep);
    TightText(const TightText &) = delete;
    TightText &operator=(const TightText &) = delete;

    int height() const { return m_height; }
    void draw(QPainter *painter, QPointF topLeft) const;

    // A line step of factor times the font's pixel size.
    static int lineStep(const QFont &font, double factor);
    // The step that fits the designs' labels: about 1.3 times the font's pixel size.
    static int designLineStep(const QFont &font) { return lineStep(font, 1.3); }

private:
    QTextLayout m_layout;
    int m_height = 0;
};

} // namespace fendrake
