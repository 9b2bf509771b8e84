#include "image/btp_version.h"

#include "image/layout.h"

namespace valta9 {

std::optional<int> ScanBtpVersion(const ByteReader& file) {
    for (std::size_t at = layout::kFrameRing; file.holds(at, layout::kFrameSize);
         at += layout::kFrameSize) {
        const int mark = file.u8(at + layout::kFrameSize - 1);
        if (mark <= 2) {
            return mark;
        }
    }
    return std::nullopt;
}

} // namespace valta9
