#include "presentation/frame_selection.h"

#include <charconv>

namespace valta9 {

namespace {

bool passes(const FrameRecord& f, const FrameCriteria& c) {
    if (f.load1 < c.minLoad && f.load2 < c.minLoad) {
        return false;
    }
    if (c.limitsOnly && (f.relays & 0x07) == 0) {
        return false;
    }
    if (c.faultsOnly && f.fault == 0) {
        return false;
    }
    return true;
}

} // namespace

std::vector<int> SelectFrames(std::span<const FrameRecord> ring, const FrameCriteria& criteria) {
    std::vector<int> numbers;
    for (const FrameRecord& f : ring) {
        if (passes(f, criteria)) {
            numbers.push_back(f.number);
        }
    }
    return numbers;
}

std::optional<int> parseInteger(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    if (text.front() == '+') {
        text.remove_prefix(1);
        if (text.empty() || text.front() == '-') {
            return std::nullopt;
        }
    }
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::string notAnIntegerMessage(std::string_view text) {
    return "\"" + std::string(text) + "\" не является целым числом.";
}

} // namespace valta9
