#include "app/services/shell_open.h"
#include "recorders.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

namespace fendrake {
namespace {

TEST(OpenInBrowserTest, RecorderGetsTheAddressUnchanged)
{
    test::ShellOpenRecorder recorder;
    const QString typed = QStringLiteral("http://jubao.fendrake.net/s?q=a b&c=中");
    OpenInBrowser(nullptr, typed);
    OpenInBrowser(nullptr, QStringLiteral("mailto:help@fendrake.net"));
    EXPECT_EQ(recorder.addresses(), QStringList({typed, QStringLiteral("mailto:help@fendrake.net")}));
}

TEST(ShellOpenUrlTest, LocalPathsBecomeFileUrls)
{
    const QUrl absolute = shellOpenUrl(QStringLiteral("/opt/fendrake/help file#1.chm"));
    EXPECT_TRUE(absolute.isLocalFile());
    EXPECT_EQ(absolute.toLocalFile(), QStringLiteral("/opt/fendrake/help file#1.chm"));

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile file(dir.filePath(QStringLiteral("help.chm")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    const QUrl relative = shellOpenUrl(QStringLiteral("help.chm"));
    QDir::setCurrent(previous);
    EXPECT_EQ(relative.toLocalFile(), QFileInfo(file).absoluteFilePath());
}

TEST(ShellOpenUrlTest, AddressesKeepTheirScheme)
{
    const QUrl web = shellOpenUrl(QStringLiteral("http://jubao.fendrake.net/a?b=c d"));
    EXPECT_EQ(web.scheme(), QStringLiteral("http"));
    EXPECT_EQ(web.host(), QStringLiteral("jubao.fendrake.net"));
    EXPECT_EQ(web.path(), QStringLiteral("/a"));
    EXPECT_EQ(shellOpenUrl(QStringLiteral("mailto:help@fendrake.net")).scheme(), QStringLiteral("mailto"));
    EXPECT_EQ(shellOpenUrl(QStringLiteral("tencent://message/?uin=10000")).scheme(), QStringLiteral("tencent"));
}

} // namespace
} // namespace fendrake
