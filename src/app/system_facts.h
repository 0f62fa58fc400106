#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace fendrake {

// What stands in for the browser component here: the libraries the browser control runs on.
QString browserComponentVersion();

// The system's name and version out of an os-release file's contents: NAME and VERSION (or
// VERSION_ID), or PRETTY_NAME without a NAME; nullopt when the file names no system.
std::optional<QString> osReleaseName(const QByteArray &contents);

// The running system's name and version from /etc/os-release (or /usr/lib/os-release);
// nullopt when neither can be read or names a system.
std::optional<QString> operatingSystemName();

} // namespace fendrake
