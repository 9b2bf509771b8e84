#include "dump_builder.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace valta9::test {

namespace {

// Checked blocks as offset and length within a bank.
constexpr std::pair<std::size_t, std::size_t> kBankBlocks[] = {
    {0, 25}, {26, 4}, {32, 4}, {38, 45}, {84, 45}, {130, 32}, {164, 3}};

} // namespace

DumpBuilder& DumpBuilder::bytes(std::size_t at, std::initializer_list<std::uint8_t> values) {
    std::copy(values.begin(), values.end(), m_bytes.begin() + static_cast<std::ptrdiff_t>(at));
    return *this;
}

DumpBuilder& DumpBuilder::fill(std::size_t at, std::size_t length, std::uint8_t value) {
    std::fill_n(m_bytes.begin() + static_cast<std::ptrdiff_t>(at), length, value);
    return *this;
}

DumpBuilder& DumpBuilder::u16(std::size_t at, std::uint16_t v) {
    return bytes(at, {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8)});
}

DumpBuilder& DumpBuilder::u24(std::size_t at, std::uint32_t v) {
    return bytes(at, {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8),
                      static_cast<std::uint8_t>(v >> 16)});
}

DumpBuilder& DumpBuilder::i32(std::size_t at, std::int32_t value) {
    const auto v = static_cast<std::uint32_t>(value);
    return bytes(at, {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8),
                      static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 24)});
}

DumpBuilder& DumpBuilder::f32(std::size_t at, float value) {
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return i32(at, static_cast<std::int32_t>(bits));
}

DumpBuilder& DumpBuilder::seal(std::size_t at, std::size_t length) {
    std::uint8_t sum = 0;
    for (std::size_t i = at; i < at + length; ++i) {
        sum = static_cast<std::uint8_t>(sum + m_bytes[i]);
    }
    m_bytes[at + length] = static_cast<std::uint8_t>(~sum);
    return *this;
}

DumpBuilder& DumpBuilder::sealAll() {
    for (std::size_t bank : {std::size_t{0}, kBank1}) {
        for (const auto& [offset, length] : kBankBlocks) {
            seal(bank + offset, length);
        }
    }
    for (std::size_t k = 0; k < 100; ++k) {
        seal(overloadAt(k), 16);
    }
    seal(kTotals, 7);
    seal(kTotals + 8, 7);
    for (std::size_t slot = 0; slot < 2048; ++slot) {
        seal(frameAt(slot), 30);
    }
    return seal(kSettings, 176);
}

DumpBuilder& DumpBuilder::resize(std::size_t size) {
    m_bytes.resize(size, 0);
    return *this;
}

DumpBuilder& DumpBuilder::append(std::initializer_list<std::uint8_t> values) {
    m_bytes.insert(m_bytes.end(), values.begin(), values.end());
    return *this;
}

LoadedImage DumpBuilder::open(OpenReport* report) const {
    LoadedImage image;
    OpenReport r = OpenDumpBytes(m_bytes, m_bytes.size(), "test.drn", image);
    if (report != nullptr) {
        *report = std::move(r);
    }
    return image;
}

} // namespace valta9::test
