#include "checks/site/host_count.h"
#include "qt_printers.h"

#include <gtest/gtest.h>

using namespace fendrake;

TEST(HostName, OnlyLettersDigitsDotsAndInnerHyphensPass)
{
    const std::pair<const char *, bool> cases[] = {
        {"www.example-shop.com", true}, {"中文网址.cn", true}, {"", false},       {"`id`.com", false},
        {"a.com b.com", false},         {"a.com\n", false},    {"a.com>x", false}};
    for (const auto &[text, accepted] : cases)
        EXPECT_EQ(isHostName(QString::fromUtf8(text)), accepted) << text;
}

TEST(NslookupTidying, RemovesBlanksAndTabsAndPutsTheHeadingOnItsOwnLine)
{
    const std::pair<const char16_t *, const char16_t *> cases[] = {
        // Two addresses: the second stands on a continuation line indented by a TAB and blanks.
        {u"Server:  UnKnown\r\nAddress:  192.0.2.53\r\n\r\nNon-authoritative answer:\r\n"
         u"Name:    www.example.com\r\nAddresses:  192.0.2.10\r\n\t  192.0.2.11\r\n\r\n",
         u"Server:UnKnown\r\nAddress:192.0.2.53\r\n\r\nNon-authoritativeanswer:\r\nName:www.example.com\r\n"
         u"服务器主机信息：\r\n192.0.2.10\r\n192.0.2.11\r\n\r\n"},
        // Lines ending in LF alone; the singular label stays as it is.
        {u"Server:\t\t192.0.2.53\nAddress:\t192.0.2.53#53\n\nName:\texample.com\nAddress: 192.0.2.20\n",
         u"Server:192.0.2.53\r\nAddress:192.0.2.53#53\r\n\r\nName:example.com\r\nAddress:192.0.2.20\r\n"},
        // A last line without its line end is still a line.
        {u"Addresses: 192.0.2.1", u"服务器主机信息：\r\n192.0.2.1\r\n"},
        {u"", u""},
    };
    for (const auto &[output, shown] : cases)
        EXPECT_EQ(tidyNslookupOutput(QString::fromUtf16(output)), QString::fromUtf16(shown));
}
