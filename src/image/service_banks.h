#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "image/bytes.h"
#include "image/layout.h"

namespace valta9 {

// The crane's service data: identification from Bank-0 alone, every counter, time and
// characteristic number as the larger of its two bank copies.
struct ServiceValues {
    std::string craneNumber;       // 8 hex digits of the BCD bytes
    std::string commissioningDate; // dd.mm.yyyy
    int normativeGroup = 0;        // shown after "A"
    int plannedMode = 0;           // shown after "Q"
    std::int32_t resourceHours = 0;
    std::string recorderNumber;
    std::string installationDate; // dd.mm.yy
    int serviceLifeYear = 0;      // last two digits, a plain number
    std::array<int, 3> programVersion{};

    float charNumber1 = 0;
    float charNumber2 = 0;
    std::array<std::int32_t, layout::kLoadBands> workingCycles{};  // winch 1
    std::array<std::int32_t, layout::kLoadBands> relativeCycles{}; // winch 2

    std::int32_t winch1Seconds = 0;
    std::int32_t winch1SwitchOns = 0;
    std::int32_t winch2Seconds = 0;
    std::int32_t winch2SwitchOns = 0;
    std::int32_t trolleySeconds = 0;
    std::int32_t craneSeconds = 0;
    std::int32_t motorMinutes = 0;
};

[[nodiscard]] ServiceValues DecodeServiceBanks(const ByteReader& image);

} // namespace valta9
