#pragma once

#include <QCryptographicHash>
#include <QString>

#include <stdexcept>

namespace fendrake {

// Why a file could not be hashed.
class FileHashError : public std::runtime_error
{
public:
    enum class Kind
    {
        NotFound,   // missing, or not a regular file (a directory, a device)
        Unreadable, // exists but cannot be opened or read to its end
    };

    FileHashError(Kind kind, const QString &path, const QString &reason);

    Kind kind() const { return m_kind; }

private:
    Kind m_kind;
};

// Digest of the whole file as upper-case hex, two digits a byte. Throws FileHashError.
QString HashFile(const QString &path, QCryptographicHash::Algorithm algorithm = QCryptographicHash::Md5);

} // namespace fendrake
