#pragma once

#include <QString>

#include <optional>

namespace fendrake {

enum class NumberBlockInput
{
    Accepted,
    NotWhole,   // a number with a fraction in either box
    Unreadable, // either box holds no number at all: the query's failure path
};

// Both boxes are always tested, so a box that is no number fails even beside a fraction.
NumberBlockInput numberBlockInput(const QString &areaCode, const QString &number);

// The prefix of the next block of 10,000 numbers: the prefix read as a number, plus one, as plain
// decimal text. A prefix of digits is added to exactly, whatever its length; an empty one gives "1".
QString nextBlockPrefix(const QString &prefix);

// The web search for the number's whole block; nullopt when the number has fewer than four
// characters, so that no block prefix can be taken.
std::optional<QString> numberBlockSearchAddress(const QString &areaCode, const QString &number);

} // namespace fendrake
