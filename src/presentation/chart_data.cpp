#include "presentation/chart_data.h"

namespace valta9 {

std::string paramChartTitle(std::string_view crane, std::string_view recorder) {
    return "График параметров работы мостового крана №" + std::string(crane) +
           " по данным РП ВАЛТА-9 №" + std::string(recorder) + " (по кадрам)";
}

std::string releChartTitle(std::string_view crane, std::string_view recorder) {
    return "График работы дискр. входов и выходных реле мостового крана №" + std::string(crane) +
           " по данным РП ВАЛТА-9 №" + std::string(recorder) + " (по кадрам)";
}

ParamLines paramLines(const FrameRing& frames) {
    ParamLines lines;
    for (auto& line : lines) {
        line.reserve(frames.size());
    }
    for (const FrameRecord& f : frames) {
        lines[kLimit100].push_back(100);
        lines[kLoad1].push_back(f.load1);
        lines[kLoad2].push_back(f.load2);
        lines[kLoadMass1].push_back(f.loadMass1);
        lines[kTareMass1].push_back(f.tareMass1);
        lines[kLoadMass2].push_back(f.loadMass2);
        lines[kWind].push_back(f.wind);
        lines[kAxis].push_back(0);
    }
    return lines;
}

RelayMarks relayMarks(const FrameRing& frames) {
    RelayMarks marks;
    for (const FrameRecord& f : frames) {
        for (int bit = 0; bit < 5; ++bit) {
            if (bitSet(f.inputs, bit)) {
                marks[static_cast<std::size_t>(bit)].push_back(f.number);
            }
        }
        for (int bit = 0; bit < 3; ++bit) {
            if (bitSet(f.relays, bit)) {
                marks[static_cast<std::size_t>(5 + bit)].push_back(f.number);
            }
        }
    }
    return marks;
}

} // namespace valta9
