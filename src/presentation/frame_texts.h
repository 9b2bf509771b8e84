#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "image/frame_ring.h"

namespace valta9 {

inline constexpr std::size_t kFrameTableRows = 14;
inline constexpr std::size_t kFrameTableColumns = 3;
inline constexpr int kFrameScrollMax = 2045; // the window of three stays inside the ring

using FrameColumn = std::array<std::string, kFrameTableRows>;

// A column of the frame table, or nothing for a frame with a bad checksum, whose column stays
// blank although the frame counts and takes its place.
[[nodiscard]] std::optional<FrameColumn> frameColumn(const FrameRecord& frame,
                                                     std::string_view point);

// The eight lamps beside the frame table, lit or not.
struct FrameSignals {
    bool liftWinch1 = false;       // L_D8, input bit 0
    bool liftWinch2 = false;       // L_D7, input bit 1
    bool trolleyTravel = false;    // L_D6, input bit 2
    bool craneTravel = false;      // L_D5, input bit 3
    bool loadOnConsole = false;    // L_D4, input bit 4
    bool overload = false;         // L_V8, relay bit 0 dropped
    bool gripBlocked = false;      // L_V7, relay bit 1 dropped, when relay V7 is fitted
    bool ropeSlackBlocked = false; // L_V6, relay bit 2 dropped, when relay V6 is fitted
};

[[nodiscard]] FrameSignals frameSignals(const FrameRecord& frame, bool relayV7Used,
                                        bool relayV6Used);

} // namespace valta9
