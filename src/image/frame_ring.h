#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "image/bytes.h"
#include "image/layout.h"

namespace valta9 {

struct FrameRecord {
    int number = 0;      // slot index after decoding, ring position after ordering
    std::string date;    // dd.mm.yy
    std::string time;    // hh:mm:ss
    float loadMass1 = 0; // tonnes
    float tareMass1 = 0;
    float loadMass2 = 0;
    float wind = 0;          // metres per second
    std::uint8_t inputs = 0; // discrete inputs, one bit each
    std::uint8_t relays = 0; // output relays, one bit each
    int load1 = 0;           // percent of rated
    int load2 = 0;
    int fault = 0;
    int mark = 0;
    bool checksumOk = false;
};

// Always kFrames records; held on the heap so that a loaded image moves cheaply.
using FrameRing = std::vector<FrameRecord>;

// Eight "0"/"1" characters, bit 7 first, so the last character is bit 0.
[[nodiscard]] std::string BitText(std::uint8_t bits);

[[nodiscard]] inline bool bitSet(std::uint8_t bits, int bit) {
    return ((bits >> bit) & 1U) != 0;
}

// All 2048 slots in storage order, each numbered by its index, whatever their content.
[[nodiscard]] FrameRing DecodeFrameRing(const ByteReader& image);

} // namespace valta9
