#include <gtest/gtest.h>

#include "dump_builder.h"
#include "image/ring_order.h"

namespace valta9 {
namespace {

using test::DumpBuilder;
using test::frameAt;
using test::overloadAt;

TEST(FrameRing, DecodesEveryFieldOfASlot) {
    DumpBuilder dump;
    dump.bytes(frameAt(5), {0x01, 0x12, 0x05, 0x09, 0x30, 0x14})
        .i32(frameAt(5) + 6, 1500)
        .i32(frameAt(5) + 10, -250)
        .i32(frameAt(5) + 14, 3)
        .u16(frameAt(5) + 18, 0xFFFB) // -5 tenths
        .bytes(frameAt(5) + 20, {0x81, 0x04, 85, 255})
        .u16(frameAt(5) + 24, 0xFFFE)
        .seal(frameAt(5), 30)
        .bytes(frameAt(5) + 31, {0x91})
        .bytes(frameAt(2047) + 31, {175}); // keeps slot 5 at position 5
    const LoadedImage image = dump.open();
    const FrameRecord& f = image.frames[5];
    EXPECT_EQ(f.number, 5);
    EXPECT_EQ(f.date, "01.12.05");
    EXPECT_EQ(f.time, "14:30:09");
    EXPECT_FLOAT_EQ(f.loadMass1, 1.5f);
    EXPECT_FLOAT_EQ(f.tareMass1, -0.25f);
    EXPECT_FLOAT_EQ(f.loadMass2, 0.003f);
    EXPECT_FLOAT_EQ(f.wind, -0.5f);
    EXPECT_EQ(BitText(f.inputs), "10000001");
    EXPECT_EQ(BitText(f.relays), "00000100");
    EXPECT_EQ(f.load1, 85);
    EXPECT_EQ(f.load2, 255);
    EXPECT_EQ(f.fault, 65534);
    EXPECT_EQ(f.mark, 0x91);
    EXPECT_TRUE(f.checksumOk);
}

TEST(FrameRing, ErasedSlotDecodesLikeAnyOtherAndIsBroken) {
    const LoadedImage image = DumpBuilder(0xFF).open();
    const FrameRecord& f = image.frames[0];
    EXPECT_FALSE(f.checksumOk);
    EXPECT_EQ(f.date, "FF.FF.FF");
    EXPECT_EQ(f.mark, 255);
    EXPECT_FLOAT_EQ(f.loadMass1, -0.001f);
}

TEST(OverloadLog, EmptyRecordKeepsNoDateAndBrokenRecordKeepsItsValues) {
    DumpBuilder dump;
    dump.bytes(overloadAt(3), {120, 0})
        .i32(overloadAt(3) + 2, 19200)
        .bytes(overloadAt(3) + 10, {0x28, 0x02, 0x07, 0x59, 0x05, 0x08})
        .seal(overloadAt(3), 16)
        .bytes(overloadAt(4), {0, 0})
        .bytes(overloadAt(4) + 10, {0x28, 0x02, 0x07, 0x59, 0x05, 0x08})
        .bytes(overloadAt(5), {0, 130})
        .bytes(overloadAt(99) + 17, {175});
    const LoadedImage image = dump.open();
    const OverloadRecord& full = image.overloads[3];
    EXPECT_EQ(full.moment1, 120);
    EXPECT_FLOAT_EQ(full.load1, 19.2f);
    EXPECT_EQ(full.date, "28.02.07");
    EXPECT_EQ(full.time, "08:05:59");
    EXPECT_TRUE(full.checksumOk);
    EXPECT_TRUE(image.overloads[4].empty());
    EXPECT_EQ(image.overloads[4].date, "");
    EXPECT_EQ(image.overloads[5].moment2, 130);
    EXPECT_FALSE(image.overloads[5].checksumOk); // checksum byte 0 over a non-zero block
}

TEST(LiftedMassTotals, ValidOnlyWithTheirChecksum) {
    DumpBuilder dump;
    dump.f32(2188, 123456.0f).bytes(2192, {0x15, 0x03, 0x07}).seal(2188, 7);
    const LoadedImage image = dump.open();
    EXPECT_TRUE(image.totals[0].valid);
    EXPECT_EQ(image.totals[0].massKg, 123456.0f);
    EXPECT_EQ(image.totals[0].date, "15.03.07");
    EXPECT_FALSE(image.totals[1].valid); // eight zero bytes: the checksum would be 0xFF
}

struct RingCase {
    const char* name;
    std::vector<std::size_t> marked;
    std::vector<std::pair<std::size_t, int>> positionHoldsSlot;
};

// Rows print as their names in test listings.
void PrintTo(const RingCase& row, std::ostream* os) {
    *os << row.name;
}

class FrameOrderTest : public ::testing::TestWithParam<RingCase> {};

TEST_P(FrameOrderTest, NewestMarkedFrameEndsTheRing) {
    DumpBuilder dump;
    for (std::size_t slot = 0; slot < 2048; ++slot) {
        dump.u16(frameAt(slot) + 24,
                 static_cast<std::uint16_t>(slot)); // the slot in the fault code
    }
    for (std::size_t slot : GetParam().marked) {
        dump.bytes(frameAt(slot) + 31, {175});
    }
    OpenReport report;
    const LoadedImage image = dump.open(&report);
    for (const auto& [position, slot] : GetParam().positionHoldsSlot) {
        EXPECT_EQ(image.frames[position].fault, slot) << "position " << position;
        EXPECT_EQ(image.frames[position].number, static_cast<int>(position));
    }
    EXPECT_TRUE(report.messages.size() == 15 ||
                report.messages.size() == 14); // banks, settings only
}

INSTANTIATE_TEST_SUITE_P(
    Marks, FrameOrderTest,
    ::testing::Values(RingCase{"mark_at_2047", {2047}, {{0, 0}, {2047, 2047}}},
                      RingCase{"mark_at_0", {0}, {{0, 1}, {2046, 2047}, {2047, 0}}},
                      RingCase{
                          "mark_at_500", {500}, {{0, 501}, {1546, 2047}, {1547, 0}, {2047, 500}}},
                      RingCase{"no_mark", {}, {{0, 1}, {2047, 0}}},
                      RingCase{"latest_of_two_marks", {10, 20}, {{0, 21}, {2047, 20}}}),
    [](const auto& row) { return std::string(row.param.name); });

class OverloadOrderTest : public ::testing::TestWithParam<RingCase> {};

TEST_P(OverloadOrderTest, NewestMarkedRecordEndsTheLog) {
    DumpBuilder dump;
    for (std::size_t k = 0; k < 100; ++k) {
        dump.bytes(overloadAt(k), {static_cast<std::uint8_t>(k + 1)}); // moment 1 = k + 1
    }
    for (std::size_t k : GetParam().marked) {
        dump.bytes(overloadAt(k) + 17, {175});
    }
    OpenReport report;
    const LoadedImage image = dump.open(&report);
    for (const auto& [position, k] : GetParam().positionHoldsSlot) {
        EXPECT_EQ(image.overloads[position].moment1, k + 1) << "position " << position;
        EXPECT_EQ(image.overloads[position].number, static_cast<int>(position));
    }
    const auto warnings = std::count(report.messages.begin(), report.messages.end(),
                                     "Найдено несколько меток последней записи!");
    EXPECT_EQ(warnings, GetParam().marked.size() > 1 ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Marks, OverloadOrderTest,
    ::testing::Values(RingCase{"mark_at_99", {99}, {{0, 0}, {99, 99}}},
                      RingCase{"mark_at_37", {37}, {{0, 38}, {61, 99}, {62, 0}, {99, 37}}},
                      RingCase{"no_mark", {}, {{0, 1}, {98, 99}, {99, 0}}},
                      RingCase{"two_marks_warn_once", {10, 20}, {{0, 21}, {99, 20}}}),
    [](const auto& row) { return std::string(row.param.name); });

} // namespace
} // namespace valta9
