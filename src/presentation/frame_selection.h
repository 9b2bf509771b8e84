#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "image/frame_ring.h"

namespace valta9 {

struct FrameCriteria {
    int minLoad = 0;         // a frame passes when either winch's load is at least this
    bool faultsOnly = false; // "Коды отказа": keep only frames with a fault code
    bool limitsOnly = false; // "Сработало ограничение": keep frames with relay bit 0, 1 or 2 set
};

// The ring numbers of the frames that meet the criteria, in ring order. A frame's checksum
// state takes no part: a bad frame is counted and keeps its place.
[[nodiscard]] std::vector<int> SelectFrames(std::span<const FrameRecord> ring,
                                            const FrameCriteria& criteria);

// A whole number in decimal, as the threshold field takes it: an optional sign and digits,
// blanks around them allowed, within the 32-bit range.
[[nodiscard]] std::optional<int> parseInteger(std::string_view text);

// The message shown when a field that takes a whole number holds something else.
[[nodiscard]] std::string notAnIntegerMessage(std::string_view text);

} // namespace valta9
