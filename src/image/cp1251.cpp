#include "image/cp1251.h"

#include <array>

namespace valta9 {

namespace {

// Code points of bytes 0x80 to 0xBF; 0xC0 to 0xFF are U+0410 to U+044F in order. Byte 0x98 has
// no character in the code page and maps to the C1 control U+0098, as web browsers map it.
constexpr std::array<char16_t, 64> kHigh{
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409,
    0x2039, 0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0,
    0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB,
    0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6,
    0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457};

char32_t codePoint(std::uint8_t b) {
    if (b < 0x80) {
        return b;
    }
    if (b >= 0xC0) {
        return 0x0410 + (b - 0xC0);
    }
    return kHigh[b - 0x80];
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

std::uint8_t toCp1251(char32_t cp) {
    if (cp < 0x80) {
        return static_cast<std::uint8_t>(cp);
    }
    if (cp >= 0x0410 && cp <= 0x044F) {
        return static_cast<std::uint8_t>(0xC0 + (cp - 0x0410));
    }
    for (std::size_t i = 0; i < kHigh.size(); ++i) {
        if (kHigh[i] == cp) {
            return static_cast<std::uint8_t>(0x80 + i);
        }
    }
    return '?';
}

// Reads one UTF-8 sequence at text[pos]; returns 0xFFFFFFFF for a malformed one and advances
// past the bytes it consumed (at least one).
char32_t nextCodePoint(std::string_view text, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(text[pos++]);
    if (lead < 0x80) {
        return lead;
    }
    int extra = 0;
    char32_t cp = 0;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        cp = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        cp = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        cp = lead & 0x07;
    } else {
        return 0xFFFFFFFF;
    }
    for (int i = 0; i < extra; ++i) {
        if (pos >= text.size() || (static_cast<unsigned char>(text[pos]) & 0xC0) != 0x80) {
            return 0xFFFFFFFF;
        }
        cp = (cp << 6) | (static_cast<unsigned char>(text[pos++]) & 0x3F);
    }
    constexpr char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
    if (cp < kSmallest[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        return 0xFFFFFFFF;
    }
    return cp;
}

} // namespace

std::string cp1251ToUtf8(std::span<const std::uint8_t> bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (std::uint8_t b : bytes) {
        appendUtf8(out, codePoint(b));
    }
    return out;
}

std::vector<std::uint8_t> utf8ToCp1251(std::string_view text) {
    std::vector<std::uint8_t> out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        const char32_t cp = nextCodePoint(text, pos);
        out.push_back(cp == 0xFFFFFFFF ? std::uint8_t{'?'} : toCp1251(cp));
    }
    return out;
}

} // namespace valta9
