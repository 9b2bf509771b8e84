#pragma once

#include <algorithm>
#include <cstddef>
#include <span>

#include "image/layout.h"

namespace valta9 {

struct RingOrder {
    std::size_t split = 0;     // index of the newest record: the highest one with the mark
    std::size_t markCount = 0; // how many records carry the last-record mark
};

// Rotates a ring log into chronological order behind the newest record, which carries the
// last-record mark; without any mark, record 0 is taken as the newest. Position j receives
// record (split + 1 + j) mod N and is renumbered j, so the newest record ends at N - 1.
template <typename Record, std::size_t Extent> RingOrder OrderRing(std::span<Record, Extent> ring) {
    RingOrder order;
    for (std::size_t i = 0; i < ring.size(); ++i) {
        if (ring[i].mark == static_cast<int>(layout::kLastRecordMark)) {
            order.split = i;
            ++order.markCount;
        }
    }
    if (ring.empty()) {
        return order;
    }
    std::rotate(ring.begin(),
                ring.begin() + static_cast<std::ptrdiff_t>((order.split + 1) % ring.size()),
                ring.end());
    for (std::size_t j = 0; j < ring.size(); ++j) {
        ring[j].number = static_cast<int>(j);
    }
    return order;
}

} // namespace valta9
