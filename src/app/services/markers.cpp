#include "app/services/markers.h"

#include <limits>

namespace fendrake {

int FindMarker(const QString &marker, const QString &text)
{
    if (text.isEmpty())
        return 0;
    const qsizetype index = text.indexOf(marker, 0, Qt::CaseSensitive);
    // Positions are 32-bit; a hit beyond that range cannot be reported, so it counts as absent.
    if (index < 0 || index >= std::numeric_limits<int>::max())
        return 0;
    return static_cast<int>(index) + 1;
}

std::optional<QString> cutText(const QString &text, qint64 start, qint64 length)
{
    if (start < 1 || length < 0)
        return std::nullopt;
    const qint64 size = text.size();
    if (start > size)
        return QString();
    const qint64 available = size - (start - 1);
    return text.mid(start - 1, std::min(length, available));
}

std::optional<QString> cutText(const QString &text, qint64 start)
{
    return cutText(text, start, std::numeric_limits<qint64>::max());
}

} // namespace fendrake
