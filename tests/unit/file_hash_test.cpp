#include "app/services/file_hash.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace fendrake {
namespace {

class FileHashTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

    QString writeFile(const QString &name, const QByteArray &data)
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        EXPECT_EQ(file.write(data), data.size());
        return path;
    }

    static QByteArray pattern(qsizetype size)
    {
        QByteArray data(size, Qt::Uninitialized);
        for (qsizetype i = 0; i < size; ++i)
            data[i] = char((i * 31 + i / 251) & 0xFF);
        return data;
    }

    static QString expected(const QByteArray &data, QCryptographicHash::Algorithm algorithm)
    {
        return QString::fromLatin1(QCryptographicHash::hash(data, algorithm).toHex().toUpper());
    }

    QTemporaryDir m_dir;
};

TEST_F(FileHashTest, KnownDigestsInUpperCaseWithLeadingZeros)
{
    EXPECT_EQ(HashFile(writeFile(QStringLiteral("empty"), {})), QStringLiteral("D41D8CD98F00B204E9800998ECF8427E"));
    // 90 01 50 ...: the second byte needs its leading zero.
    EXPECT_EQ(HashFile(writeFile(QStringLiteral("abc"), "abc")), QStringLiteral("900150983CD24FB0D6963F7D28E17F72"));
}

TEST_F(FileHashTest, BlockBoundariesHashTheWholeFile)
{
    for (const qsizetype size :
         {qsizetype(1), qsizetype(32767), qsizetype(32768), qsizetype(32769), qsizetype(65536), qsizetype(100000)}) {
        const QByteArray data = pattern(size);
        const QString path = writeFile(QStringLiteral("data%1").arg(size), data);
        const QString digest = HashFile(path);
        EXPECT_EQ(digest, expected(data, QCryptographicHash::Md5)) << size;
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^[0-9A-F]{32}$")).match(digest).hasMatch()) << size;
    }
}

TEST_F(FileHashTest, UsesTheCallersAlgorithm)
{
    const QByteArray data = pattern(40000);
    EXPECT_EQ(HashFile(writeFile(QStringLiteral("sha"), data), QCryptographicHash::Sha256),
              expected(data, QCryptographicHash::Sha256));
}

FileHashError::Kind errorKind(const QString &path)
{
    try {
        HashFile(path);
    } catch (const FileHashError &error) {
        EXPECT_NE(std::string(error.what()).find(path.toStdString()), std::string::npos);
        return error.kind();
    }
    ADD_FAILURE() << "no error for " << path.toStdString();
    return FileHashError::Kind::Unreadable;
}

TEST_F(FileHashTest, MissingFilesDirectoriesAndDevicesAreNotFound)
{
    EXPECT_EQ(errorKind(m_dir.filePath(QStringLiteral("missing.exe"))), FileHashError::Kind::NotFound);
    EXPECT_EQ(errorKind(m_dir.path()), FileHashError::Kind::NotFound);
    EXPECT_EQ(errorKind(QStringLiteral("/dev/zero")), FileHashError::Kind::NotFound);
    EXPECT_EQ(errorKind(QString()), FileHashError::Kind::NotFound);
}

TEST_F(FileHashTest, UnreadableFileIsReportedAsUnreadable)
{
    const QString path = writeFile(QStringLiteral("locked"), "x");
    ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::Permissions()));
    QFile probe(path);
    if (probe.open(QIODevice::ReadOnly))
        GTEST_SKIP() << "running with rights that read any file";
    EXPECT_EQ(errorKind(path), FileHashError::Kind::Unreadable);
}

} // namespace
} // namespace fendrake
