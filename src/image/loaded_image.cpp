#include "image/loaded_image.h"

#include <algorithm>
#include <fstream>

#include "image/btp_version.h"
#include "image/layout.h"
#include "image/ring_order.h"
#include "image/service_checks.h"

namespace valta9 {

std::string tooShortMessage(std::uintmax_t fileSize) {
    return "Файл повреждён или не является дампом РП: размер " + std::to_string(fileSize) +
           " байт, ожидается не менее " + std::to_string(layout::kImageSize) + ".";
}

OpenReport OpenDumpBytes(std::span<const std::uint8_t> file, std::uintmax_t fileSize,
                         std::string path, LoadedImage& image) {
    OpenReport report;
    if (file.size() < layout::kImageSize) {
        report.status = OpenStatus::Refused;
        report.error = tooShortMessage(fileSize);
        return report;
    }
    const ByteReader bytes(file.first(std::min(file.size(), layout::kFileReadLimit)));

    // Decoded aside and moved in whole, so that nothing of a previous dump survives in it.
    LoadedImage decoded;
    decoded.path = std::move(path);
    decoded.loaded = true;
    decoded.fileSize = fileSize;
    decoded.btpVersion = ScanBtpVersion(bytes);
    report.messages = CheckServiceBlocks(bytes);
    decoded.operatorInfo = DecodeOperatorTail(bytes);
    decoded.service = DecodeServiceBanks(bytes);
    decoded.overloads = DecodeOverloadLog(bytes);
    decoded.totals = DecodeLiftedMassTotals(bytes);
    decoded.frames = DecodeFrameRing(bytes);
    decoded.settings = DecodeSettingsRecord(bytes);
    if (!decoded.settings.checksumOk) {
        report.messages.emplace_back(kSettingsChecksumMessage);
    }
    decoded.duty = ClassifyDuty(decoded.service.workingCycles, decoded.service.charNumber1,
                                "A" + std::to_string(decoded.service.normativeGroup));
    if (OrderRing(std::span(decoded.overloads)).markCount > 1) {
        report.messages.emplace_back(kSeveralMarksMessage);
    }
    (void)OrderRing(std::span(decoded.frames));

    image = std::move(decoded);
    report.status = OpenStatus::Opened;
    return report;
}

OpenReport OpenDump(const std::filesystem::path& path, LoadedImage& image) {
    OpenReport failed;
    failed.error = kCannotOpenMessage;

    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        return failed;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return failed;
    }
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    in.seekg(0, std::ios::beg);
    if (size < 0 || !in) {
        return failed;
    }
    const auto wanted =
        std::min<std::uintmax_t>(static_cast<std::uintmax_t>(size), layout::kFileReadLimit);
    std::vector<std::uint8_t> bytes(wanted);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(wanted));
    if (static_cast<std::uintmax_t>(in.gcount()) != wanted) {
        return failed;
    }
    return OpenDumpBytes(bytes, static_cast<std::uintmax_t>(size), path.string(), image);
}

} // namespace valta9
