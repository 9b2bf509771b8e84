#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace valta9 {

// Operator texts are stored in the Windows-1251 code page, one byte per character.
[[nodiscard]] std::string cp1251ToUtf8(std::span<const std::uint8_t> bytes);

// A character the code page lacks, or a malformed UTF-8 sequence, becomes "?".
[[nodiscard]] std::vector<std::uint8_t> utf8ToCp1251(std::string_view text);

} // namespace valta9
