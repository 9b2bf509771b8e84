#include "image/frame_ring.h"

#include "image/bcd.h"
#include "image/checksum.h"
#include "image/scaled.h"

namespace valta9 {

std::string BitText(std::uint8_t bits) {
    std::string text(8, '0');
    for (int i = 0; i < 8; ++i) {
        if (bitSet(bits, 7 - i)) {
            text[static_cast<std::size_t>(i)] = '1';
        }
    }
    return text;
}

FrameRing DecodeFrameRing(const ByteReader& image) {
    FrameRing ring(layout::kFrames);
    for (std::size_t k = 0; k < ring.size(); ++k) {
        const std::size_t at = layout::kFrameRing + layout::kFrameSize * k;
        FrameRecord& f = ring[k];
        f.checksumOk = VerifyBlock(image.bytes(at, 31));
        f.number = static_cast<int>(k);
        f.date = bcdJoin({image.u8(at + 0), image.u8(at + 1), image.u8(at + 2)}, '.');
        f.time = bcdJoin({image.u8(at + 5), image.u8(at + 4), image.u8(at + 3)}, ':');
        f.loadMass1 = scaledToFloat(image.i32(at + 6), kKilogramsToTonnes);
        f.tareMass1 = scaledToFloat(image.i32(at + 10), kKilogramsToTonnes);
        f.loadMass2 = scaledToFloat(image.i32(at + 14), kKilogramsToTonnes);
        f.wind = scaledToFloat(image.i16(at + 18), kTenths);
        f.inputs = image.u8(at + 20);
        f.relays = image.u8(at + 21);
        f.load1 = image.u8(at + 22);
        f.load2 = image.u8(at + 23);
        f.fault = image.u16(at + 24);
        f.mark = image.u8(at + 31);
    }
    return ring;
}

} // namespace valta9
