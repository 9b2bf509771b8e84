#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "image/frame_ring.h"

namespace valta9 {

inline constexpr const char* kParamChartDesignTitle =
    "Графики временной зависимости регистрируемых параметров";
inline constexpr const char* kReleChartDesignTitle =
    "Графики временной зависимости работы реле и концевиков";

[[nodiscard]] std::string paramChartTitle(std::string_view craneNumber,
                                          std::string_view recorderNumber);
[[nodiscard]] std::string releChartTitle(std::string_view craneNumber,
                                         std::string_view recorderNumber);

// The eight lines of the parameter chart, one value per frame in ring order: the 100 % limit,
// the two winch loads in percent, the three masses in tonnes, the wind in m/s and the zero line.
enum ParamLine : std::size_t {
    kLimit100,
    kLoad1,
    kLoad2,
    kLoadMass1,
    kTareMass1,
    kLoadMass2,
    kWind,
    kAxis,
    kParamLines
};
using ParamLines = std::array<std::vector<double>, kParamLines>;
[[nodiscard]] ParamLines paramLines(const FrameRing& frames);

// The eight levels of the relay chart: the five inputs (bits 0 to 4) on levels 1 to 5, the three
// relays (bits 0 to 2) on levels 6 to 8. Each holds the frame numbers whose bit is set.
inline constexpr std::size_t kRelayLevels = 8;
using RelayMarks = std::array<std::vector<int>, kRelayLevels>;
[[nodiscard]] RelayMarks relayMarks(const FrameRing& frames);

} // namespace valta9
