#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace valta9::sample {

// What the generator put into a dump, in plain units, so that a decoder can be held against it.
struct FrameFacts {
    int slot = 0;                           // storage slot of the ring
    std::array<std::uint8_t, 6> dateTime{}; // BCD day, month, year, seconds, minutes, hours
    std::int32_t loadMass1Kg = 0;
    std::int32_t tareMass1Kg = 0;
    std::int32_t loadMass2Kg = 0;
    std::int16_t windTenths = 0;
    std::uint8_t inputs = 0;
    std::uint8_t relays = 0;
    std::uint8_t load1 = 0; // percent of rated
    std::uint8_t load2 = 0;
    std::uint16_t fault = 0;
    std::uint8_t mark = 0;
    bool checksumOk = true;
};

struct OverloadFacts {
    int slot = 0;
    std::uint8_t moment1 = 0;
    std::uint8_t moment2 = 0;
    std::int32_t load1Kg = 0;
    std::int32_t load2Kg = 0;
    std::array<std::uint8_t, 6> dateTime{}; // BCD day, month, year, seconds, minutes, hours
    std::uint8_t mark = 0;
    bool checksumOk = true;
};

struct BankCounters {
    std::array<std::uint32_t, 15> workingCycles{};
    std::array<std::uint32_t, 15> relativeCycles{};
    float charNumber1 = 0;
    float charNumber2 = 0;
    std::int32_t winch1Seconds = 0;
    std::int32_t winch1SwitchOns = 0;
    std::int32_t winch2Seconds = 0;
    std::int32_t winch2SwitchOns = 0;
    std::int32_t trolleySeconds = 0;
    std::int32_t craneSeconds = 0;
    std::uint32_t motorMinutes = 0;
};

struct SampleFacts {
    std::uint32_t seed = 0;
    std::uint32_t craneNumber = 0;               // eight decimal digits, stored as BCD
    std::uint32_t recorderNumber = 0;            // likewise
    std::array<std::uint8_t, 4> commissioning{}; // BCD month, day, year low, year high
    std::array<std::uint8_t, 3> installation{};  // BCD month, day, year
    std::uint8_t normativeGroup = 0;
    std::uint8_t plannedMode = 0;
    std::int32_t resourceHours = 0;
    std::uint8_t serviceLifeYear = 0;
    std::array<std::uint8_t, 3> programVersion{};
    std::array<BankCounters, 2> banks;
    int btpVersion = 0;
    std::vector<FrameFacts> frames; // every slot, in storage order
    int newestFrameSlot = 0;
    std::vector<OverloadFacts> overloads; // every slot, in storage order
    int newestOverloadSlot = 0;
    std::array<float, 2> liftedMassKg{};
    std::array<std::array<std::uint8_t, 3>, 2> liftedMassDate{}; // BCD day, month, year
    std::array<std::uint16_t, 89> settingsWords{}; // the record as 16-bit words, CS included
    std::array<std::string, 4> operatorTexts;      // UTF-8: name, certificate, organisation, date
};

struct SampleDump {
    std::vector<std::uint8_t> bytes; // the file, ending with the last operator text
    SampleFacts facts;
};

// A plausible stretch of a crane's work, the same for the same seed on every machine.
[[nodiscard]] SampleDump generateSampleDump(std::uint32_t seed);

} // namespace valta9::sample
