#include "presentation/number_format.h"

#include <array>
#include <charconv>
#include <cmath>

namespace valta9 {

namespace {

std::string nonFinite(long double value) {
    if (std::isnan(value)) {
        return "NAN";
    }
    return value < 0 ? "-INF" : "INF";
}

std::string withPoint(std::string_view digits, std::string_view point) {
    std::string out;
    out.reserve(digits.size() + point.size());
    for (char c : digits) {
        if (c == '.') {
            out.append(point);
        } else {
            out.push_back(c);
        }
    }
    return out;
}

// Adds one unit in the last place of a run of decimal digits (with an optional '.').
void incrementDigits(std::string& digits) {
    for (auto i = digits.size(); i-- > 0;) {
        if (digits[i] == '.') {
            continue;
        }
        if (digits[i] != '9') {
            ++digits[i];
            return;
        }
        digits[i] = '0';
    }
    digits.insert(digits.begin(), '1');
}

} // namespace

std::string formatFixed(long double value, int decimals, std::string_view point) {
    if (!std::isfinite(value)) {
        return nonFinite(value);
    }
    const bool negative = std::signbit(value);
    const long double magnitude = std::fabs(value);

    // One digit more than wanted, truncated from the exact binary value's expansion: the extra
    // digit alone decides the rounding, halves going away from zero.
    std::array<char, 6000> buf; // room for the fixed digits of the largest long double
    const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), magnitude,
                                   std::chars_format::fixed, decimals + 20);
    std::string digits(buf.data(), res.ptr);
    const auto dot = digits.find('.');
    const auto keep = dot + 1 + static_cast<std::size_t>(decimals);
    const bool roundUp = digits[keep] >= '5';
    digits.resize(decimals == 0 ? dot : keep);
    if (roundUp) {
        incrementDigits(digits);
    }
    const bool zero = digits.find_first_not_of("0.") == std::string::npos;
    return (negative && !zero ? "-" : "") + withPoint(digits, point);
}

std::string formatGeneral(long double value, std::string_view point) {
    if (!std::isfinite(value)) {
        return nonFinite(value);
    }
    std::array<char, 64> buf{};
    const auto res =
        std::to_chars(buf.data(), buf.data() + buf.size(), value, std::chars_format::general, 15);
    std::string text = withPoint(std::string_view(buf.data(), res.ptr), point);
    for (char& c : text) {
        if (c == 'e') {
            c = 'E';
        }
    }
    return text;
}

std::string FormatRunTime(std::int32_t seconds) {
    const std::int64_t total = seconds;
    const std::int64_t magnitude = total < 0 ? -total : total;
    const auto two = [](std::int64_t v) {
        return std::string{static_cast<char>('0' + v / 10), static_cast<char>('0' + v % 10)};
    };
    return (total < 0 ? "-" : "") + std::to_string(magnitude / 3600) + ":" +
           two(magnitude / 60 % 60) + ":" + two(magnitude % 60);
}

} // namespace valta9
