#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace valta9 {

// Numbers are formatted with std::to_chars and the separator passed in, never through printf
// or streams, whose output follows the process's C locale.

// "#0.00" and "#0.000": at least one integer digit, exactly `decimals` decimals, no grouping;
// halves round away from zero, and a value that rounds to zero has no minus sign. Values that
// are not numbers read "NAN", infinities "INF" and "-INF".
[[nodiscard]] std::string formatFixed(long double value, int decimals, std::string_view point);

[[nodiscard]] inline std::string format0_00(long double value, std::string_view point) {
    return formatFixed(value, 2, point);
}
[[nodiscard]] inline std::string format0_000(long double value, std::string_view point) {
    return formatFixed(value, 3, point);
}

// The general format: up to 15 significant digits, no trailing zeros, no separator for whole
// numbers ("12,5", "12", "0,05" under a comma).
[[nodiscard]] std::string formatGeneral(long double value, std::string_view point);

// Seconds as hours:minutes:seconds, minutes and seconds of two digits ("3725" gives 1:02:05).
// A negative count, which only a corrupted counter holds, keeps its sign in front.
[[nodiscard]] std::string FormatRunTime(std::int32_t seconds);

} // namespace valta9
