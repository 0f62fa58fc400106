#include "app/services/file_hash.h"

#include "qt_printers.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <variant>

using namespace fendrake;

using Result = std::variant<QString, FileHashError::Kind>;

class FileHashTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

    QString writeFile(const QString &name, const QByteArray &data)
    {
        QFile file(m_dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        EXPECT_EQ(file.write(data), data.size());
        return file.fileName();
    }

    // Hashes the file, or gives the kind of its failure; every failure names the file.
    Result hash(const QString &path)
    {
        try {
            return HashFile(path);
        } catch (const FileHashError &error) {
            EXPECT_NE(std::string(error.what()).find(path.toStdString()), std::string::npos);
            return error.kind();
        }
    }

    QTemporaryDir m_dir;
};

TEST_F(FileHashTest, DigestIsUpperCaseHexOfTheWholeFileAcrossBlockBoundaries)
{
    EXPECT_EQ(hash(writeFile("empty", {})), Result("D41D8CD98F00B204E9800998ECF8427E"));
    // 90 01 50 ...: the second byte needs its leading zero.
    EXPECT_EQ(hash(writeFile("abc", "abc")), Result("900150983CD24FB0D6963F7D28E17F72"));
    for (const int size : {1, 32767, 32768, 32769, 65536, 100000}) {
        QByteArray data(size, Qt::Uninitialized);
        for (int i = 0; i < size; ++i)
            data[i] = char((i * 31 + i / 251) & 0xFF);
        const QString digest = QString::fromLatin1(QCryptographicHash::hash(data, QCryptographicHash::Md5).toHex());
        EXPECT_EQ(hash(writeFile(QString::number(size), data)), Result(digest.toUpper())) << size;
    }
}

TEST_F(FileHashTest, MissingUnreadableAndSpecialFilesFail)
{
    using enum FileHashError::Kind;
    const QString locked = writeFile("locked", "x");
    ASSERT_TRUE(QFile::setPermissions(locked, QFileDevice::Permissions()));
    const bool readsAnyFile = QFile(locked).open(QIODevice::ReadOnly); // as root
    const std::pair<QString, FileHashError::Kind> cases[] = {
        {m_dir.filePath("missing.exe"), NotFound}, {m_dir.path(), NotFound}, {"/dev/zero", NotFound}, {"", NotFound}};
    for (const auto &[path, kind] : cases)
        EXPECT_EQ(hash(path), Result(kind)) << path.toStdString();
    if (!readsAnyFile) {
        EXPECT_EQ(hash(locked), Result(Unreadable));
    }
}
