#pragma once

#include <cstdint>

namespace valta9 {

inline constexpr long double kKilogramsToTonnes = 0.001L;
inline constexpr long double kTenths = 0.1L;

// Stored integers times a unit factor, formed in extended precision and rounded once to the
// single-precision value the records hold (1500 kg gives 1.5 t, -5 tenths give -0.5 m/s).
[[nodiscard]] inline float scaledToFloat(std::int32_t raw, long double factor) {
    return static_cast<float>(static_cast<long double>(raw) * factor);
}

} // namespace valta9
