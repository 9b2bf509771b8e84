#include "presentation/frame_texts.h"

#include "presentation/number_format.h"
#include "presentation/overload_texts.h"

namespace valta9 {

std::optional<FrameColumn> frameColumn(const FrameRecord& f, std::string_view point) {
    if (!f.checksumOk) {
        return std::nullopt;
    }
    return FrameColumn{
        std::to_string(f.number),
        format0_00(f.wind, point),
        format0_00(f.loadMass1, point),
        format0_00(f.tareMass1, point),
        format0_00(f.loadMass2, point),
        std::to_string(f.load1),
        std::to_string(f.load2),
        BitText(f.inputs),
        BitText(f.relays),
        std::to_string(f.fault),
        f.date,
        f.time,
        checksumStateText(f.checksumOk),
        std::to_string(f.mark),
    };
}

FrameSignals frameSignals(const FrameRecord& f, bool relayV7Used, bool relayV6Used) {
    FrameSignals s;
    s.liftWinch1 = bitSet(f.inputs, 0);
    s.liftWinch2 = bitSet(f.inputs, 1);
    s.trolleyTravel = bitSet(f.inputs, 2);
    s.craneTravel = bitSet(f.inputs, 3);
    s.loadOnConsole = bitSet(f.inputs, 4);
    // Relays are energised in normal work: a dropped bit is the signal.
    s.overload = !bitSet(f.relays, 0);
    s.gripBlocked = !bitSet(f.relays, 1) && relayV7Used;
    s.ropeSlackBlocked = !bitSet(f.relays, 2) && relayV6Used;
    return s;
}

} // namespace valta9
