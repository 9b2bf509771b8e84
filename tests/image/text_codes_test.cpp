#include <gtest/gtest.h>

#include <iconv.h>
#include <string>
#include <vector>

#include "image/bcd.h"
#include "image/cp1251.h"
#include "image/frame_ring.h"

namespace valta9 {
namespace {

TEST(BcdText, EachByteIsTwoUpperCaseHexDigits) {
    const std::pair<std::uint8_t, const char*> cases[] = {
        {0x07, "07"}, {0x25, "25"}, {0x1A, "1A"}, {0xFF, "FF"}, {0x00, "00"}};
    for (const auto& [byte, text] : cases) {
        EXPECT_EQ(BcdText(byte), text);
    }
    EXPECT_EQ(bcdJoin({0x28, 0x02, 0x07}, '.'), "28.02.07");
    EXPECT_EQ(bcdJoin({0x00, 0x12, 0x34, 0x56}, '\0'), "00123456");
}

TEST(BitText, MostSignificantBitFirst) {
    EXPECT_EQ(BitText(0x81), "10000001");
    EXPECT_EQ(BitText(0x04), "00000100");
    EXPECT_EQ(BitText(0x00), "00000000");
}

// The system's converter is the independent reference for the code page.
std::string iconvCp1251(std::uint8_t byte) {
    iconv_t cd = iconv_open("UTF-8", "CP1251");
    char in[1] = {static_cast<char>(byte)};
    char out[8] = {};
    char* inp = in;
    char* outp = out;
    std::size_t inLeft = 1;
    std::size_t outLeft = sizeof out;
    const auto r = iconv(cd, &inp, &inLeft, &outp, &outLeft);
    iconv_close(cd);
    return r == static_cast<std::size_t>(-1) ? std::string() : std::string(out, outp);
}

TEST(Cp1251, DecodesEveryByteAsTheSystemConverterDoes) {
    for (int b = 1; b < 256; ++b) {
        const auto byte = static_cast<std::uint8_t>(b);
        const std::string expected = iconvCp1251(byte);
        if (expected.empty()) {
            continue; // 0x98 has no character in the code page
        }
        EXPECT_EQ(cp1251ToUtf8(std::vector<std::uint8_t>{byte}), expected) << "byte " << b;
    }
}

TEST(Cp1251, EncodesTextAndMarksWhatTheCodePageLacks) {
    const struct {
        const char* text;
        std::vector<std::uint8_t> bytes;
    } cases[] = {
        {"Иванов И.И.", {0xC8, 0xE2, 0xE0, 0xED, 0xEE, 0xE2, 0x20, 0xC8, 0x2E, 0xC8, 0x2E}},
        {"Ёё№«»", {0xA8, 0xB8, 0xB9, 0xAB, 0xBB}},
        {"Ω中", {'?', '?'}},     // outside the code page
        {"a\xC3", {'a', '?'}},   // truncated UTF-8 sequence
        {"\xED\xA0\x80", {'?'}}, // an encoded surrogate is not a character
    };
    for (const auto& c : cases) {
        EXPECT_EQ(utf8ToCp1251(c.text), c.bytes) << c.text;
    }
}

TEST(Cp1251, RoundTripsEveryCharacterOfTheCodePage) {
    std::vector<std::uint8_t> all;
    for (int b = 1; b < 256; ++b) {
        all.push_back(static_cast<std::uint8_t>(b));
    }
    EXPECT_EQ(utf8ToCp1251(cp1251ToUtf8(all)), all);
}

} // namespace
} // namespace valta9
