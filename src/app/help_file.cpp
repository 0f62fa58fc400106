#include "app/help_file.h"

#include <QCoreApplication>
#include <QDir>

namespace fendrake {

namespace {

QString &helpFolderOverride()
{
    static QString folder;
    return folder;
}

} // namespace

QString helpFilePath()
{
    const QString folder =
        helpFolderOverride().isEmpty() ? QCoreApplication::applicationDirPath() : helpFolderOverride();
    return QDir(folder).filePath(QStringLiteral("help.html"));
}

QString setHelpFolder(const QString &folder)
{
    QString previous = helpFolderOverride();
    helpFolderOverride() = folder;
    return previous;
}

} // namespace fendrake
