#include "image/bcd.h"

namespace valta9 {

namespace {
constexpr char kHex[] = "0123456789ABCDEF";

void appendBcd(std::string& out, std::uint8_t value) {
    out.push_back(kHex[value >> 4]);
    out.push_back(kHex[value & 0x0F]);
}
} // namespace

std::string BcdText(std::uint8_t value) {
    std::string out;
    appendBcd(out, value);
    return out;
}

std::string bcdJoin(std::initializer_list<std::uint8_t> bytes, char separator) {
    std::string out;
    out.reserve(bytes.size() * 3);
    for (std::uint8_t b : bytes) {
        if (!out.empty() && separator != '\0') {
            out.push_back(separator);
        }
        appendBcd(out, b);
    }
    return out;
}

} // namespace valta9
