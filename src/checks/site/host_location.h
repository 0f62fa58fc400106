#pragma once

#include "app/services/name_lookup.h"

#include <QString>

#include <optional>

namespace fendrake {

// The resolver takes names of at most this many characters.
inline constexpr qsizetype kMaxHostNameLength = 64;

// A pasted web address or file-transfer address: "http" or "ftp" at the start, lower case only.
bool beginsWithSchemeWord(const QString &text);

enum class HostInput
{
    Accepted,
    TooShort,  // fewer than 4 characters
    WebAddress // begins with "http" or "ftp"
};

HostInput checkHostInput(const QString &text);

// The address to locate: the name's first IPv4 address, or nullopt when it does not resolve.
// Throws std::length_error for a name longer than the resolver takes.
std::optional<Ipv4Address> resolveHost(const QString &hostName);

} // namespace fendrake
