#include <gtest/gtest.h>

#include "presentation/chart_data.h"
#include "presentation/overload_selection.h"

namespace valta9 {
namespace {

TEST(ParseShortDate, RealCalendarDatesOnly) {
    const std::pair<const char*, std::optional<int>> cases[] = {
        {"01.01.03", 20030101},     {"12.01.03", 20030112},     {"29.02.24", 20240229},
        {"29.02.23", std::nullopt}, {"31.04.03", std::nullopt}, {"00.01.03", std::nullopt},
        {"01.13.03", std::nullopt}, {"1.1.03", std::nullopt},   {"FF.FF.FF", std::nullopt},
        {"", std::nullopt},         {"01-01-03", std::nullopt}};
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(parseShortDate(text), value) << text;
    }
}

TEST(SelectOverloads, MomentOfEitherWinchAndDateWithinBothBounds) {
    OverloadLog log{};
    const struct {
        int m1, m2;
        const char* date;
    } records[] = {{105, 0, "01.01.03"},
                   {0, 130, "12.01.03"},
                   {120, 0, "13.01.03"},
                   {140, 0, "FF.FF.FF"},
                   {0, 0, ""}};
    for (std::size_t i = 0; i < std::size(records); ++i) {
        log[i].number = static_cast<int>(i);
        log[i].moment1 = records[i].m1;
        log[i].moment2 = records[i].m2;
        log[i].date = records[i].date;
    }
    const struct {
        OverloadCriteria criteria;
        std::vector<int> numbers;
    } cases[] = {
        {{0, 20030101, 20030112}, {0, 1}},     // both bounds inclusive; an empty record never
        {{110, 20030101, 20031231}, {1, 2}},   // winch 2 counts as well as winch 1
        {{0, 20030113, 20030101}, {}},         // bounds the wrong way round select nothing
        {{-5, 20000101, 20991231}, {0, 1, 2}}, // a date that is no date is left out
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SelectOverloads(log, c.criteria), c.numbers);
    }
}

TEST(RelayMarks, EachSetBitMarksItsLevel) {
    FrameRing ring(4);
    const std::pair<std::uint8_t, std::uint8_t> bits[] = {
        {0x00, 0x00}, {0xFF, 0xFF}, {0x00, 0xFE}, {0x11, 0x01}};
    for (std::size_t i = 0; i < ring.size(); ++i) {
        ring[i].number = static_cast<int>(i);
        ring[i].inputs = bits[i].first;
        ring[i].relays = bits[i].second;
    }
    const RelayMarks marks = relayMarks(ring);
    const RelayMarks expected{{{1, 3}, {1}, {1}, {1}, {1, 3}, {1, 3}, {1, 2}, {1, 2}}};
    EXPECT_EQ(marks, expected);
}

TEST(ChartTitles, PiecesJoinedWithNothingBetween) {
    EXPECT_EQ(paramChartTitle("123", "45"),
              "График параметров работы мостового крана №123 по данным РП ВАЛТА-9 №45 (по кадрам)");
    EXPECT_EQ(releChartTitle("123", "45"),
              "График работы дискр. входов и выходных реле мостового крана №123 по данным РП "
              "ВАЛТА-9 №45 (по кадрам)");
}

} // namespace
} // namespace valta9
