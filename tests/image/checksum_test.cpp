#include <gtest/gtest.h>

#include <vector>

#include "image/checksum.h"
#include "image/layout.h"

namespace valta9 {
namespace {

struct BlockCase {
    const char* name;
    std::vector<std::uint8_t> blockAndChecksum;
    bool valid;
};

// Rows print as their names in test listings.
void PrintTo(const BlockCase& row, std::ostream* os) {
    *os << row.name;
}

class VerifyBlockTest : public ::testing::TestWithParam<BlockCase> {};

TEST_P(VerifyBlockTest, ChecksumIsComplementOfByteSum) {
    EXPECT_EQ(VerifyBlock(GetParam().blockAndChecksum), GetParam().valid);
}

std::vector<std::uint8_t> erased(std::size_t n, std::uint8_t checksum) {
    std::vector<std::uint8_t> v(n, 0xFF);
    v.push_back(checksum);
    return v;
}

INSTANTIATE_TEST_SUITE_P(
    Blocks, VerifyBlockTest,
    ::testing::Values(BlockCase{"worked_example", {0x01, 0x02, 0x03, 0xF9}, true},
                      BlockCase{"sum_not_complement", {0x01, 0x02, 0x03, 0x06}, false},
                      BlockCase{"zero_block_zero_checksum", {0, 0, 0, 0, 0x00}, false},
                      BlockCase{"zero_block_ff_checksum", {0, 0, 0, 0, 0xFF}, true},
                      BlockCase{"sum_wraps_modulo_256", {0x80, 0x80, 0x01, 0xFE}, true},
                      BlockCase{"erased_identification_with_0x18", erased(25, 0x18), true},
                      BlockCase{"erased_identification_all_ff", erased(25, 0xFF), false},
                      BlockCase{"empty_span", {}, false}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(ImageTotal, AddsBytesWithCarriesBeyond32BitsLost) {
    EXPECT_EQ(imageTotal(std::vector<std::uint8_t>{0xFF, 0xFF, 0x02}), 0x200u);
    // 270337 bytes of 0xFF sum to 68935935: no wrap in a real image, so a wrong accumulator
    // width would show only here.
    EXPECT_EQ(imageTotal(std::vector<std::uint8_t>(270337, 0xFF)), 270337u * 255u);
}

TEST(RegionMap, RegionsFollowOneAnotherUpToTheEndOfTheTail) {
    std::size_t next = 0;
    for (const auto& region : layout::kRegions) {
        EXPECT_EQ(region.offset, next) << region.name;
        next = region.offset + region.length;
    }
    EXPECT_EQ(next, 270537u);
    EXPECT_EQ(layout::kImageSize, 270337u);
}

} // namespace
} // namespace valta9
