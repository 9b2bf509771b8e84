#include "sample_dump.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>

#include "image/checksum.h"
#include "image/layout.h"
#include "image/operator_info.h"

namespace valta9::sample {

namespace {

namespace chr = std::chrono;
namespace lay = valta9::layout;

// splitmix64: small, and the same sequence for a seed whatever the standard library.
class Random {
public:
    explicit Random(std::uint64_t seed) : m_state(seed * 0x9E3779B97F4A7C15ULL + 1) {}
    std::uint64_t next() {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    // Uniform in [lo, hi].
    int between(int lo, int hi) {
        return lo + static_cast<int>(next() % static_cast<std::uint64_t>(hi - lo + 1));
    }
    double unit() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }
    bool chance(double p) { return unit() < p; }

private:
    std::uint64_t m_state;
};

std::uint8_t bcd(int value) {
    return static_cast<std::uint8_t>(((value / 10) % 10) << 4 | (value % 10));
}

std::array<std::uint8_t, 4> bcdNumber(std::uint32_t eightDigits) {
    std::array<std::uint8_t, 4> out{};
    for (auto& b : out) { // least significant digit pair first
        b = bcd(static_cast<int>(eightDigits % 100));
        eightDigits /= 100;
    }
    return out;
}

// BCD day, month, year, seconds, minutes, hours of a moment.
std::array<std::uint8_t, 6> stamp(chr::sys_seconds t) {
    const auto day = chr::floor<chr::days>(t);
    const chr::year_month_day ymd{day};
    const chr::hh_mm_ss hms{t - day};
    return {bcd(static_cast<int>(static_cast<unsigned>(ymd.day()))),
            bcd(static_cast<int>(static_cast<unsigned>(ymd.month()))),
            bcd(static_cast<int>(ymd.year()) % 100),
            bcd(static_cast<int>(hms.seconds().count())),
            bcd(static_cast<int>(hms.minutes().count())),
            bcd(static_cast<int>(hms.hours().count()))};
}

class Image {
public:
    Image() : m_bytes(lay::kImageSize, 0xFF) {}
    void u8(std::size_t at, std::uint8_t v) { m_bytes.at(at) = v; }
    void u16(std::size_t at, std::uint16_t v) {
        u8(at, static_cast<std::uint8_t>(v));
        u8(at + 1, static_cast<std::uint8_t>(v >> 8));
    }
    void u24(std::size_t at, std::uint32_t v) {
        u16(at, static_cast<std::uint16_t>(v));
        u8(at + 2, static_cast<std::uint8_t>(v >> 16));
    }
    void u32(std::size_t at, std::uint32_t v) {
        u16(at, static_cast<std::uint16_t>(v));
        u16(at + 2, static_cast<std::uint16_t>(v >> 16));
    }
    void i32(std::size_t at, std::int32_t v) { u32(at, static_cast<std::uint32_t>(v)); }
    void f32(std::size_t at, float v) {
        std::uint32_t bits = 0;
        std::memcpy(&bits, &v, sizeof bits);
        u32(at, bits);
    }
    void fill(std::size_t at, std::size_t length, std::uint8_t v) {
        std::fill_n(m_bytes.begin() + static_cast<std::ptrdiff_t>(at), length, v);
    }
    // Writes the checksum byte right behind the block [at, at + length).
    void seal(std::size_t at, std::size_t length) {
        u8(at + length, blockChecksum(std::span(m_bytes).subspan(at, length)));
    }
    std::vector<std::uint8_t>& bytes() { return m_bytes; }

private:
    std::vector<std::uint8_t> m_bytes;
};

constexpr std::int32_t kCapacity1Kg = 16000; // main hoist
constexpr std::int32_t kCapacity2Kg = 3200;  // auxiliary hoist
constexpr std::int32_t kTare1Kg = 350;       // the grab on the main hoist
constexpr std::uint8_t kRelaysNormal = 0x07; // relays energised: overload, grip, rope slack
constexpr std::uint8_t kOrdinaryMark = 0xA0;

std::uint8_t percentOf(std::int32_t kg, std::int32_t capacity) {
    return static_cast<std::uint8_t>(
        std::clamp<std::int32_t>((kg * 100 + capacity / 2) / capacity, 0, 255));
}

// The crane's working days as a sequence of frames and the overloads among them.
class Shift {
public:
    Shift(Random& random, chr::sys_seconds start, int btpVersion)
        : m_random(random), m_now(start), m_btpVersion(btpVersion) {}

    void run(std::size_t frameCount) {
        powerOn();
        while (m_frames.size() < frameCount) {
            if (m_random.chance(0.2)) {
                auxiliaryCycle();
            } else {
                mainCycle();
            }
            idle();
        }
        // The last cycle may run past the count; its overload goes with its frames.
        m_frames.resize(frameCount);
        while (!m_overloadFrames.empty() && m_overloadFrames.back() >= frameCount) {
            m_overloadFrames.pop_back();
            m_overloads.pop_back();
        }
    }

    std::vector<FrameFacts>& frames() { return m_frames; }
    std::vector<OverloadFacts>& overloads() { return m_overloads; }
    double liftedKg() const { return m_liftedKg; }
    chr::sys_seconds now() const { return m_now; }

private:
    void step(int lo, int hi) { m_now += chr::seconds(m_random.between(lo, hi)); }

    void frame(std::uint8_t inputs, std::int32_t mass1, std::int32_t mass2, std::uint8_t relays,
               std::uint8_t mark = kOrdinaryMark) {
        m_wind = std::clamp(m_wind + m_random.between(-6, 6), 0, 160);
        FrameFacts f;
        f.dateTime = stamp(m_now);
        f.loadMass1Kg = mass1;
        f.tareMass1Kg = kTare1Kg;
        f.loadMass2Kg = mass2;
        f.windTenths = static_cast<std::int16_t>(m_wind);
        f.inputs = inputs;
        f.relays = relays;
        f.load1 = percentOf(mass1, kCapacity1Kg);
        f.load2 = percentOf(mass2, kCapacity2Kg);
        if (m_faultFrames > 0) {
            --m_faultFrames;
            f.fault = m_fault;
        } else if (m_random.chance(0.004)) {
            constexpr std::uint16_t kFaults[] = {0x0001, 0x0004, 0x0010, 0x0102};
            m_fault = kFaults[m_random.between(0, 3)];
            m_faultFrames = m_random.between(1, 4);
            f.fault = m_fault;
        }
        f.mark = mark;
        m_frames.push_back(f);
    }

    void overloadRecord(std::int32_t mass1, std::int32_t mass2) {
        OverloadFacts o;
        o.moment1 = percentOf(mass1, kCapacity1Kg);
        o.moment2 = percentOf(mass2, kCapacity2Kg);
        o.load1Kg = mass1;
        o.load2Kg = mass2;
        o.dateTime = stamp(m_now);
        m_overloads.push_back(o);
        m_overloadFrames.push_back(m_frames.size() - 1);
    }

    std::int32_t cycleMass(std::int32_t capacity) {
        double fraction = 0.08 + 0.82 * std::pow(m_random.unit(), 1.4);
        if (m_random.chance(0.03)) {
            fraction = 1.02 + 0.25 * m_random.unit();
        }
        return static_cast<std::int32_t>(fraction * capacity / 10) * 10;
    }

    void mainCycle() {
        const std::int32_t mass = cycleMass(kCapacity1Kg);
        const bool overloaded = mass > kCapacity1Kg;
        frame(0x01, mass * 2 / 5, 0, kRelaysNormal); // lifting off the ground
        step(4, 12);
        if (overloaded) {
            // The limiter drops the overload relay and the load goes straight back down.
            frame(0x01, mass, 0, kRelaysNormal & ~0x01);
            overloadRecord(mass, 0);
            step(5, 15);
            frame(0x01, mass, 0, kRelaysNormal & ~0x01);
            step(5, 15);
            frame(0x00, 0, 0, kRelaysNormal);
            step(20, 90);
            return;
        }
        frame(0x11, mass, 0, kRelaysNormal); // lifted, on the console
        step(10, 30);
        frame(0x14, mass, 0, kRelaysNormal); // trolley travel
        step(15, 60);
        if (m_random.chance(0.6)) {
            frame(0x18, mass, 0, kRelaysNormal); // crane travel
            step(20, 120);
        }
        frame(0x01, mass, 0, kRelaysNormal); // lowering
        step(8, 25);
        frame(0x00, 0, 0, kRelaysNormal); // set down
        m_liftedKg += mass;
    }

    void auxiliaryCycle() {
        const std::int32_t mass = std::min(cycleMass(kCapacity2Kg), kCapacity2Kg);
        frame(0x02, 0, mass / 2, kRelaysNormal);
        step(4, 10);
        frame(0x06, 0, mass, kRelaysNormal);
        step(10, 40);
        frame(0x02, 0, mass, kRelaysNormal);
        step(6, 20);
        frame(0x00, 0, 0, kRelaysNormal);
        m_liftedKg += mass;
    }

    void idle() {
        step(30, 600);
        const auto day = chr::floor<chr::days>(m_now);
        if (m_now - day >= chr::hours(19)) { // the shift ends; the next one starts at seven
            m_now = day + chr::days(1) + chr::hours(7) + chr::minutes(m_random.between(0, 25));
            powerOn();
        }
    }

    void powerOn() {
        frame(0x00, 0, 0, kRelaysNormal, static_cast<std::uint8_t>(m_btpVersion));
        step(30, 240);
    }

    Random& m_random;
    chr::sys_seconds m_now;
    int m_btpVersion;
    int m_wind = 20;
    std::uint16_t m_fault = 0;
    int m_faultFrames = 0;
    double m_liftedKg = 0;
    std::vector<FrameFacts> m_frames;
    std::vector<OverloadFacts> m_overloads;
    std::vector<std::size_t> m_overloadFrames; // the frame each overload was recorded with
};

// Cycle counts over the crane's life, most in the middle bands, a few above rated load.
BankCounters lifeCounters(Random& random, std::int32_t totalCycles, double peak) {
    BankCounters c;
    double weights[15];
    double sum = 0;
    for (int b = 0; b < 15; ++b) {
        const double mid = (b * 10 + 5) / 100.0;
        weights[b] = b < 10 ? std::exp(-std::pow((mid - peak) / 0.22, 2)) : 0.0008 / (b - 9);
        sum += weights[b];
    }
    double charNumber = 0;
    for (std::size_t b = 0; b < 15; ++b) {
        c.workingCycles[b] = static_cast<std::uint32_t>(totalCycles * weights[b] / sum) +
                             static_cast<std::uint32_t>(random.between(0, 9));
        const double mid = (static_cast<double>(b) * 10 + 5) / 100.0;
        charNumber +=
            c.workingCycles[b] * std::min(mid, 1.0) * std::min(mid, 1.0) * std::min(mid, 1.0);
    }
    c.charNumber1 = static_cast<float>(charNumber);
    return c;
}

void writeBank(Image& img, std::size_t base, const SampleFacts& f, const BankCounters& c) {
    using namespace lay::bank;
    const auto crane = bcdNumber(f.craneNumber);
    const auto recorder = bcdNumber(f.recorderNumber);
    for (std::size_t i = 0; i < 4; ++i) {
        img.u8(base + kCraneNumber + i, crane[i]);
        img.u8(base + kRecorderNumber + i, recorder[i]);
        img.u8(base + kCommissioningMonth + i, f.commissioning[i]);
    }
    img.u8(base + kNormativeGroup, f.normativeGroup);
    img.u8(base + kPlannedMode, f.plannedMode);
    img.i32(base + kResourceHours, f.resourceHours);
    for (std::size_t i = 0; i < 3; ++i) {
        img.u8(base + kInstallationMonth + i, f.installation[i]);
        img.u8(base + kProgramVersion + i, f.programVersion[i]);
    }
    img.u8(base + kServiceLifeYear, f.serviceLifeYear);
    img.seal(base, 25);

    img.f32(base + kCharNumber1, c.charNumber1);
    img.seal(base + kCharNumber1, 4);
    img.f32(base + kCharNumber2, c.charNumber2);
    img.seal(base + kCharNumber2, 4);
    for (std::size_t b = 0; b < 15; ++b) {
        img.u24(base + kWorkingCycles + 3 * b, c.workingCycles[b]);
        img.u24(base + kRelativeCycles + 3 * b, c.relativeCycles[b]);
    }
    img.seal(base + kWorkingCycles, 45);
    img.seal(base + kRelativeCycles, 45);

    img.i32(base + kWinch1Seconds, c.winch1Seconds);
    img.i32(base + kWinch1SwitchOns, c.winch1SwitchOns);
    img.i32(base + kWinch2Seconds, c.winch2Seconds);
    img.i32(base + kWinch2SwitchOns, c.winch2SwitchOns);
    img.i32(base + kTrolleySeconds, c.trolleySeconds);
    img.i32(base + 150, 0);
    img.i32(base + kCraneSeconds, c.craneSeconds);
    img.i32(base + 158, 0);
    img.seal(base + kWinch1Seconds, 32);
    img.u24(base + kMotorMinutes, c.motorMinutes);
    img.seal(base + kMotorMinutes, 3);
}

// Bank-1 is written after Bank-0 and may lag a few counts behind or, for a counter that was
// being written when power failed, run one ahead.
BankCounters otherBank(Random& random, const BankCounters& bank0) {
    BankCounters c = bank0;
    for (std::size_t b = 0; b < 15; ++b) {
        if (c.workingCycles[b] > 3 && random.chance(0.3)) {
            c.workingCycles[b] -= static_cast<std::uint32_t>(random.between(1, 3));
        }
        if (c.relativeCycles[b] > 3 && random.chance(0.3)) {
            c.relativeCycles[b] -= static_cast<std::uint32_t>(random.between(1, 3));
        }
    }
    c.workingCycles[static_cast<std::size_t>(random.between(2, 7))] += 1;
    c.charNumber1 -= static_cast<float>(random.between(1, 5));
    c.charNumber2 += 0.5f;
    c.winch1Seconds -= random.between(5, 60);
    c.winch2SwitchOns += 1;
    c.motorMinutes -= static_cast<std::uint32_t>(random.between(1, 3));
    return c;
}

void writeSettings(Image& img, Random& random, SampleFacts& f) {
    std::array<std::uint16_t, 89> w{};
    w[0] = 1;                             // Mode
    w[1] = 2;                             // Type_Sens
    w[2] = 1;                             // N_DUC1
    w[3] = 2;                             // N_DUC2
    w[4] = 160;                           // Qmax1, 16.0 t
    w[5] = 32;                            // Qmax2, 3.2 t
    w[6] = 192;                           // Qmax_summa
    w[7] = 125;                           // Qmax_consol
    w[8] = 15;                            // Razbalans_Q
    w[9] = 85;                            // Qmax_1sens
    for (std::size_t i = 0; i < 9; ++i) { // Qmax_P01 to Qmax_P09
        w[10 + i] = static_cast<std::uint16_t>(160 - 7 * i);
    }
    w[19] = 5; // K_otriva
    w[20] = 2; // N_sens
    w[21] = 3; // K_NULL
    const auto qNull = [&](std::size_t word, std::int32_t v) {
        w[word] = static_cast<std::uint16_t>(static_cast<std::uint32_t>(v));
        w[word + 1] = static_cast<std::uint16_t>(static_cast<std::uint32_t>(v) >> 16);
    };
    qNull(22, -1874 - random.between(0, 300)); // Q_DUC1
    w[24] = static_cast<std::uint16_t>(1020 + random.between(0, 40));
    w[25] = 1100;
    qNull(26, 86210 + random.between(0, 500)); // Q_DUC2
    w[28] = static_cast<std::uint16_t>(980 + random.between(0, 40));
    w[29] = 1070;
    w[30] = 35; // Q_min_konteiner, 0.35 t: relay V7 fitted
    w[31] = 0;  // Q_min_kanat: relay V6 not fitted
    w[32] = 1;  // BRS
    w[33] = 0;  // Block_Protect
    for (std::size_t i = 0; i < 24; ++i) {
        w[34 + i] = static_cast<std::uint16_t>(i < 12 ? 180 + random.between(0, 40) : 0);
        w[58 + i] = static_cast<std::uint16_t>(i < 12 ? 220 : 0);
    }
    w[82] = 4;      // N_Motor
    w[83] = 0x00A0; // motors 1 and 3 stop the crane
    w[84] = 12;     // Razbalans_A
    w[85] = 150;    // Wind_max
    w[86] = 1;      // F_Bell
    w[87] = 7;      // Yark_LCD
    for (std::size_t i = 0; i < 88; ++i) {
        img.u16(lay::kSettingsRecord + 2 * i, w[i]);
    }
    img.seal(lay::kSettingsRecord, lay::kSettingsChecked);
    const std::size_t csAt = lay::kSettingsRecord + lay::kSettingsChecked;
    img.u8(csAt + 1, 0x00);
    w[88] = static_cast<std::uint16_t>(img.bytes()[csAt] | (img.bytes()[csAt + 1] << 8));
    f.settingsWords = w;
}

void writeFrame(Image& img, const FrameFacts& fr) {
    const std::size_t at = lay::kFrameRing + lay::kFrameSize * static_cast<std::size_t>(fr.slot);
    for (std::size_t i = 0; i < 6; ++i) {
        img.u8(at + i, fr.dateTime[i]);
    }
    img.i32(at + 6, fr.loadMass1Kg);
    img.i32(at + 10, fr.tareMass1Kg);
    img.i32(at + 14, fr.loadMass2Kg);
    img.u16(at + 18, static_cast<std::uint16_t>(fr.windTenths));
    img.u8(at + 20, fr.inputs);
    img.u8(at + 21, fr.relays);
    img.u8(at + 22, fr.load1);
    img.u8(at + 23, fr.load2);
    img.u16(at + 24, fr.fault);
    img.u32(at + 26, 0);
    img.seal(at, 30);
    img.u8(at + 31, fr.mark);
}

void writeOverload(Image& img, const OverloadFacts& o) {
    const std::size_t at =
        lay::kOverloadLog + lay::kOverloadRecordSize * static_cast<std::size_t>(o.slot);
    img.u8(at, o.moment1);
    img.u8(at + 1, o.moment2);
    img.i32(at + 2, o.load1Kg);
    img.i32(at + 6, o.load2Kg);
    const std::size_t order[] = {0, 1, 2, 3, 4, 5}; // day, month, year, s, min, h
    for (std::size_t i : order) {
        img.u8(at + 10 + i, o.dateTime[i]);
    }
    img.seal(at, 16);
    img.u8(at + 17, o.mark);
}

// Overloads from before the frames' stretch, spread over the previous two years.
std::vector<OverloadFacts> earlierOverloads(Random& random, chr::sys_seconds before, int count) {
    std::vector<OverloadFacts> out;
    auto t = before - chr::days(730);
    for (int i = 0; i < count; ++i) {
        t += chr::hours(random.between(24, 7 * 24)) + chr::seconds(random.between(0, 3599));
        OverloadFacts o;
        const bool second = random.chance(0.15);
        const int percent = random.between(102, 128);
        o.moment1 = static_cast<std::uint8_t>(second ? 0 : percent);
        o.moment2 = static_cast<std::uint8_t>(second ? percent : 0);
        o.load1Kg = second ? 0 : kCapacity1Kg * percent / 100;
        o.load2Kg = second ? kCapacity2Kg * percent / 100 : 0;
        o.dateTime = stamp(std::min(t, before - chr::hours(1)));
        out.push_back(o);
    }
    return out;
}

const char* const kNames[] = {"Петров А.В.", "Сидоренко Ю.Н.", "Каримов Р.Ш.", "Іваненко О.П."};
const char* const kOrganisations[] = {"ООО «КранСервис»", "АО «Подъёмные механизмы»",
                                      "ИП Гончаренко — наладка ОГП", "ЗАО «Кран-Эксперт»"};

} // namespace

SampleDump generateSampleDump(std::uint32_t seed) {
    Random random(seed);
    Image img;
    SampleFacts f;
    f.seed = seed;

    f.craneNumber = 10000 + static_cast<std::uint32_t>(random.between(0, 89999));
    f.recorderNumber = 2000000 + static_cast<std::uint32_t>(random.between(0, 99999));
    f.commissioning = {bcd(6), bcd(15), bcd(6), bcd(20)}; // 15.06.2006
    f.installation = {bcd(3), bcd(22), bcd(19)};          // 22.03.19
    f.normativeGroup = 5;
    f.plannedMode = 2;
    f.resourceHours = 12000 + random.between(0, 20) * 100;
    f.serviceLifeYear = 31;
    f.programVersion = {2, 1, 15};
    f.btpVersion = random.between(1, 2);

    // Banks.
    const auto total = 150000 + random.between(0, 60000);
    BankCounters bank0 = lifeCounters(random, total, 0.35 + 0.02 * random.between(0, 5));
    const BankCounters winch2 = lifeCounters(random, total / 6, 0.3);
    bank0.relativeCycles = winch2.workingCycles;
    bank0.charNumber2 = winch2.charNumber1;
    bank0.winch1SwitchOns = total * 3 + random.between(0, 999);
    bank0.winch1Seconds = total * 38 + random.between(0, 9999);
    bank0.winch2SwitchOns = total / 2 + random.between(0, 999);
    bank0.winch2Seconds = total * 5 + random.between(0, 9999);
    bank0.trolleySeconds = total * 30 + random.between(0, 9999);
    bank0.craneSeconds = total * 22 + random.between(0, 9999);
    bank0.motorMinutes = static_cast<std::uint32_t>(total) + 40000 +
                         static_cast<std::uint32_t>(random.between(0, 999));
    f.banks = {bank0, otherBank(random, bank0)};
    img.fill(lay::kBank0, 2 * lay::kBankSize, 0xFF);
    writeBank(img, lay::kBank0, f, f.banks[0]);
    writeBank(img, lay::kBank1, f, f.banks[1]);

    // The frames' stretch of work, long enough to wrap the ring.
    const auto start = chr::sys_days{chr::year{2026} / chr::November / 2} +
                       chr::days(random.between(0, 14)) + chr::hours(7);
    Shift shift(random, start, f.btpVersion);
    const std::size_t written = lay::kFrames + static_cast<std::size_t>(random.between(300, 1500));
    shift.run(written);
    auto& frames = shift.frames();
    frames.back().mark = static_cast<std::uint8_t>(lay::kLastRecordMark);
    f.newestFrameSlot = static_cast<int>((written - 1) % lay::kFrames);
    f.frames.assign(lay::kFrames, FrameFacts{});
    for (std::size_t i = written - lay::kFrames; i < written; ++i) {
        frames[i].slot = static_cast<int>(i % lay::kFrames);
        f.frames[static_cast<std::size_t>(frames[i].slot)] = frames[i];
    }
    for (const FrameFacts& fr : f.frames) {
        writeFrame(img, fr);
    }
    // A few frames damaged in the memory: their stored checksum no longer matches.
    for (int k = 0; k < 3; ++k) {
        const int slot = (f.newestFrameSlot + 100 + 517 * k + random.between(0, 400)) % 2048;
        FrameFacts& fr = f.frames[static_cast<std::size_t>(slot)];
        fr.checksumOk = false;
        const std::size_t at = lay::kFrameRing + lay::kFrameSize * static_cast<std::size_t>(slot);
        img.u8(at + 30, static_cast<std::uint8_t>(img.bytes()[at + 30] ^ 0x5A));
    }

    // The overload log: the earlier overloads, then those of the stretch; it wraps.
    std::vector<OverloadFacts> overloads =
        earlierOverloads(random, start, 100 + random.between(0, 25));
    overloads.insert(overloads.end(), shift.overloads().begin(), shift.overloads().end());
    // Overloads still in the log are those of the last 100 written.
    const std::size_t kept = std::min<std::size_t>(overloads.size(), lay::kOverloadRecords);
    f.overloads.assign(lay::kOverloadRecords, OverloadFacts{});
    for (std::size_t i = overloads.size() - kept; i < overloads.size(); ++i) {
        overloads[i].slot = static_cast<int>(i % lay::kOverloadRecords);
        f.overloads[static_cast<std::size_t>(overloads[i].slot)] = overloads[i];
    }
    f.newestOverloadSlot = static_cast<int>((overloads.size() - 1) % lay::kOverloadRecords);
    f.overloads[static_cast<std::size_t>(f.newestOverloadSlot)].mark =
        static_cast<std::uint8_t>(lay::kLastRecordMark);
    for (std::size_t slot = 0; slot < lay::kOverloadRecords; ++slot) {
        f.overloads[slot].slot = static_cast<int>(slot);
        writeOverload(img, f.overloads[slot]);
    }
    {
        const int slot = (f.newestOverloadSlot + 40 + random.between(0, 20)) % 100;
        f.overloads[static_cast<std::size_t>(slot)].checksumOk = false;
        const std::size_t at =
            lay::kOverloadLog + lay::kOverloadRecordSize * static_cast<std::size_t>(slot);
        img.u8(at + 16, static_cast<std::uint8_t>(img.bytes()[at + 16] + 1));
    }

    // Lifted-mass totals: this stretch, and the crane's whole record.
    f.liftedMassKg = {static_cast<float>(shift.liftedKg()),
                      static_cast<float>(total) * 5200.0f + static_cast<float>(shift.liftedKg())};
    const auto endStamp = stamp(shift.now());
    f.liftedMassDate[0] = {endStamp[0], endStamp[1], endStamp[2]};
    f.liftedMassDate[1] = {bcd(1), bcd(1), bcd(26)};
    const std::size_t totalsAt[] = {lay::kLiftedMassTotal0, lay::kLiftedMassTotal1};
    for (std::size_t i = 0; i < 2; ++i) {
        img.f32(totalsAt[i], f.liftedMassKg[i]);
        for (std::size_t d = 0; d < 3; ++d) {
            img.u8(totalsAt[i] + 4 + d, f.liftedMassDate[i][d]);
        }
        img.seal(totalsAt[i], 7);
    }

    writeSettings(img, random, f);

    // With the byte before the total zero, the total is the same whether a reader adds the
    // bytes up to 0x407FE or up to 0x407FF.
    img.u8(lay::kImageTotal - 1, 0);
    img.u32(lay::kImageTotal, imageTotal(std::span(img.bytes()).first(lay::kImageTotal)));

    // The operator tail, as the transfer writes it after the image.
    const auto readAt = shift.now() + chr::hours(2) + chr::minutes(random.between(0, 59));
    const auto when = stamp(readAt);
    const auto digits = [](std::uint8_t b) {
        return std::string{char('0' + (b >> 4)), char('0' + (b & 15))};
    };
    f.operatorTexts = {kNames[random.between(0, 3)],
                       "Н/" + std::to_string(10000 + random.between(0, 9999)),
                       kOrganisations[random.between(0, 3)],
                       digits(when[0]) + "." + digits(when[1]) + "." + digits(when[2]) + " " +
                           digits(when[5]) + "-" + digits(when[4])};
    OperatorInfo info{f.operatorTexts[0], f.operatorTexts[1], f.operatorTexts[2],
                      f.operatorTexts[3]};
    const auto tail = EncodeOperatorTail(info);

    SampleDump dump;
    dump.bytes = std::move(img.bytes());
    dump.bytes.insert(dump.bytes.end(), tail.begin(), tail.end());
    dump.facts = std::move(f);
    return dump;
}

} // namespace valta9::sample
