#pragma once

#include <array>
#include <cstdint>

#include "image/bytes.h"

namespace valta9 {

struct SensorCalibration {
    std::int32_t qNull = 0;
    std::uint16_t kUsil = 0;
    std::uint16_t kUsilLift = 0;
};

// The limiter's settings record "Parametr": 85 little-endian words and two signed integers.
// Values are kept raw; the listing scales the few that are tenths or hundredths.
struct SettingsRecord {
    std::uint16_t mode = 0;
    std::uint16_t typeSens = 0;
    std::uint16_t nDuc1 = 0;
    std::uint16_t nDuc2 = 0;
    std::uint16_t qmax1 = 0;      // tenths
    std::uint16_t qmax2 = 0;      // tenths
    std::uint16_t qmaxSumma = 0;  // tenths
    std::uint16_t qmaxConsol = 0; // tenths
    std::uint16_t razbalansQ = 0;
    std::uint16_t qmax1Sens = 0;          // tenths
    std::array<std::uint16_t, 9> qmaxP{}; // Qmax_P01 to Qmax_P09, tenths
    std::uint16_t kOtriva = 0;
    std::uint16_t nSens = 0; // NULL_DUC
    std::uint16_t kNull = 0; // NULL_DUC
    SensorCalibration duc1;
    SensorCalibration duc2;
    std::uint16_t qMinKonteiner = 0; // hundredths
    std::uint16_t qMinKanat = 0;     // hundredths
    std::uint16_t brs = 0;
    std::uint16_t blockProtect = 0;
    std::array<std::uint16_t, 24> motorPhase{};   // motor n phase k at 3 * (n - 1) + (k - 1)
    std::array<std::uint16_t, 24> nominalPhase{}; // the same order
    std::uint16_t nMotor = 0;
    std::uint8_t stopFlags = 0; // motor 1 in bit 7 down to motor 8 in bit 0
    std::uint16_t razbalansA = 0;
    std::uint16_t windMax = 0;
    std::uint16_t fBell = 0;
    std::uint16_t yarkLcd = 0;
    std::uint16_t cs = 0; // the checksum byte and the byte after it, as one word
    bool checksumOk = false;

    // Relays V7 and V6 exist on the crane only when their thresholds are set.
    [[nodiscard]] bool relayV7Used() const { return qMinKonteiner != 0; }
    [[nodiscard]] bool relayV6Used() const { return qMinKanat != 0; }
};

inline constexpr const char* kSettingsChecksumMessage =
    "Ошибка контольной суммы структуры \"Parametr\"";

[[nodiscard]] SettingsRecord DecodeSettingsRecord(const ByteReader& image);

} // namespace valta9
