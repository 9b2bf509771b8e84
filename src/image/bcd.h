#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>

namespace valta9 {

// A BCD byte is never converted to a number: it is shown as its two upper-case hex digits, so
// 0x07 reads 07 and an invalid byte such as 0x1A reads 1A.
[[nodiscard]] std::string BcdText(std::uint8_t value);

// BCD bytes written one after the other with a separator between them ("28.02.07").
[[nodiscard]] std::string bcdJoin(std::initializer_list<std::uint8_t> bytes, char separator);

} // namespace valta9
