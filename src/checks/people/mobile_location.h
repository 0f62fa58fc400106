#pragma once

#include <QString>

#include <array>
#include <optional>

namespace fendrake {

enum class MobileInput
{
    Accepted,
    Malformed,  // not 11 characters, or a number with a fraction: the box is emptied
    Unreadable, // no number at all: the query's failure path, the box kept
};

// Both tests are always made, so a text that is no number fails whatever its length.
MobileInput mobileInput(const QString &text);

QString mobileLookupAddress(const QString &number);

// Place, area code, card type and postcode, in the order the panel writes them. A value whose
// opening marker is missing, or whose cut fails, is nullopt: the query stops there.
std::array<std::optional<QString>, 4> mobileLocationValues(const QString &pageText);

} // namespace fendrake
