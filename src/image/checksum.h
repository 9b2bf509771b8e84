#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace valta9 {

// A block is valid when the byte right behind it is the complement of its 8-bit byte sum.
// The span holds the block and its checksum byte: n + 1 bytes for a block of n.
[[nodiscard]] bool VerifyBlock(std::span<const std::uint8_t> blockAndChecksum);

// The checksum byte that makes a block valid.
[[nodiscard]] std::uint8_t blockChecksum(std::span<const std::uint8_t> block);

// The 32-bit total of the image: byte values added with carries beyond 32 bits lost.
[[nodiscard]] std::uint32_t imageTotal(std::span<const std::uint8_t> bytes);

} // namespace valta9
