#include <gtest/gtest.h>

#include <array>
#include <limits>

#include "analysis/duty.h"

namespace valta9 {
namespace {

using Counts = std::array<std::int32_t, 15>;

Counts totalOf(std::int32_t total) {
    Counts c{};
    c[4] = total;
    return c;
}

struct DutyCase {
    const char* name;
    Counts counts;
    float charNumber;
    const char* group;
    int utilization;
    int spectrumClass;
    int craneGroup;
};

// Rows print as their names in test listings.
void PrintTo(const DutyCase& row, std::ostream* os) {
    *os << row.name;
}

class ClassifyDutyTest : public ::testing::TestWithParam<DutyCase> {};

TEST_P(ClassifyDutyTest, ClassesAtTheirBounds) {
    const auto& c = GetParam();
    const DutyClassification d = ClassifyDuty(c.counts, c.charNumber, c.group);
    EXPECT_EQ(d.utilizationClass, c.utilization);
    EXPECT_EQ(d.loadSpectrumClass, c.spectrumClass);
    EXPECT_EQ(d.group, c.craneGroup);
}

INSTANTIATE_TEST_SUITE_P(
    Bounds, ClassifyDutyTest,
    ::testing::Values(DutyCase{"no_cycles_no_char_number", {}, 0.0f, "A1", 0, 1, 1},
                      DutyCase{"u0_just_below_16000", totalOf(15999), 0.0f, "A1", 0, 1, 1},
                      DutyCase{"u1_at_16000", totalOf(16000), 0.0f, "A1", 1, 1, 1},
                      DutyCase{"u8_just_below_4000000", totalOf(3999999), 0.0f, "A1", 8, 1, 7},
                      DutyCase{"u9_at_4000000", Counts{4000000}, 0.0f, "A1", 9, 1, 8},
                      DutyCase{"q1_at_0_125", totalOf(16000), 2000.0f, "A1", 1, 1, 1},
                      DutyCase{"q2_just_above_0_125", totalOf(16000), 2000.002f, "A1", 1, 2, 1},
                      DutyCase{"q3_at_0_5", totalOf(16000), 8000.0f, "A1", 1, 3, 2},
                      DutyCase{"q4_at_1", totalOf(16000), 16000.0f, "A1", 1, 4, 3},
                      DutyCase{"q4_with_u0", totalOf(100), 100.0f, "A1", 0, 4, 2},
                      DutyCase{"q4_with_u6", totalOf(999999), 999999.0f, "A1", 6, 4, 8},
                      DutyCase{"factor_above_one_is_no_class", totalOf(100), 101.0f, "A1", 0, 0, 0},
                      DutyCase{"nan_factor_is_no_class", totalOf(100),
                               std::numeric_limits<float>::quiet_NaN(), "A1", 0, 0, 0},
                      DutyCase{"no_cycles_factor_is_the_char_number", {}, 0.5f, "A1", 0, 3, 1}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(ClassifyDuty, BarsAreScaledToTheLargestBandAndTruncated) {
    Counts counts{3, 2, 0};
    DutyClassification d = ClassifyDuty(counts, 0, "A1");
    EXPECT_EQ(d.barPercent[0], 100);
    EXPECT_EQ(d.barPercent[1], 66);
    EXPECT_EQ(d.barPercent[2], 0);
    EXPECT_EQ(d.totalCycles, 5);

    counts = {};
    counts[13] = 16777215;
    counts[2] = 16777215;
    counts[7] = 1;
    d = ClassifyDuty(counts, 0, "A1");
    EXPECT_EQ(d.barPercent[13], 100);
    EXPECT_EQ(d.barPercent[2], 100);
    EXPECT_EQ(d.barPercent[7], 0);

    d = ClassifyDuty(Counts{}, 0, "A1");
    EXPECT_EQ(d.largestCount, 1);
    EXPECT_EQ(d.barPercent, Counts{});
}

TEST(ClassifyDuty, NormativeCharNumberOnlyForA1ToA8) {
    const std::pair<const char*, std::int32_t> cases[] = {
        {"A1", 8000}, {"A4", 63000}, {"A8", 1000000}, {"A0", 0}, {"A9", 0}, {"A10", 0}, {"a4", 0}};
    for (const auto& [group, number] : cases) {
        EXPECT_EQ(ClassifyDuty(Counts{}, 0, group).normativeCharNumber, number) << group;
    }
}

} // namespace
} // namespace valta9
