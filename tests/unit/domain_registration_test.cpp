#include "checks/site/domain_registration.h"

#include "qt_printers.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

using namespace fendrake;

TEST(WhoisRewrite, TranslatesLabelsInTableOrderWithTheirLetterCase)
{
    const std::pair<const char *, const char *> cases[] = {
        // Row 69 takes the label before row 91 can, then row 139 translates what is left.
        {"Registrant Phone Number: +86.1012345678", "登记员电话 数字: +86.1012345678"},
        // Row 15 runs before row 132, which never matches; row 62 before row 149.
        {"Domain Expiration Date: 2030-01-01", "Domain 终止日期: 2030-01-01"},
        {"Sponsoring Registrar: Example Ltd.", "主办登记者: Example Ltd."},
        {"Registrar: Example Ltd.", "注册: Example Ltd."},
        {"Administrative Contact Country Code: CN", "管理员国家 Code: CN"},
        {"Status: serverDeleteProhibited clientRenewProhibited", "状态: 服务禁止删除 客户禁止延长注册期"},
        // Other letter cases are left alone, as is text without labels.
        {"name server: ns1.example.com", "name server: ns1.example.com"},
        {"REGISTRAR: EXAMPLE", "REGISTRAR: EXAMPLE"},
        {"Name Server: ns1.example.com", "服务器名: ns1.example.com"},
        {"没有记录\r\nnothing here\r\n", "没有记录\r\nnothing here\r\n"}};
    for (const auto &[text, rewritten] : cases)
        EXPECT_EQ(rewriteWhoisText(QString::fromUtf8(text)), QString::fromUtf8(rewritten));
}

TEST(WhoisRewrite, DeletesPageFurnitureWherever)
{
    const QString site = kWhoisSiteName.toString();
    const QString page = " Enter a domain name or IP address: example.com\r\n" + site +
                         " About us Tools Twitter\r\nMy Tools and Twitter\r\nCopyright ? 2024 " + site + "\r\n";
    EXPECT_EQ(rewriteWhoisText(page), QStringLiteral("example.com\r\n   \r\nMy  and \r\n2024 \r\n"));
}

TEST(WhoisRewrite, ReplacesLeftToRightWithoutRescanningReplacements)
{
    // Each row works on the output of the one before it.
    const std::tuple<const char *, std::vector<WhoisLabel>, const char *> cases[] = {
        {"aaaa", {{u"aa", u"a"}}, "aa"},
        {"aaa", {{u"aa", u"b"}}, "ba"},
        {"abab", {{u"ab", u"aab"}}, "aabaab"},
        {"xy", {{u"x", u"y"}, {u"y", u"z"}}, "zz"}};
    for (const auto &[text, labels, rewritten] : cases)
        EXPECT_EQ(rewriteWhoisText(text, labels), rewritten);
}

TEST(WhoisReservedTest, FindsTheServicesReservedNotice)
{
    EXPECT_TRUE(isReservedDomainPage(QStringLiteral("Sorry, the domain you want to register is reserved.")));
    EXPECT_FALSE(isReservedDomainPage(QStringLiteral("The domain you want to register is reserved.")));
}
