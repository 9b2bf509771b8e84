#pragma once

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <span>

namespace valta9 {

// Little-endian reads by absolute offset. A byte beyond the end of the data reads as zero, the
// way the operator tail of a short file does; callers that need a whole region check its size.
class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> data) : m_data(data) {}

    [[nodiscard]] std::size_t size() const { return m_data.size(); }
    [[nodiscard]] bool holds(std::size_t offset, std::size_t length) const {
        return offset <= m_data.size() && length <= m_data.size() - offset;
    }
    [[nodiscard]] std::uint8_t u8(std::size_t offset) const {
        return offset < m_data.size() ? m_data[offset] : std::uint8_t{0};
    }
    [[nodiscard]] std::uint16_t u16(std::size_t offset) const {
        return static_cast<std::uint16_t>(u8(offset) | (u8(offset + 1) << 8));
    }
    [[nodiscard]] std::uint32_t u24(std::size_t offset) const {
        return static_cast<std::uint32_t>(u8(offset)) |
               (static_cast<std::uint32_t>(u8(offset + 1)) << 8) |
               (static_cast<std::uint32_t>(u8(offset + 2)) << 16);
    }
    [[nodiscard]] std::uint32_t u32(std::size_t offset) const {
        return u24(offset) | (static_cast<std::uint32_t>(u8(offset + 3)) << 24);
    }
    [[nodiscard]] std::int16_t i16(std::size_t offset) const {
        return static_cast<std::int16_t>(u16(offset));
    }
    [[nodiscard]] std::int32_t i32(std::size_t offset) const {
        return static_cast<std::int32_t>(u32(offset));
    }
    [[nodiscard]] float f32(std::size_t offset) const { return std::bit_cast<float>(u32(offset)); }

    // The bytes of [offset, offset + length) that the data holds; shorter near the end.
    [[nodiscard]] std::span<const std::uint8_t> bytes(std::size_t offset,
                                                      std::size_t length) const {
        if (offset >= m_data.size()) {
            return {};
        }
        return m_data.subspan(offset, std::min(length, m_data.size() - offset));
    }

private:
    std::span<const std::uint8_t> m_data;
};

} // namespace valta9
