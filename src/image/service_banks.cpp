#include "image/service_banks.h"

#include "image/bcd.h"

namespace valta9 {

namespace {

using namespace layout::bank;

// A comparison with a not-a-number is false, so then Bank-1's copy is taken, as for equals.
float largerFloat(float bank0, float bank1) {
    return bank0 > bank1 ? bank0 : bank1;
}

template <typename Read> std::int32_t largerCopy(Read read, std::size_t field) {
    const std::int32_t bank0 = read(layout::kBank0 + field);
    const std::int32_t bank1 = read(layout::kBank1 + field);
    return bank1 > bank0 ? bank1 : bank0;
}

void decodeIdentification(const ByteReader& image, ServiceValues& v) {
    const auto b = [&](std::size_t field) { return image.u8(layout::kBank0 + field); };
    v.craneNumber = bcdJoin(
        {b(kCraneNumber + 3), b(kCraneNumber + 2), b(kCraneNumber + 1), b(kCraneNumber)}, '\0');
    v.commissioningDate = bcdJoin({b(kCommissioningDay), b(kCommissioningMonth)}, '.') + '.' +
                          bcdJoin({b(kCommissioningYearHigh), b(kCommissioningYearLow)}, '\0');
    v.normativeGroup = b(kNormativeGroup);
    v.plannedMode = b(kPlannedMode);
    v.resourceHours = image.i32(layout::kBank0 + kResourceHours);
    v.recorderNumber = bcdJoin({b(kRecorderNumber + 3), b(kRecorderNumber + 2),
                                b(kRecorderNumber + 1), b(kRecorderNumber)},
                               '\0');
    v.installationDate =
        bcdJoin({b(kInstallationDay), b(kInstallationMonth), b(kInstallationYear)}, '.');
    v.serviceLifeYear = b(kServiceLifeYear);
    v.programVersion = {b(kProgramVersion), b(kProgramVersion + 1), b(kProgramVersion + 2)};
}

} // namespace

ServiceValues DecodeServiceBanks(const ByteReader& image) {
    ServiceValues v;
    decodeIdentification(image, v);

    v.charNumber1 = largerFloat(image.f32(layout::kBank0 + kCharNumber1),
                                image.f32(layout::kBank1 + kCharNumber1));
    v.charNumber2 = largerFloat(image.f32(layout::kBank0 + kCharNumber2),
                                image.f32(layout::kBank1 + kCharNumber2));

    const auto u24 = [&](std::size_t at) { return static_cast<std::int32_t>(image.u24(at)); };
    const auto i32 = [&](std::size_t at) { return image.i32(at); };
    for (std::size_t band = 0; band < layout::kLoadBands; ++band) {
        v.workingCycles[band] = largerCopy(u24, kWorkingCycles + 3 * band);
        v.relativeCycles[band] = largerCopy(u24, kRelativeCycles + 3 * band);
    }

    v.winch1Seconds = largerCopy(i32, kWinch1Seconds);
    v.winch1SwitchOns = largerCopy(i32, kWinch1SwitchOns);
    v.winch2Seconds = largerCopy(i32, kWinch2Seconds);
    v.winch2SwitchOns = largerCopy(i32, kWinch2SwitchOns);
    v.trolleySeconds = largerCopy(i32, kTrolleySeconds);
    v.craneSeconds = largerCopy(i32, kCraneSeconds);
    v.motorMinutes = largerCopy(u24, kMotorMinutes);
    return v;
}

} // namespace valta9
