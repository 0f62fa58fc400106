#include "app/services/service_addresses.h"

#include "qt_printers.h"

#include <gtest/gtest.h>

using namespace fendrake;

TEST(EncodeUserTextTest, EncodesOnlyWhatCannotStandInAnAddress)
{
    // clang-format off
    const std::pair<QString, const char *> cases[] = {
        {"example.com", "example.com"}, {"a.b/c:8080;x=y-z_~!*'()$,@[]", "a.b/c:8080;x=y-z_~!*'()$,@[]"},
        {"a?b#c d", "a%3Fb%23c%20d"}, {"%&+", "%25%26%2B"}, {"\t\r\n\x7f", "%09%0D%0A%7F"}, {"中国", "%D6%D0%B9%FA"},
        {"，", "%A3%AC"}, {"€", "%80"}, {"😀", "%F0%9F%98%80"}, {"a中😀b", "a%D6%D0%F0%9F%98%80b"}, {"", ""}};
    // clang-format on
    for (const auto &[typed, encoded] : cases)
        EXPECT_EQ(encodeUserText(typed), encoded) << typed.toStdString();
}
