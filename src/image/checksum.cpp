#include "image/checksum.h"

#include <numeric>

namespace valta9 {

std::uint8_t blockChecksum(std::span<const std::uint8_t> block) {
    std::uint8_t sum = 0;
    for (std::uint8_t b : block) {
        sum = static_cast<std::uint8_t>(sum + b);
    }
    return static_cast<std::uint8_t>(~sum);
}

bool VerifyBlock(std::span<const std::uint8_t> blockAndChecksum) {
    if (blockAndChecksum.empty()) {
        return false;
    }
    const auto n = blockAndChecksum.size() - 1;
    return blockChecksum(blockAndChecksum.first(n)) == blockAndChecksum[n];
}

std::uint32_t imageTotal(std::span<const std::uint8_t> bytes) {
    return std::accumulate(bytes.begin(), bytes.end(), std::uint32_t{0},
                           [](std::uint32_t total, std::uint8_t b) { return total + b; });
}

} // namespace valta9
