#include "app/services/service_addresses.h"

#include <QUrl>

#include <gtest/gtest.h>

namespace fendrake {
namespace {

struct EncodeCase
{
    QString typed;
    QString encoded;
};

TEST(EncodeUserTextTest, EncodesOnlyWhatCannotStandInAnAddress)
{
    const EncodeCase cases[] = {
        {QStringLiteral("example.com"), QStringLiteral("example.com")},
        {QStringLiteral("a.b/c:8080;x=y-z_~!*'()$,@[]"), QStringLiteral("a.b/c:8080;x=y-z_~!*'()$,@[]")},
        {QStringLiteral("a?b#c d"), QStringLiteral("a%3Fb%23c%20d")},
        {QStringLiteral("%&+"), QStringLiteral("%25%26%2B")},
        {QStringLiteral("\t\r\n\x7f"), QStringLiteral("%09%0D%0A%7F")},
        {QStringLiteral("中国"), QStringLiteral("%D6%D0%B9%FA")},
        {QStringLiteral("，"), QStringLiteral("%A3%AC")},
        {QStringLiteral("€"), QStringLiteral("%80")},
        {QStringLiteral("😀"), QStringLiteral("%F0%9F%98%80")},
        {QStringLiteral("a中😀b"), QStringLiteral("a%D6%D0%F0%9F%98%80b")},
        {QString(), QString()},
    };
    for (const EncodeCase &c : cases)
        EXPECT_EQ(encodeUserText(c.typed), c.encoded) << c.typed.toStdString();
}

TEST(EncodeUserTextTest, PastedTextKeepsTheAddressPathAndQuery)
{
    const QString address =
        serviceAddress(Service::Whois, QStringLiteral("/whois.php?domain="), QStringLiteral("a?b#c d"));
    EXPECT_EQ(address, QStringLiteral("http://whois.fendrake.net/whois.php?domain=a%3Fb%23c%20d"));
    const QUrl url(address);
    EXPECT_EQ(url.host(), QStringLiteral("whois.fendrake.net"));
    EXPECT_EQ(url.path(), QStringLiteral("/whois.php"));
    EXPECT_FALSE(url.hasFragment());
    EXPECT_EQ(url.query(QUrl::FullyEncoded), QStringLiteral("domain=a%3Fb%23c%20d"));
}

} // namespace
} // namespace fendrake
