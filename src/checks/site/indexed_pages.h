#pragma once

#include <QString>

#include <optional>

namespace fendrake {

// The engine's search restricted to the site; the site goes in as the box holds it, even empty.
QString indexedPagesAddress(const QString &site);

// The count as the engine writes it, separators included. nullopt when the result sentence is not
// there whole: a missing marker, or its end before the count, is a failure, never a slice of page text.
std::optional<QString> cutIndexedPagesCount(const QString &pageText);

} // namespace fendrake
