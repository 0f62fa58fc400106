#include "app/single_instance.h"

#include <QFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using fendrake::SingleInstance;

TEST(SingleInstance, FirstCopyRunsAndSecondIsRefusedUntilTheFirstEnds)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("fendrake.lock"));
    {
        SingleInstance first(path);
        EXPECT_FALSE(first.anotherCopyRunning());
        EXPECT_FALSE(first.anotherCopyRunning()) << "asking again keeps the lock";
        SingleInstance second(path);
        EXPECT_TRUE(second.anotherCopyRunning());
    }
    SingleInstance third(path);
    EXPECT_FALSE(third.anotherCopyRunning());
}

TEST(SingleInstance, LockOfAKilledCopyIsTakenOver)
{
    // A process that has ended leaves its number behind.
    QProcess gone;
    gone.start(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("echo $$")});
    ASSERT_TRUE(gone.waitForFinished());
    const QByteArray deadPid = gone.readAllStandardOutput().trimmed();
    ASSERT_FALSE(deadPid.isEmpty());
    QTemporaryDir dir;
    QFile stale(dir.filePath(QStringLiteral("fendrake.lock")));
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write(deadPid + "\nfendrake\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    stale.close();
    SingleInstance instance(stale.fileName());
    EXPECT_FALSE(instance.anotherCopyRunning());
    SingleInstance second(stale.fileName());
    EXPECT_TRUE(second.anotherCopyRunning()) << "the taken-over lock is held";
}

TEST(SingleInstance, NeitherAnUnwritableLockFolderNorAMissingGuardStopsTheProgram)
{
    EXPECT_EQ(SingleInstance::current(), nullptr);
    EXPECT_FALSE(fendrake::anotherCopyRunning());
    SingleInstance instance(QStringLiteral("/nonexistent-folder/fendrake.lock"));
    EXPECT_FALSE(instance.anotherCopyRunning());
}
