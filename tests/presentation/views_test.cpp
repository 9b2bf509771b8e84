#include <gtest/gtest.h>

#include "dump_builder.h"
#include "presentation/duty_texts.h"
#include "presentation/frame_texts.h"
#include "presentation/main_view.h"
#include "presentation/overload_texts.h"
#include "presentation/service_texts.h"

namespace valta9 {
namespace {

using test::DumpBuilder;
using test::overloadAt;

std::string textOf(const ViewTexts& views, std::string_view component) {
    const std::string* text = views.find(component);
    return text ? *text : "<missing " + std::string(component) + ">";
}

bool visibleOf(const ViewTexts& views, std::string_view component) {
    for (const auto& [name, shown] : views.visible) {
        if (name == component) {
            return shown;
        }
    }
    ADD_FAILURE() << "no visibility for " << component;
    return false;
}

TEST(ServiceTexts, FieldsOfThePageServiceAndTheCycleCounts) {
    DumpBuilder dump;
    dump.bytes(8, {4, 3})
        .i32(10, 12000)
        .bytes(21, {7, 2, 1, 15})
        .f32(26, 1.5f)
        .f32(184 + 26, 1.25f)
        .u24(38 + 3 * 3, 5)
        .u24(184 + 38 + 3 * 3, 7)
        .u24(84 + 3 * 14, 0xFFFFFF)
        .u24(164, 61)
        .i32(130, 59)
        .i32(138, 36000)
        .i32(134, 12);
    const ViewTexts v = serviceTexts(dump.open().service, ",");
    const std::pair<const char*, const char*> expected[] = {
        {"L_GRKr", "A4"},
        {"Label_RezPhA", "Q3"},
        {"Edit_VProg", "2.1.15"},
        {"Edit_HarCh1", "1,50"},
        {"Edit_HarCh2", "0,00"},
        {"L_KapRem", "12000:00:00"},
        {"L_Srok", "2007 г."},
        {"L_TimeAll", "1:01:00"},
        {"E_L1sec", "0:00:59"},
        {"E_L2sec", "10:00:00"},
        {"E_L1", "12"},
        {"E_Kran", "0:00:00"},
        {"Edit_N_40", "7"},
        {"Edit_N_10", "0"},
        {"Edit_ON_b140", "16777215"},
        {"Edit_NKr", "00000000"},
        {"Edit_GodKr", "00.00.0000"},
    };
    for (const auto& [component, text] : expected) {
        EXPECT_EQ(textOf(v, component), text) << component;
    }
    DumpBuilder late;
    late.bytes(21, {25});
    EXPECT_EQ(textOf(serviceTexts(late.open().service, "."), "L_Srok"), "2025 г.");
}

TEST(DutyTexts, ResultLabelsAndBars) {
    std::array<std::int32_t, 15> counts{};
    counts[0] = 3;
    counts[1] = 2;
    ViewTexts v = dutyTexts(ClassifyDuty(counts, 0, "A4"), ",");
    EXPECT_EQ(textOf(v, "Label_NHarch"), "63000");
    EXPECT_EQ(textOf(v, "Label_KIspU"), "U0");
    EXPECT_EQ(textOf(v, "Label_KNag"), "0,000");
    EXPECT_EQ(textOf(v, "Label_RezhQ"), "Q1");
    EXPECT_EQ(textOf(v, "Label_RezhA"), "A1");
    ASSERT_EQ(v.progress.size(), 15u);
    EXPECT_EQ(v.progress[0], (std::pair<std::string, int>{"CGauge_10", 100}));
    EXPECT_EQ(v.progress[1], (std::pair<std::string, int>{"CGauge_20", 66}));
    EXPECT_EQ(v.progress[14].first, "CGauge_b140");

    // A factor above 1 fits no class: the labels say it cannot be determined.
    v = dutyTexts(ClassifyDuty(counts, 50.0f, "A4"), ".");
    EXPECT_EQ(textOf(v, "Label_KNag"), "10.000");
    EXPECT_EQ(textOf(v, "Label_RezhQ"), "Q?");
    EXPECT_EQ(textOf(v, "Label_RezhA"), "A?");
}

OverloadLog logWithMoments(std::initializer_list<std::pair<int, int>> moments) {
    OverloadLog log{};
    int k = 0;
    for (const auto& [m1, m2] : moments) {
        log[static_cast<std::size_t>(k)].number = k;
        log[static_cast<std::size_t>(k)].moment1 = m1;
        log[static_cast<std::size_t>(k)].moment2 = m2;
        log[static_cast<std::size_t>(k)].date = "0" + std::to_string(k + 1) + ".02.07";
        log[static_cast<std::size_t>(k)].time = "08:05:5" + std::to_string(k);
        ++k;
    }
    return log;
}

TEST(MaxOverloadSentence, LatestOfTheLargestMomentsAndNoneWithoutOverloads) {
    const OverloadLog log = logWithMoments({{105, 0}, {130, 0}, {110, 0}, {130, 0}});
    EXPECT_EQ(maxOverloadSentence(log, 1),
              "Максимальная перегрузка первой лебедки произошла 04.02.07 в 08:05:53 и "
              "составила 130%.");
    EXPECT_EQ(maxOverloadSentence(log, 2), std::nullopt);
    EXPECT_EQ(maxOverloadSentence(logWithMoments({{0, 250}}), 2),
              "Максимальная перегрузка второй лебедки произошла 01.02.07 в 08:05:50 и "
              "составила 250%.");
}

TEST(OverloadPageTexts, SentencesShownOnlyWhenThereIsSomethingToSay) {
    DumpBuilder dump;
    dump.f32(2188, 123456.0f)
        .bytes(2192, {0x15, 0x03, 0x07})
        .seal(2188, 7)
        .bytes(overloadAt(99) + 17, {175});
    const LoadedImage image = dump.open();
    const ViewTexts v = overloadPageTexts(image.overloads, image.totals, ",");
    EXPECT_EQ(textOf(v, "L_Sum0"), "Суммарная масса грузов поднятых 15.03.07 составила 123,46 т.");
    EXPECT_TRUE(visibleOf(v, "L_Sum0"));
    EXPECT_FALSE(visibleOf(v, "L_Sum1"));
    EXPECT_FALSE(visibleOf(v, "Label_MaxM1"));
    EXPECT_FALSE(visibleOf(v, "Label_MaxM2"));
    EXPECT_EQ(textOf(v, "Label_Per_OtbZap"), "99");
}

TEST(OverloadColumn, EmptyAndBrokenRecordsLeaveTheColumnBlank) {
    OverloadRecord r;
    r.number = 92;
    r.moment1 = 120;
    r.load1 = 19.2f;
    r.load2 = 0;
    r.date = "28.02.07";
    r.time = "08:05:59";
    r.mark = 175;
    r.checksumOk = true;
    const auto column = overloadColumn(r, ",");
    ASSERT_TRUE(column);
    EXPECT_EQ(*column, (OverloadColumn{"92", "120", "0", "19,20", "0,00", "28.02.07", "08:05:59",
                                       "Норма", "175"}));
    r.checksumOk = false;
    EXPECT_FALSE(overloadColumn(r, ","));
    r.checksumOk = true;
    r.moment1 = 0;
    EXPECT_FALSE(overloadColumn(r, ","));
}

TEST(FrameColumn, FourteenRowsOrBlankForABrokenFrame) {
    FrameRecord f;
    f.number = 2045;
    f.wind = -0.5f;
    f.loadMass1 = 1.5f;
    f.tareMass1 = 0.35f;
    f.loadMass2 = -0.25f;
    f.load1 = 85;
    f.load2 = 0;
    f.inputs = 0x13;
    f.relays = 0xFE;
    f.fault = 4;
    f.date = "01.12.05";
    f.time = "14:30:09";
    f.mark = 160;
    f.checksumOk = true;
    const auto column = frameColumn(f, ",");
    ASSERT_TRUE(column);
    EXPECT_EQ(*column, (FrameColumn{"2045", "-0,50", "1,50", "0,35", "-0,25", "85", "0", "00010011",
                                    "11111110", "4", "01.12.05", "14:30:09", "Норма", "160"}));
    f.checksumOk = false;
    EXPECT_FALSE(frameColumn(f, ","));
}

TEST(FrameSignals, LampsFollowTheBitsAndTheRelayFlags) {
    const struct {
        std::uint8_t inputs, relays;
        bool v7Used, v6Used;
        std::array<bool, 8> lit; // L_D8 L_D7 L_D6 L_D5 L_D4 L_V8 L_V7 L_V6
    } cases[] = {
        {0x13, 0xFF, true, true, {true, true, false, false, true, false, false, false}},
        {0x00, 0xFE, true, true, {false, false, false, false, false, true, false, false}},
        {0x00, 0xF8, false, true, {false, false, false, false, false, true, false, true}},
        {0x00, 0xF8, true, false, {false, false, false, false, false, true, true, false}},
        {0xFF, 0x07, true, true, {true, true, true, true, true, false, false, false}},
    };
    for (const auto& c : cases) {
        FrameRecord f;
        f.inputs = c.inputs;
        f.relays = c.relays;
        const FrameSignals s = frameSignals(f, c.v7Used, c.v6Used);
        const std::array<bool, 8> lit{s.liftWinch1,  s.liftWinch2,      s.trolleyTravel,
                                      s.craneTravel, s.loadOnConsole,   s.overload,
                                      s.gripBlocked, s.ropeSlackBlocked};
        EXPECT_EQ(lit, c.lit) << int(c.inputs) << " " << int(c.relays);
    }
}

TEST(StatusPanels, PathAndBtpVersion) {
    LoadedImage image;
    EXPECT_EQ(statusPanels(image), (std::array<std::string, 3>{"", "", ""}));
    image = DumpBuilder(0xA0).bytes(test::frameAt(0) + 31, {2}).open();
    EXPECT_EQ(statusPanels(image), (std::array<std::string, 3>{"", "test.drn", "Версия БТП: 2"}));
    image = DumpBuilder(0xA0).open();
    EXPECT_EQ(statusPanels(image)[2], "Версия БТП: не определена");
}

} // namespace
} // namespace valta9
