#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "image/bytes.h"

namespace valta9 {

// Who read the recorder, as stored in the four 50-byte slots behind the image. UTF-8 texts.
struct OperatorInfo {
    std::string name;         // slot 0
    std::string certificate;  // slot 1
    std::string organisation; // slot 2
    std::string date;         // slot 3

    [[nodiscard]] std::array<const std::string*, 4> texts() const {
        return {&name, &certificate, &organisation, &date};
    }
};

// Each slot's text runs up to its first zero byte, at most 50 bytes; bytes the file lacks read
// as zero, so a file that ends inside the tail is valid.
[[nodiscard]] OperatorInfo DecodeOperatorTail(const ByteReader& file);

// The tail as written behind a saved image: each text in Windows-1251, cut at 50 bytes so that
// it never runs into the next slot, the rest of the slot zero. The last slot ends the file, so
// the trailing zeros of its slot are not written.
[[nodiscard]] std::vector<std::uint8_t> EncodeOperatorTail(const OperatorInfo& info);

} // namespace valta9
