#include "image/settings_record.h"

#include "image/checksum.h"
#include "image/layout.h"

namespace valta9 {

namespace {

// Reads the record's fields one after the other, in record order.
class FieldCursor {
public:
    FieldCursor(const ByteReader& image, std::size_t at) : m_image(image), m_at(at) {}
    std::uint16_t word() {
        const auto v = m_image.u16(m_at);
        m_at += 2;
        return v;
    }
    std::int32_t int32() {
        const auto v = m_image.i32(m_at);
        m_at += 4;
        return v;
    }

private:
    const ByteReader& m_image;
    std::size_t m_at;
};

SensorCalibration readCalibration(FieldCursor& c) {
    SensorCalibration s;
    s.qNull = c.int32();
    s.kUsil = c.word();
    s.kUsilLift = c.word();
    return s;
}

} // namespace

SettingsRecord DecodeSettingsRecord(const ByteReader& image) {
    SettingsRecord r;
    r.checksumOk = VerifyBlock(image.bytes(layout::kSettingsRecord, layout::kSettingsChecked + 1));

    FieldCursor c(image, layout::kSettingsRecord);
    r.mode = c.word();
    r.typeSens = c.word();
    r.nDuc1 = c.word();
    r.nDuc2 = c.word();
    r.qmax1 = c.word();
    r.qmax2 = c.word();
    r.qmaxSumma = c.word();
    r.qmaxConsol = c.word();
    r.razbalansQ = c.word();
    r.qmax1Sens = c.word();
    for (auto& q : r.qmaxP) {
        q = c.word();
    }
    r.kOtriva = c.word();
    r.nSens = c.word();
    r.kNull = c.word();
    r.duc1 = readCalibration(c);
    r.duc2 = readCalibration(c);
    r.qMinKonteiner = c.word();
    r.qMinKanat = c.word();
    r.brs = c.word();
    r.blockProtect = c.word();
    for (auto& m : r.motorPhase) {
        m = c.word();
    }
    for (auto& n : r.nominalPhase) {
        n = c.word();
    }
    r.nMotor = c.word();
    // Only the low byte of the stop-flag word carries flags; the high byte is ignored.
    r.stopFlags = static_cast<std::uint8_t>(c.word() & 0xFF);
    r.razbalansA = c.word();
    r.windMax = c.word();
    r.fBell = c.word();
    r.yarkLcd = c.word();
    r.cs = c.word();
    return r;
}

} // namespace valta9
