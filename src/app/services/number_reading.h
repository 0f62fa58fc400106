#pragma once

#include <QString>

#include <optional>

namespace fendrake {

// Strict reading: the whole text (blanks around it allowed) must be one number, ASCII digits
// only; otherwise nullopt.
std::optional<double> readNumber(const QString &text);

// The whole-number test of the checks: the text reads as a number equal to its integer part.
// nullopt when the text is no number at all (the caller's failure path).
std::optional<bool> isWholeNumber(const QString &text);

// Leading-number reading: skips blanks, tabs and line feeds, then takes the longest beginning
// that forms a number (sign, digits, one point, exponent, &H hex, &O octal); 0 when none.
double readLeadingNumber(const QString &text);

} // namespace fendrake
