#include <gtest/gtest.h>

#include <limits>

#include "presentation/number_format.h"

namespace valta9 {
namespace {

struct FixedCase {
    long double value;
    int decimals;
    const char* point;
    const char* text;
};

TEST(FormatFixed, RoundsHalvesAwayFromZeroWithTheGivenSeparator) {
    const long double inf = std::numeric_limits<long double>::infinity();
    const FixedCase cases[] = {
        {1.5L, 2, ",", "1,50"},
        {0, 2, ",", "0,00"},
        {0, 3, ".", "0.000"},
        {0.125L, 2, ".", "0.13"}, // an exact half goes up, not to even
        {-0.125L, 2, ".", "-0.13"},
        {2.675f, 2, ".", "2.67"}, // the float lies below the half
        {123.456L, 2, ",", "123,46"},
        {9.999L, 2, ".", "10.00"}, // carry into a new digit
        {-0.001L, 2, ".", "0.00"}, // no minus sign on a value shown as zero
        {-0.5f, 2, ",", "-0,50"},
        {16777215.0L, 2, ".", "16777215.00"}, // no grouping
        {0.0889f, 3, ",", "0,089"},
        {1e20L, 2, ".", "100000000000000000000.00"},
        {std::numeric_limits<long double>::quiet_NaN(), 2, ".", "NAN"},
        {inf, 2, ".", "INF"},
        {-inf, 3, ".", "-INF"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatFixed(c.value, c.decimals, c.point), c.text)
            << static_cast<double>(c.value);
    }
    EXPECT_EQ(format0_00(1.0L, "٫"), "1٫00"); // a separator of more than one byte
}

TEST(FormatGeneral, FifteenSignificantDigitsWithoutTrailingZeros) {
    const std::pair<long double, const char*> cases[] = {
        {125 * 0.1L, "12,5"}, {120 * 0.1L, "12"},       {5 * 0.01L, "0,05"},
        {3 * 0.1L, "0,3"},    {65535 * 0.1L, "6553,5"}, {0, "0"}};
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(formatGeneral(value, ","), text);
    }
}

TEST(FormatRunTime, HoursMinutesSeconds) {
    const std::pair<std::int32_t, const char*> cases[] = {
        {0, "0:00:00"},
        {59, "0:00:59"},
        {61 * 60, "1:01:00"},
        {3725, "1:02:05"},
        {36000, "10:00:00"},
        {360000, "100:00:00"},
        {16777215 * 60, "279620:15:00"}, // the largest motor-hour counter, in seconds
        {-59, "-0:00:59"},               // a corrupted counter keeps its sign
        {std::numeric_limits<std::int32_t>::min(), "-596523:14:08"},
    };
    for (const auto& [seconds, text] : cases) {
        EXPECT_EQ(FormatRunTime(seconds), text) << seconds;
    }
}

} // namespace
} // namespace valta9
