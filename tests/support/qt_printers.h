#pragma once

#include <QString>
#include <QStringList>

#include <ostream>

// Readable QString values in GoogleTest failure messages (found by argument-dependent lookup); lists of
// them print element by element through it.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}
