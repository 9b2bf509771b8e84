#include <gtest/gtest.h>

#include <vector>

#include "presentation/frame_selection.h"

namespace valta9 {
namespace {

FrameRecord frame(int number, int load1, int load2, std::uint8_t relays = 0x07, int fault = 0) {
    FrameRecord f;
    f.number = number;
    f.load1 = load1;
    f.load2 = load2;
    f.relays = relays;
    f.fault = fault;
    return f;
}

struct SelectionCase {
    const char* name;
    FrameCriteria criteria;
    std::vector<int> numbers;
};

// Rows print as their names in test listings.
void PrintTo(const SelectionCase& row, std::ostream* os) {
    *os << row.name;
}

class SelectFramesTest : public ::testing::TestWithParam<SelectionCase> {};

TEST_P(SelectFramesTest, KeepsFramesThatMeetEveryCondition) {
    const std::vector<FrameRecord> ring = {
        frame(0, 0, 0, 0x00),       // idle, relays all dropped
        frame(1, 50, 0, 0xF8),      // relay text ends in 000
        frame(2, 0, 50, 0x04, 7),   // winch 2 at the threshold, fault 7
        frame(3, 49, 49, 0x01),     // just below on both winches
        frame(4, 255, 10, 0x07, 1), // the largest load
    };
    EXPECT_EQ(SelectFrames(ring, GetParam().criteria), GetParam().numbers);
}

INSTANTIATE_TEST_SUITE_P(
    Conditions, SelectFramesTest,
    ::testing::Values(
        SelectionCase{"zero_passes_every_frame", {0, false, false}, {0, 1, 2, 3, 4}},
        SelectionCase{"negative_passes_every_frame", {-5, false, false}, {0, 1, 2, 3, 4}},
        SelectionCase{"either_winch_at_least_the_threshold", {50, false, false}, {1, 2, 4}},
        SelectionCase{"above_every_load", {256, false, false}, {}},
        SelectionCase{"limits_drop_relays_ending_000", {0, false, true}, {2, 3, 4}},
        SelectionCase{"faults_drop_code_zero", {0, true, false}, {2, 4}},
        SelectionCase{"all_conditions_together", {50, true, true}, {2, 4}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(ParseInteger, TakesWholeDecimalNumbersOnly) {
    const std::pair<const char*, std::optional<int>> cases[] = {{"0", 0},
                                                                {"50", 50},
                                                                {" 50 ", 50},
                                                                {"-5", -5},
                                                                {"+7", 7},
                                                                {"2147483647", 2147483647},
                                                                {"2147483648", std::nullopt},
                                                                {"", std::nullopt},
                                                                {"  ", std::nullopt},
                                                                {"5a", std::nullopt},
                                                                {"1.5", std::nullopt},
                                                                {"+-1", std::nullopt},
                                                                {"0x10", std::nullopt},
                                                                {"5 0", std::nullopt}};
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(parseInteger(text), value) << '"' << text << '"';
    }
    EXPECT_EQ(notAnIntegerMessage("5a"), "\"5a\" не является целым числом.");
}

} // namespace
} // namespace valta9
