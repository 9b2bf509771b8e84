#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "dump_builder.h"

namespace valta9 {
namespace {

using test::DumpBuilder;
using test::kBank1;

TEST(ServiceBanks, IdentificationComesFromBankZeroAlone) {
    DumpBuilder dump;
    dump.bytes(0, {0x56, 0x34, 0x12, 0x00, 0x06, 0x15, 0x06, 0x20, 5, 2})
        .i32(10, 12000)
        .bytes(14, {0x45, 0x00, 0x00, 0x00, 0x03, 0x22, 0x19, 0x19, 1, 0, 12})
        .fill(kBank1, 25, 0x99);
    const ServiceValues s = dump.open().service;
    EXPECT_EQ(s.craneNumber, "00123456");
    EXPECT_EQ(s.commissioningDate, "15.06.2006");
    EXPECT_EQ(s.normativeGroup, 5);
    EXPECT_EQ(s.plannedMode, 2);
    EXPECT_EQ(s.resourceHours, 12000);
    EXPECT_EQ(s.recorderNumber, "00000045");
    EXPECT_EQ(s.installationDate, "22.03.19");
    EXPECT_EQ(s.serviceLifeYear, 25); // 0x19 is a plain number, not BCD
    EXPECT_EQ(s.programVersion, (std::array<int, 3>{1, 0, 12}));
}

TEST(ServiceBanks, CountersAreTheLargerOfTheTwoCopiesBandByBand) {
    DumpBuilder dump;
    dump.u24(38 + 3 * 3, 5)
        .u24(kBank1 + 38 + 3 * 3, 7) // Bank-1 larger
        .u24(38 + 3 * 4, 9)
        .u24(kBank1 + 38 + 3 * 4, 2) // Bank-0 larger
        .u24(38 + 3 * 5, 4)
        .u24(kBank1 + 38 + 3 * 5, 4) // equal
        .u24(kBank1 + 38 + 3 * 14, 0xFFFFFF)
        .u24(84 + 3 * 0, 0xFFFFFF)
        .u24(kBank1 + 84 + 3 * 0, 3);
    const ServiceValues s = dump.open().service;
    EXPECT_EQ(s.workingCycles[3], 7);
    EXPECT_EQ(s.workingCycles[4], 9);
    EXPECT_EQ(s.workingCycles[5], 4);
    EXPECT_EQ(s.workingCycles[14], 16777215);
    EXPECT_EQ(s.relativeCycles[0], 16777215);
}

TEST(ServiceBanks, RunningTimesAreComparedAsSignedIntegers) {
    DumpBuilder dump;
    dump.i32(130, 59)
        .i32(kBank1 + 130, 36000)
        .i32(134, -1) // erased: 0xFFFFFFFF
        .i32(kBank1 + 134, 100)
        .i32(138, 7)
        .i32(142, 8)
        .i32(146, 9)
        .i32(154, 10)
        .i32(kBank1 + 154, 11)
        .u24(164, 61)
        .u24(kBank1 + 164, 60);
    const ServiceValues s = dump.open().service;
    EXPECT_EQ(s.winch1Seconds, 36000);
    EXPECT_EQ(s.winch1SwitchOns, 100);
    EXPECT_EQ(s.winch2Seconds, 7);
    EXPECT_EQ(s.winch2SwitchOns, 8);
    EXPECT_EQ(s.trolleySeconds, 9);
    EXPECT_EQ(s.craneSeconds, 11);
    EXPECT_EQ(s.motorMinutes, 61);
}

TEST(ServiceBanks, CharacteristicNumberTakesBankOneUnlessBankZeroIsGreater) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const struct {
        float bank0, bank1, expected;
    } cases[] = {{1.5f, 1.25f, 1.5f}, {1.25f, 1.5f, 1.5f}, {0, 0, 0}, {nan, 2.0f, 2.0f}};
    for (const auto& c : cases) {
        DumpBuilder dump;
        dump.f32(26, c.bank0).f32(kBank1 + 26, c.bank1).f32(32, c.bank0).f32(kBank1 + 32, c.bank1);
        const ServiceValues s = dump.open().service;
        EXPECT_EQ(s.charNumber1, c.expected) << c.bank0 << " " << c.bank1;
        EXPECT_EQ(s.charNumber2, c.expected) << c.bank0 << " " << c.bank1;
    }
    // Bank-1 holding a not-a-number wins whatever Bank-0 holds.
    DumpBuilder dump;
    dump.f32(26, 5.0f).f32(kBank1 + 26, nan);
    EXPECT_TRUE(std::isnan(dump.open().service.charNumber1));
}

} // namespace
} // namespace valta9
