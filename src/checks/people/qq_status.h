#pragma once

#include <QString>

#include <optional>

namespace fendrake {

enum class QqPresence
{
    Online,
    Offline,
    Unknown, // the service sent the browser nowhere we know: the number is not valid
};

// The number as the request carries it: 5 to 10 characters that read as a whole number, written
// back in plain decimal (leading zeros dropped). nullopt for any other text.
std::optional<QString> qqRequestNumber(const QString &text);

// The status-picture request for a number from qqRequestNumber.
QString qqStatusAddress(const QString &number);

// The two pictures the service sends the browser on to, as the picture host delivers them.
QString qqOnlinePictureAddress();
QString qqOfflinePictureAddress();

// Compares the whole address exactly, case included.
QqPresence qqPresenceOf(const QString &locationUrl);

} // namespace fendrake
