#include "app/services/file_hash.h"

#include <QFile>
#include <QFileInfo>

namespace fendrake {

namespace {

constexpr qint64 kBlockSize = 32768;

} // namespace

FileHashError::FileHashError(Kind kind, const QString &path, const QString &reason)
    : std::runtime_error(QStringLiteral("%1: %2").arg(path, reason).toStdString()), m_kind(kind)
{
}

QString HashFile(const QString &path, QCryptographicHash::Algorithm algorithm)
{
    // Only regular files: a directory is not found, and a device could be read forever.
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists() || !info.isFile())
        throw FileHashError(FileHashError::Kind::NotFound, path, QStringLiteral("file not found"));

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileHashError(FileHashError::Kind::Unreadable, path, file.errorString());

    QCryptographicHash hash(algorithm);
    QByteArray block(kBlockSize, Qt::Uninitialized);
    for (;;) {
        const qint64 count = file.read(block.data(), kBlockSize);
        if (count < 0)
            throw FileHashError(FileHashError::Kind::Unreadable, path, file.errorString());
        if (count == 0)
            break;
        hash.addData(QByteArrayView(block.constData(), count));
    }
    return QString::fromLatin1(hash.result().toHex().toUpper());
}

} // namespace fendrake
