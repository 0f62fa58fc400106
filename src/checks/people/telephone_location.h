#pragma once

#include <QString>

namespace fendrake {

// Any text of 11 or more characters is sent as typed; a shorter one gets the format message.
bool isTelephoneInput(const QString &text);

QString telephoneLookupAddress(const QString &number);

struct TelephoneAnswer
{
    enum class Kind
    {
        RateLimited, // the service refused: a notice anywhere on the page wins over the markers
        District,
        Unreadable, // the query's failure path
    };
    Kind kind;
    QString district;
};

TelephoneAnswer telephoneAnswer(const QString &pageText);

} // namespace fendrake
