#pragma once

#include <QString>

#include <optional>

namespace fendrake {

// 1-based position of the first occurrence of marker in text (binary comparison), 0 when absent.
// An empty marker in a non-empty text gives 1; an empty text gives 0.
int FindMarker(const QString &marker, const QString &text);

// Mid(text, start, length): start is 1-based. A start below 1 or a negative length is a failure
// (nullopt, never clamped); a start past the end gives ""; a length past the end is cut short.
std::optional<QString> cutText(const QString &text, qint64 start, qint64 length);

// Mid(text, start) to the end of the text, with the same failure rule for start.
std::optional<QString> cutText(const QString &text, qint64 start);

} // namespace fendrake
