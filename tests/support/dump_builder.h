#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <vector>

#include "image/loaded_image.h"

namespace valta9::test {

// Offsets restated here rather than taken from the decoder, so that a slip in either shows.
inline constexpr std::size_t kImage = 270337;
inline constexpr std::size_t kBank1 = 184;
inline constexpr std::size_t kOverloads = 388;
inline constexpr std::size_t kTotals = 2188;
inline constexpr std::size_t kFrames = 32768;
inline constexpr std::size_t kSettings = 262144;
inline constexpr std::size_t kTail = 270337;

[[nodiscard]] inline std::size_t frameAt(std::size_t slot) {
    return kFrames + 32 * slot;
}
[[nodiscard]] inline std::size_t overloadAt(std::size_t k) {
    return kOverloads + 18 * k;
}

// Builds dump files in memory: a fill byte everywhere, then the bytes a test sets.
class DumpBuilder {
public:
    explicit DumpBuilder(std::uint8_t fill = 0x00, std::size_t size = kImage)
        : m_bytes(size, fill) {}

    DumpBuilder& bytes(std::size_t at, std::initializer_list<std::uint8_t> values);
    DumpBuilder& fill(std::size_t at, std::size_t length, std::uint8_t value);
    DumpBuilder& u16(std::size_t at, std::uint16_t value);
    DumpBuilder& u24(std::size_t at, std::uint32_t value);
    DumpBuilder& i32(std::size_t at, std::int32_t value);
    DumpBuilder& f32(std::size_t at, float value);
    // The complement of the byte sum of [at, at + length), written right behind the block.
    DumpBuilder& seal(std::size_t at, std::size_t length);
    // Seals every checked block of the image: both banks, the overload log, the totals, every
    // frame and the settings record.
    DumpBuilder& sealAll();
    DumpBuilder& resize(std::size_t size);
    DumpBuilder& append(std::initializer_list<std::uint8_t> values);

    [[nodiscard]] const std::vector<std::uint8_t>& build() const { return m_bytes; }

    // Decodes the bytes as the open command does.
    LoadedImage open(OpenReport* report = nullptr) const;

private:
    std::vector<std::uint8_t> m_bytes;
};

} // namespace valta9::test
