#include "checks/people/qq_status.h"

#include "qt_printers.h"

#include <gtest/gtest.h>

using namespace fendrake;

TEST(QqRequestNumber, TakesFiveToTenCharactersOfAWholeNumberWrittenBackWithoutExponent)
{
    // "typed>sent", nothing sent when refused; "9.99999e99" is whole but beyond 64 bits.
    for (const char *row : {"12345>12345", "9999999999>9999999999", "00123>123", "12345.0>12345", "1.0e10>10000000000",
                            "1234>", "12345678901>", ">", "12345.5>", "abcde>", "1234５>", "9.99999e99>"}) {
        const QStringList c = QString::fromUtf8(row).split(u'>');
        EXPECT_EQ(qqRequestNumber(c[0]).value_or(QString()), c[1]) << row;
    }
}
