#include "image/overload_log.h"

#include "image/bcd.h"
#include "image/checksum.h"
#include "image/scaled.h"

namespace valta9 {

OverloadLog DecodeOverloadLog(const ByteReader& image) {
    OverloadLog log;
    for (std::size_t k = 0; k < log.size(); ++k) {
        const std::size_t at = layout::kOverloadLog + layout::kOverloadRecordSize * k;
        OverloadRecord& r = log[k];
        r.checksumOk = VerifyBlock(image.bytes(at, 17));
        r.number = static_cast<int>(k);
        r.moment1 = image.u8(at + 0);
        r.moment2 = image.u8(at + 1);
        r.load1 = scaledToFloat(image.i32(at + 2), kKilogramsToTonnes);
        r.load2 = scaledToFloat(image.i32(at + 6), kKilogramsToTonnes);
        if (!r.empty()) {
            r.date = bcdJoin({image.u8(at + 10), image.u8(at + 11), image.u8(at + 12)}, '.');
            r.time = bcdJoin({image.u8(at + 15), image.u8(at + 14), image.u8(at + 13)}, ':');
        }
        r.mark = image.u8(at + 17);
    }
    return log;
}

LiftedMassTotals DecodeLiftedMassTotals(const ByteReader& image) {
    LiftedMassTotals totals;
    constexpr std::size_t kOffsets[] = {layout::kLiftedMassTotal0, layout::kLiftedMassTotal1};
    for (std::size_t i = 0; i < totals.size(); ++i) {
        const std::size_t at = kOffsets[i];
        totals[i].massKg = image.f32(at);
        totals[i].date = bcdJoin({image.u8(at + 4), image.u8(at + 5), image.u8(at + 6)}, '.');
        totals[i].valid = VerifyBlock(image.bytes(at, layout::kLiftedMassTotalSize));
    }
    return totals;
}

} // namespace valta9
