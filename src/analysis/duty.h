#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace valta9 {

inline constexpr std::size_t kDutyBands = 15;

// The crane's duty by ISO 4301/1-85 from the winch-1 load-cycle counts and characteristic
// number No. 1.
struct DutyClassification {
    std::int32_t totalCycles = 0;
    std::int32_t largestCount = 1; // never below 1, so that it can divide
    std::array<std::int32_t, kDutyBands> barPercent{};
    std::int32_t normativeCharNumber = 0; // 0 when the group is not A1 to A8
    int utilizationClass = 0;             // U0 to U9
    float loadSpectrumFactor = 0;
    // Q1 to Q4, or 0 when the factor is above 1.0 or not a number: no class of the standard
    // holds such a factor, and calling it Q1 would pass the heaviest duty off as the lightest.
    int loadSpectrumClass = 1;
    int group = 1; // A1 to A8, or 0 when the load spectrum class is undetermined

    [[nodiscard]] bool classified() const { return loadSpectrumClass != 0; }
};

[[nodiscard]] DutyClassification ClassifyDuty(std::span<const std::int32_t, kDutyBands> counts,
                                              float charNumber1,
                                              std::string_view normativeGroupText);

} // namespace valta9
