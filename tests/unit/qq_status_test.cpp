#include "checks/people/qq_status.h"

#include "qt_printers.h"

#include <gtest/gtest.h>

namespace fendrake {
namespace {

TEST(QqRequestNumber, TakesFiveToTenCharactersOfAWholeNumberWrittenBackWithoutExponent)
{
    const struct
    {
        const char *typed;
        const char *sent; // empty: refused
    } cases[] = {
        {"12345", "12345"},
        {"9999999999", "9999999999"},
        {"00123", "123"},
        {"12345.0", "12345"},
        {"1.0e10", "10000000000"},
        {"1234", ""},
        {"12345678901", ""},
        {"", ""},
        {"12345.5", ""},
        {"abcde", ""},
        {"1234５", ""},
        {"9.99999e99", ""}, // whole, but beyond what 64 bits can write back
    };
    for (const auto &c : cases)
        EXPECT_EQ(qqRequestNumber(QString::fromUtf8(c.typed)).value_or(QString()), QString::fromUtf8(c.sent))
            << c.typed;
}

} // namespace
} // namespace fendrake
