#include "checks/site/domain_registration.h"

#include <QUrl>

#include <gtest/gtest.h>

#include <vector>

namespace fendrake {
namespace {

struct RewriteCase
{
    const char16_t *input;
    const char16_t *expected;
};

class WhoisRewrite : public ::testing::TestWithParam<RewriteCase>
{
};

TEST_P(WhoisRewrite, TranslatesLabelsInTableOrder)
{
    const RewriteCase &c = GetParam();
    EXPECT_EQ(rewriteWhoisText(QString::fromUtf16(c.input)), QString::fromUtf16(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    LabelExamples, WhoisRewrite,
    ::testing::Values(
        // Row 69 takes the label before row 91 can, then row 139 translates what is left.
        RewriteCase{u"Registrant Phone Number: +86.1012345678", u"登记员电话 数字: +86.1012345678"},
        // Row 15 runs before row 132, which never matches.
        RewriteCase{u"Domain Expiration Date: 2030-01-01", u"Domain 终止日期: 2030-01-01"},
        RewriteCase{u"Domain Status: clientTransferProhibited", u"域状态: 客户禁止转让"},
        // Row 62 before row 149.
        RewriteCase{u"Sponsoring Registrar: Example Ltd.", u"主办登记者: Example Ltd."},
        RewriteCase{u"Registrar: Example Ltd.", u"注册: Example Ltd."},
        RewriteCase{u"Administrative Contact City: Beijing", u"管理员城市: Beijing"},
        RewriteCase{u"Administrative Contact Country: CN", u"管理员国家: CN"},
        RewriteCase{u"Administrative Contact Country Code: CN", u"管理员国家 Code: CN"},
        RewriteCase{u"Status: serverDeleteProhibited clientRenewProhibited", u"状态: 服务禁止删除 客户禁止延长注册期"},
        // Rewritten labels keep their letter case rule: other cases are left alone.
        RewriteCase{u"name server: ns1.example.com", u"name server: ns1.example.com"},
        RewriteCase{u"REGISTRAR: EXAMPLE", u"REGISTRAR: EXAMPLE"},
        RewriteCase{u"Name Server: ns1.example.com", u"服务器名: ns1.example.com"}));

TEST(WhoisRewrite, DeletesPageFurnitureWherever)
{
    const QString page = QStringLiteral(" Enter a domain name or IP address: example.com\r\n") +
                         kWhoisSiteName.toString() +
                         QStringLiteral(" About us Tools Twitter\r\nMy Tools and Twitter\r\nCopyright ? 2024 ") +
                         kWhoisSiteName.toString() + QStringLiteral("\r\n");
    EXPECT_EQ(rewriteWhoisText(page), QStringLiteral("example.com\r\n   \r\nMy  and \r\n2024 \r\n"));
}

TEST(WhoisRewrite, LeavesTextWithoutLabelsUnchanged)
{
    const QString text = QStringLiteral("没有记录\r\nnothing here\r\n");
    EXPECT_EQ(rewriteWhoisText(text), text);
}

TEST(WhoisRewrite, ReplacesLeftToRightWithoutRescanningReplacements)
{
    const std::vector<WhoisLabel> shrink{{u"aa", u"a"}};
    EXPECT_EQ(rewriteWhoisText(QStringLiteral("aaaa"), shrink), QStringLiteral("aa"));
    EXPECT_EQ(rewriteWhoisText(QStringLiteral("aaa"), std::vector<WhoisLabel>{{u"aa", u"b"}}), QStringLiteral("ba"));
    const std::vector<WhoisLabel> grow{{u"ab", u"aab"}};
    EXPECT_EQ(rewriteWhoisText(QStringLiteral("abab"), grow), QStringLiteral("aabaab"));
    // Each row works on the output of the one before it.
    const std::vector<WhoisLabel> chain{{u"x", u"y"}, {u"y", u"z"}};
    EXPECT_EQ(rewriteWhoisText(QStringLiteral("xy"), chain), QStringLiteral("zz"));
}

TEST(WhoisLabelTable, LongerLabelsAfterTheirShorterPartsNeverMatch)
{
    // Rows whose find text holds an earlier row's: the earlier row has already rewritten it.
    for (int row : {90, 91, 101, 113, 131, 132, 133, 145, 146}) {
        const WhoisLabel &label = WhoisLabelTable[row - 1];
        const auto before = std::span<const WhoisLabel>(WhoisLabelTable).first(row - 1);
        EXPECT_FALSE(rewriteWhoisText(label.find.toString(), before).contains(label.find)) << "row " << row;
    }
}

TEST(WhoisReservedTest, FindsTheServicesReservedNotice)
{
    EXPECT_TRUE(isReservedDomainPage(QStringLiteral("Sorry, the domain you want to register is reserved.")));
    EXPECT_FALSE(isReservedDomainPage(QStringLiteral("The domain you want to register is reserved.")));
    EXPECT_FALSE(isReservedDomainPage(QString()));
}

TEST(WhoisAddress, AppendsTheDomainAsTyped)
{
    EXPECT_EQ(whoisAddress(QStringLiteral("example.com")),
              QStringLiteral("http://whois.fendrake.net/whois/example.com"));
    EXPECT_EQ(whoisAddress(QString()), QStringLiteral("http://whois.fendrake.net/whois/"));
}

TEST(WhoisAddress, PastedTextNeverChangesTheAddressStructure)
{
    for (const QString &domain : {QStringLiteral("a?b.com"), QStringLiteral("a#b.com"), QStringLiteral("a b.com"),
                                  QStringLiteral("a%b&c+d.com"), QStringLiteral("例子.中国")}) {
        const QUrl url(whoisAddress(domain), QUrl::StrictMode);
        ASSERT_TRUE(url.isValid()) << domain.toStdString();
        EXPECT_EQ(url.host(), QStringLiteral("whois.fendrake.net"));
        EXPECT_FALSE(url.hasQuery()) << domain.toStdString();
        EXPECT_FALSE(url.hasFragment()) << domain.toStdString();
        EXPECT_TRUE(url.path(QUrl::FullyEncoded).startsWith(QStringLiteral("/whois/")));
    }
}

} // namespace
} // namespace fendrake
