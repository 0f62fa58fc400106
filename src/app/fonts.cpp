#include "app/fonts.h"

#include <QFont>
#include <QStringList>

namespace fendrake {

void installFontSubstitutions()
{
    const QString sansCjk = QStringLiteral("Noto Sans CJK SC");
    QFont::insertSubstitution(QStringLiteral("微软雅黑"), sansCjk);
    QFont::insertSubstitution(QStringLiteral("宋体"), QStringLiteral("Noto Serif CJK SC"));
    // 新宋体 is the fixed-pitch cut of 宋体.
    QFont::insertSubstitution(QStringLiteral("新宋体"), QStringLiteral("Noto Sans Mono CJK SC"));
    // Verdana boxes still receive Chinese text, so the CJK family stands behind DejaVu.
    QFont::insertSubstitutions(QStringLiteral("Verdana"), {QStringLiteral("DejaVu Sans"), sansCjk});
}

} // namespace fendrake
