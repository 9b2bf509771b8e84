#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <numeric>

#include "image/loaded_image.h"
#include "sample_dump.h"

namespace valta9 {
namespace {

using sample::SampleDump;

std::string hex2(std::uint8_t b) {
    constexpr char kHex[] = "0123456789ABCDEF";
    return {kHex[b >> 4], kHex[b & 15]};
}

std::string dateOf(const std::array<std::uint8_t, 6>& t) {
    return hex2(t[0]) + "." + hex2(t[1]) + "." + hex2(t[2]);
}
std::string timeOf(const std::array<std::uint8_t, 6>& t) {
    return hex2(t[5]) + ":" + hex2(t[4]) + ":" + hex2(t[3]);
}

class SampleRoundTrip : public ::testing::TestWithParam<std::uint32_t> {
protected:
    void SetUp() override {
        m_dump = sample::generateSampleDump(GetParam());
        m_report = OpenDumpBytes(m_dump.bytes, m_dump.bytes.size(), "sample.drn", m_image);
        ASSERT_TRUE(m_report.opened());
    }
    SampleDump m_dump;
    LoadedImage m_image;
    OpenReport m_report;
};

TEST_P(SampleRoundTrip, ChecksumsAndTotalAreRightWhereTheGeneratorMeantThemToBe) {
    EXPECT_TRUE(m_report.messages.empty());
    const auto& bytes = m_dump.bytes;
    std::uint32_t stored = 0;
    std::memcpy(&stored, bytes.data() + 0x40800, 4);
    EXPECT_EQ(stored, std::accumulate(bytes.begin(), bytes.begin() + 0x407FF, std::uint32_t{0}));
    EXPECT_EQ(stored, std::accumulate(bytes.begin(), bytes.begin() + 0x40800, std::uint32_t{0}));
    EXPECT_EQ(std::count_if(m_image.frames.begin(), m_image.frames.end(),
                            [](const FrameRecord& f) { return !f.checksumOk; }),
              3);
    EXPECT_EQ(std::count_if(m_image.overloads.begin(), m_image.overloads.end(),
                            [](const OverloadRecord& r) { return !r.checksumOk; }),
              1);
    EXPECT_TRUE(m_image.totals[0].valid && m_image.totals[1].valid);
    EXPECT_TRUE(m_image.settings.checksumOk);
}

TEST_P(SampleRoundTrip, FramesComeBackInRingOrder) {
    const auto& facts = m_dump.facts;
    EXPECT_NE(facts.newestFrameSlot, 2047); // the ring wraps
    for (std::size_t j = 0; j < 2048; ++j) {
        const auto& want =
            facts.frames[(static_cast<std::size_t>(facts.newestFrameSlot) + 1 + j) % 2048];
        const FrameRecord& got = m_image.frames[j];
        ASSERT_EQ(got.date, dateOf(want.dateTime)) << j;
        ASSERT_EQ(got.time, timeOf(want.dateTime)) << j;
        ASSERT_FLOAT_EQ(got.loadMass1, want.loadMass1Kg / 1000.0f) << j;
        ASSERT_FLOAT_EQ(got.tareMass1, want.tareMass1Kg / 1000.0f) << j;
        ASSERT_FLOAT_EQ(got.loadMass2, want.loadMass2Kg / 1000.0f) << j;
        ASSERT_FLOAT_EQ(got.wind, want.windTenths / 10.0f) << j;
        ASSERT_EQ(got.inputs, want.inputs) << j;
        ASSERT_EQ(got.relays, want.relays) << j;
        ASSERT_EQ(got.load1, want.load1) << j;
        ASSERT_EQ(got.load2, want.load2) << j;
        ASSERT_EQ(got.fault, want.fault) << j;
        ASSERT_EQ(got.mark, want.mark) << j;
        ASSERT_EQ(got.checksumOk, want.checksumOk) << j;
    }
    EXPECT_EQ(m_image.frames.back().mark, 175);
    EXPECT_EQ(m_image.btpVersion, facts.btpVersion);
}

TEST_P(SampleRoundTrip, OverloadsComeBackInRingOrder) {
    const auto& facts = m_dump.facts;
    for (std::size_t j = 0; j < 100; ++j) {
        const auto& want =
            facts.overloads[(static_cast<std::size_t>(facts.newestOverloadSlot) + 1 + j) % 100];
        const OverloadRecord& got = m_image.overloads[j];
        ASSERT_EQ(got.moment1, want.moment1) << j;
        ASSERT_EQ(got.moment2, want.moment2) << j;
        ASSERT_FLOAT_EQ(got.load1, want.load1Kg / 1000.0f) << j;
        ASSERT_FLOAT_EQ(got.load2, want.load2Kg / 1000.0f) << j;
        ASSERT_EQ(got.date, dateOf(want.dateTime)) << j;
        ASSERT_EQ(got.time, timeOf(want.dateTime)) << j;
        ASSERT_EQ(got.checksumOk, want.checksumOk) << j;
    }
    EXPECT_EQ(m_image.overloads.back().mark, 175);
}

TEST_P(SampleRoundTrip, BanksMergeToTheLargerCopy) {
    const auto& banks = m_dump.facts.banks;
    const ServiceValues& s = m_image.service;
    for (std::size_t b = 0; b < 15; ++b) {
        EXPECT_EQ(static_cast<std::uint32_t>(s.workingCycles[b]),
                  std::max(banks[0].workingCycles[b], banks[1].workingCycles[b]));
        EXPECT_EQ(static_cast<std::uint32_t>(s.relativeCycles[b]),
                  std::max(banks[0].relativeCycles[b], banks[1].relativeCycles[b]));
    }
    EXPECT_EQ(s.charNumber1, std::max(banks[0].charNumber1, banks[1].charNumber1));
    EXPECT_EQ(s.charNumber2, std::max(banks[0].charNumber2, banks[1].charNumber2));
    EXPECT_EQ(s.winch1Seconds, std::max(banks[0].winch1Seconds, banks[1].winch1Seconds));
    EXPECT_EQ(s.winch2SwitchOns, std::max(banks[0].winch2SwitchOns, banks[1].winch2SwitchOns));
    EXPECT_EQ(static_cast<std::uint32_t>(s.motorMinutes),
              std::max(banks[0].motorMinutes, banks[1].motorMinutes));
    EXPECT_EQ(s.craneNumber.size(), 8u);
    EXPECT_EQ(std::stoul(s.craneNumber), m_dump.facts.craneNumber);
    EXPECT_EQ(std::stoul(s.recorderNumber), m_dump.facts.recorderNumber);
    EXPECT_EQ(s.commissioningDate, "15.06.2006");
}

TEST_P(SampleRoundTrip, OperatorTailAndSettings) {
    const auto& facts = m_dump.facts;
    EXPECT_EQ(m_image.operatorInfo.name, facts.operatorTexts[0]);
    EXPECT_EQ(m_image.operatorInfo.certificate, facts.operatorTexts[1]);
    EXPECT_EQ(m_image.operatorInfo.organisation, facts.operatorTexts[2]);
    EXPECT_EQ(m_image.operatorInfo.date, facts.operatorTexts[3]);
    // The file ends with the last byte of the date text, one byte per character.
    EXPECT_EQ(m_dump.bytes.size(), 270337u + 150u + 14u);
    EXPECT_EQ(m_image.settings.qmax1, facts.settingsWords[4]);
    EXPECT_EQ(m_image.settings.qMinKonteiner, facts.settingsWords[30]);
    EXPECT_EQ(m_image.settings.cs, facts.settingsWords[88]);
    EXPECT_EQ(static_cast<std::uint32_t>(m_image.settings.duc2.qNull),
              facts.settingsWords[26] |
                  (static_cast<std::uint32_t>(facts.settingsWords[27]) << 16));
    EXPECT_TRUE(m_image.settings.relayV7Used());
    EXPECT_FALSE(m_image.settings.relayV6Used());
}

INSTANTIATE_TEST_SUITE_P(Seeds, SampleRoundTrip, ::testing::Values(1u, 4301u, 987654321u));

TEST(SampleDump, SameSeedSameBytesOtherSeedOtherBytes) {
    const auto a = sample::generateSampleDump(7).bytes;
    EXPECT_EQ(a, sample::generateSampleDump(7).bytes);
    EXPECT_NE(a, sample::generateSampleDump(8).bytes);
}

} // namespace
} // namespace valta9
