#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "analysis/duty.h"
#include "image/frame_ring.h"
#include "image/operator_info.h"
#include "image/overload_log.h"
#include "image/service_banks.h"
#include "image/settings_record.h"

namespace valta9 {

// The decoded content of one dump. Before the first open every field holds its initial value.
struct LoadedImage {
    std::string path;
    bool loaded = false;
    std::uintmax_t fileSize = 0;
    std::optional<int> btpVersion; // unknown when no frame mark of 0, 1 or 2 was found
    OperatorInfo operatorInfo;
    ServiceValues service;
    OverloadLog overloads{}; // ring order, oldest first
    LiftedMassTotals totals{};
    FrameRing frames = FrameRing(layout::kFrames); // ring order, oldest first
    SettingsRecord settings;
    DutyClassification duty;
};

inline constexpr const char* kCannotOpenMessage = "\n Файл не удальсь открыть!";
inline constexpr const char* kSeveralMarksMessage = "Найдено несколько меток последней записи!";

enum class OpenStatus { Opened, CannotOpen, Refused };

struct OpenReport {
    OpenStatus status = OpenStatus::CannotOpen;
    std::string error; // why the file was not opened
    // What the open has to tell, in the order it is shown: failed service blocks, the
    // settings record, several last-record marks.
    std::vector<std::string> messages;

    [[nodiscard]] bool opened() const { return status == OpenStatus::Opened; }
};

// Decodes the bytes of a dump file (at most its first 270537 bytes matter). A file shorter
// than the image is refused and `image` is left untouched; otherwise `image` is replaced.
[[nodiscard]] OpenReport OpenDumpBytes(std::span<const std::uint8_t> file, std::uintmax_t fileSize,
                                       std::string path, LoadedImage& image);

// Reads the file once and decodes it; a file that cannot be read leaves `image` untouched.
[[nodiscard]] OpenReport OpenDump(const std::filesystem::path& path, LoadedImage& image);

[[nodiscard]] std::string tooShortMessage(std::uintmax_t fileSize);

} // namespace valta9
