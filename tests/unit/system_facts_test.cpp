#include "app/system_facts.h"
#include "qt_printers.h"

#include <gtest/gtest.h>

#include <optional>

using namespace fendrake;

TEST(OsReleaseName, NameAndVersionAsTheShellWouldReadThem)
{
    const std::pair<const char *, std::optional<QString>> cases[] = {
        {"PRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\nNAME=\"Debian GNU/Linux\"\nVERSION_ID=\"12\"\n"
         "VERSION=\"12 (bookworm)\"\nID=debian\n",
         QStringLiteral("Debian GNU/Linux 12 (bookworm)")},
        {"NAME=Arch\nVERSION_ID=rolling", QStringLiteral("Arch rolling")},
        {"NAME='Fedora Linux'\r\n# VERSION=\"old\"\r\n", QStringLiteral("Fedora Linux")},
        {"NAME=\"Say \\\"hi\\\" \\$x\"\nVERSION= 1 ", QStringLiteral("Say \"hi\" $x 1")},
        {"PRETTY_NAME=\"统信 UOS 20\"", QStringLiteral("统信 UOS 20")},
        {"ID=debian\n=broken\nNAME=\n", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto &[file, name] : cases)
        EXPECT_EQ(osReleaseName(QByteArray(file)), name) << file;
}
