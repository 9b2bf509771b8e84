#include <gtest/gtest.h>

#include "dump_builder.h"
#include "presentation/settings_listing.h"

namespace valta9 {
namespace {

using test::DumpBuilder;
using test::kSettings;

std::vector<std::string> listingOf(const DumpBuilder& dump, const char* point = ",") {
    return settingsListing(dump.open().settings, point);
}

TEST(SettingsListing, HasItsFixedShape) {
    const auto lines = listingOf(DumpBuilder().sealAll());
    ASSERT_EQ(lines.size(), 121u);
    const std::pair<std::size_t, const char*> fixed[] = {
        {0, "Структура Parametr:"},
        {1, "Mode = 0"},
        {20, "K_otriva = 0"},
        {21, ""},
        {22, "Структура NULL_DUC:"},
        {25, ""},
        {26, "Структура Q_DUC1:"},
        {27, "Q_null = 0"},
        {30, ""},
        {31, "Структура Q_DUC2:"},
        {35, ""},
        {36, "Q_min_konteiner = 0"},
        {40, ""},
        {41, "Motor1_Faza1 = 0"},
        {71, "Motor8_Faza3 = 0"},
        {72, ""},
        {73, "Nominal1_Faza1 = 0"},
        {103, "Nominal8_Faza3 = 0"},
        {104, ""},
        {105, "Структура Stop_Motor:"},
        {106, "N_Motor = 0"},
        {107, "№1  = 0"},
        {114, "№8  = 0"},
        {115, ""},
        {116, "Razbalans_A = 0"},
        {120, "CS = 255"},
    };
    for (const auto& [index, text] : fixed) {
        EXPECT_EQ(lines[index], text) << "line " << index;
    }
}

TEST(SettingsListing, FormatsEachKindOfValue) {
    DumpBuilder dump;
    dump.u16(kSettings + 0, 0xFFFF)           // a word is unsigned
        .u16(kSettings + 8, 125)              // Qmax1, tenths
        .u16(kSettings + 10, 120)             // Qmax2, a whole number has no separator
        .u16(kSettings + 12, 3)               // Qmax_summa: 0.3, not 0.30000000000000004
        .i32(kSettings + 44, -1)              // Q_DUC1.Q_null, signed
        .i32(kSettings + 52, 2000000000)      // Q_DUC2.Q_null
        .u16(kSettings + 60, 5)               // Q_min_konteiner, hundredths
        .u16(kSettings + 68 + 2 * 4, 77)      // Motor2_Faza2
        .u16(kSettings + 116 + 2 * 23, 88)    // Nominal8_Faza3
        .bytes(kSettings + 166, {0xA0, 0xFF}) // stop flags: motors 1 and 3; high byte ignored
        .seal(kSettings, 176)
        .bytes(kSettings + 177, {0x01});
    const auto lines = listingOf(dump);
    const std::pair<std::size_t, std::string> expected[] = {
        {1, "Mode = 65535"},
        {5, "Qmax1 = 12,5"},
        {6, "Qmax2 = 12"},
        {7, "Qmax_summa = 0,3"},
        {27, "Q_null = -1"},
        {32, "Q_null = 2000000000"},
        {36, "Q_min_konteiner = 0,05"},
        {46, "Motor2_Faza2 = 77"},
        {103, "Nominal8_Faza3 = 88"},
        {107, "№1 = 1"},
        {108, "№2  = 0"},
        {109, "№3 = 1"},
        {110, "№4  = 0"},
    };
    for (const auto& [index, text] : expected) {
        EXPECT_EQ(lines[index], text) << "line " << index;
    }
    const std::uint8_t checksum = dump.build()[kSettings + 176];
    EXPECT_EQ(lines[120], "CS = " + std::to_string(checksum + 256)); // word: the byte after it is 1
}

TEST(SettingsRecord, ChecksumAndRelayFlags) {
    OpenReport report;
    DumpBuilder sealed;
    sealed.u16(kSettings + 60, 1).seal(kSettings, 176);
    LoadedImage image = sealed.open(&report);
    EXPECT_TRUE(image.settings.checksumOk);
    EXPECT_TRUE(image.settings.relayV7Used());
    EXPECT_FALSE(image.settings.relayV6Used());
    EXPECT_EQ(settingsListing(image.settings, ",")[36], "Q_min_konteiner = 0,01");
    EXPECT_EQ(std::count(report.messages.begin(), report.messages.end(),
                         "Ошибка контольной суммы структуры \"Parametr\""),
              0);

    DumpBuilder broken;
    broken.u16(kSettings + 62, 7).seal(kSettings, 176).bytes(kSettings + 3, {0x40});
    image = broken.open(&report);
    EXPECT_FALSE(image.settings.checksumOk);
    EXPECT_TRUE(image.settings.relayV6Used());
    EXPECT_EQ(settingsListing(image.settings, ".").size(), 121u);
    EXPECT_EQ(report.messages.back(), "Ошибка контольной суммы структуры \"Parametr\"");
}

} // namespace
} // namespace valta9
