#include "analysis/duty.h"

#include <string_view>

namespace valta9 {

namespace {

struct NormativeGroup {
    std::string_view text;
    std::int32_t charNumber;
};

constexpr std::array<NormativeGroup, 8> kNormativeCharNumbers{{
    {"A1", 8000},
    {"A2", 16000},
    {"A3", 32000},
    {"A4", 63000},
    {"A5", 125000},
    {"A6", 250000},
    {"A7", 500000},
    {"A8", 1000000},
}};

constexpr std::array<std::int32_t, 9> kUtilizationThresholds{
    16000, 32000, 63000, 125000, 250000, 500000, 1000000, 2000000, 4000000};

constexpr std::array<float, 4> kLoadSpectrumBounds{0.125f, 0.25f, 0.5f, 1.0f};

// Group A index by load spectrum class (rows Q1 to Q4) and utilization class (U0 to U9).
constexpr int kGroups[4][10] = {
    {1, 1, 1, 2, 3, 4, 5, 6, 7, 8},
    {1, 1, 2, 3, 4, 5, 6, 7, 8, 8},
    {1, 2, 3, 4, 5, 6, 7, 8, 8, 8},
    {2, 3, 4, 5, 6, 7, 8, 8, 8, 8},
};

} // namespace

DutyClassification ClassifyDuty(std::span<const std::int32_t, kDutyBands> counts, float charNumber1,
                                std::string_view normativeGroupText) {
    DutyClassification d;

    std::int32_t largest = 0;
    for (std::int32_t c : counts) {
        d.totalCycles += c;
        if (c > largest) {
            largest = c;
        }
    }
    d.largestCount = largest == 0 ? 1 : largest;
    for (std::size_t b = 0; b < counts.size(); ++b) {
        d.barPercent[b] = counts[b] * 100 / d.largestCount;
    }

    for (const auto& g : kNormativeCharNumbers) {
        if (g.text == normativeGroupText) {
            d.normativeCharNumber = g.charNumber;
        }
    }

    for (std::int32_t threshold : kUtilizationThresholds) {
        if (d.totalCycles < threshold) {
            break;
        }
        ++d.utilizationClass;
    }

    const std::int32_t divisor = d.totalCycles == 0 ? 1 : d.totalCycles;
    d.loadSpectrumFactor = static_cast<float>(static_cast<long double>(charNumber1) /
                                              static_cast<long double>(divisor));

    d.loadSpectrumClass = 0;
    for (std::size_t k = 0; k < kLoadSpectrumBounds.size(); ++k) {
        if (d.loadSpectrumFactor <= kLoadSpectrumBounds[k]) {
            d.loadSpectrumClass = static_cast<int>(k) + 1;
            break;
        }
    }
    d.group = d.classified() ? kGroups[d.loadSpectrumClass - 1][d.utilizationClass] : 0;
    return d;
}

} // namespace valta9
