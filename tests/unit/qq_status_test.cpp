#include "checks/people/qq_status.h"

#include "qt_printers.h"

#include <gtest/gtest.h>

namespace fendrake {
namespace {

TEST(QqRequestNumber, TakesFiveToTenCharactersOfAWholeNumberWrittenBackWithoutExponent)
{
    const struct
    {
        QString typed;
        std::optional<QString> sent;
    } cases[] = {
        {QStringLiteral("12345"), QStringLiteral("12345")},
        {QStringLiteral("9999999999"), QStringLiteral("9999999999")},
        {QStringLiteral("00123"), QStringLiteral("123")},
        {QStringLiteral("12345.0"), QStringLiteral("12345")},
        {QStringLiteral("1.0e10"), QStringLiteral("10000000000")},
        {QStringLiteral("1234"), std::nullopt},
        {QStringLiteral("12345678901"), std::nullopt},
        {QString(), std::nullopt},
        {QStringLiteral("12345.5"), std::nullopt},
        {QStringLiteral("abcde"), std::nullopt},
        {QStringLiteral("1234５"), std::nullopt},
        // Whole, but beyond what 64 bits can write back.
        {QStringLiteral("9.99999e99"), std::nullopt},
    };
    for (const auto &c : cases)
        EXPECT_EQ(qqRequestNumber(c.typed), c.sent) << c.typed.toStdString();
}

} // namespace
} // namespace fendrake
