#pragma once

#include <array>
#include <cstddef>
#include <string_view>

// Byte offsets of the recorder memory image as it stands in a dump file. Every decoder reads
// through these names; the region table below is the map a reader checks them against.
namespace valta9::layout {

inline constexpr std::size_t kImageSize = 0x42001; // 270337: the image ends one byte past 0x42000
inline constexpr std::size_t kTailSlotSize = 50;
inline constexpr std::size_t kTailSlots = 4;
inline constexpr std::size_t kTailOffset = kImageSize;
inline constexpr std::size_t kFileReadLimit = kImageSize + kTailSlots * kTailSlotSize; // 270537

inline constexpr std::size_t kBankSize = 184;
inline constexpr std::size_t kBank0 = 0;
inline constexpr std::size_t kBank1 = 184;

inline constexpr std::size_t kOverloadLog = 388;
inline constexpr std::size_t kOverloadRecordSize = 18;
inline constexpr std::size_t kOverloadRecords = 100;

inline constexpr std::size_t kLiftedMassTotal0 = 2188;
inline constexpr std::size_t kLiftedMassTotal1 = 2196;
inline constexpr std::size_t kLiftedMassTotalSize = 8;

inline constexpr std::size_t kFrameRing = 0x8000;
inline constexpr std::size_t kFrameSize = 32;
inline constexpr std::size_t kFrames = 2048;

inline constexpr std::size_t kSettingsRecord = 0x40000;
inline constexpr std::size_t kSettingsRecordSize = 178;
inline constexpr std::size_t kSettingsChecked = 176; // bytes under the checksum byte at offset 176

inline constexpr std::size_t kImageTotal = 0x40800;

inline constexpr unsigned kLastRecordMark = 175;

// Field offsets inside one service bank (add kBank0 or kBank1).
namespace bank {
inline constexpr std::size_t kCraneNumber = 0;
inline constexpr std::size_t kCommissioningMonth = 4;
inline constexpr std::size_t kCommissioningDay = 5;
inline constexpr std::size_t kCommissioningYearLow = 6;
inline constexpr std::size_t kCommissioningYearHigh = 7;
inline constexpr std::size_t kNormativeGroup = 8;
inline constexpr std::size_t kPlannedMode = 9;
inline constexpr std::size_t kResourceHours = 10;
inline constexpr std::size_t kRecorderNumber = 14;
inline constexpr std::size_t kInstallationMonth = 18;
inline constexpr std::size_t kInstallationDay = 19;
inline constexpr std::size_t kInstallationYear = 20;
inline constexpr std::size_t kServiceLifeYear = 21;
inline constexpr std::size_t kProgramVersion = 22;
inline constexpr std::size_t kCharNumber1 = 26;
inline constexpr std::size_t kCharNumber2 = 32;
inline constexpr std::size_t kWorkingCycles = 38;
inline constexpr std::size_t kRelativeCycles = 84;
inline constexpr std::size_t kWinch1Seconds = 130;
inline constexpr std::size_t kWinch1SwitchOns = 134;
inline constexpr std::size_t kWinch2Seconds = 138;
inline constexpr std::size_t kWinch2SwitchOns = 142;
inline constexpr std::size_t kTrolleySeconds = 146;
inline constexpr std::size_t kCraneSeconds = 154;
inline constexpr std::size_t kMotorMinutes = 164;
} // namespace bank

inline constexpr std::size_t kLoadBands = 15;

struct Region {
    std::string_view name;
    std::size_t offset;
    std::size_t length;
};

// The whole file, region after region, without gaps.
inline constexpr std::array<Region, 14> kRegions{{
    {"bank 0", kBank0, kBankSize},
    {"bank 1", kBank1, kBankSize},
    {"unused after the banks", 368, 20},
    {"overload log", kOverloadLog, kOverloadRecords* kOverloadRecordSize},
    {"lifted-mass total 0", kLiftedMassTotal0, kLiftedMassTotalSize},
    {"lifted-mass total 1", kLiftedMassTotal1, kLiftedMassTotalSize},
    {"unused before the frame ring", 2204, 30564},
    {"frame ring", kFrameRing, kFrames* kFrameSize},
    {"unused after the frame ring", 98304, 163840},
    {"settings record", kSettingsRecord, kSettingsRecordSize},
    {"unused after the settings", 262322, 1870},
    {"image total", kImageTotal, 4},
    {"unused after the image total", 264196, 6141},
    {"operator tail", kTailOffset, kTailSlots* kTailSlotSize},
}};

} // namespace valta9::layout
