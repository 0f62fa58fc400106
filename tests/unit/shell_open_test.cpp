#include "app/services/shell_open.h"

#include "qt_printers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

using namespace fendrake;

TEST(ShellOpenUrlTest, PathsBecomeFileUrlsAndAddressesKeepTheirScheme)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile file(dir.filePath("help.chm"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    const QString relative = shellOpenUrl("help.chm").toString(); // an existing file named without a scheme
    QDir::setCurrent(previous);
    EXPECT_EQ(relative, QUrl::fromLocalFile(file.fileName()).toString());

    const std::pair<const char *, const char *> cases[] = {
        {"/opt/fendrake/help file#1.chm", "file:///opt/fendrake/help file%231.chm"},
        {"http://jubao.fendrake.net/a?b=c d", "http://jubao.fendrake.net/a?b=c d"},
        {"mailto:help@fendrake.net", "mailto:help@fendrake.net"},
        {"tencent://message/?uin=10000", "tencent://message/?uin=10000"}};
    for (const auto &[address, url] : cases)
        EXPECT_EQ(shellOpenUrl(address).toString(), url);
}
