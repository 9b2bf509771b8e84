#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <system_error>
#include <unistd.h>
#include <utility>
#include <vector>

#include "image/loaded_image.h"
#include "presentation/frame_selection.h"
#include "presentation/frame_texts.h"
#include "presentation/main_view.h"
#include "presentation/overload_texts.h"
#include "sample_dump.h"

namespace {

using namespace valta9;

// The open must feel instant in the window: two milliseconds for a whole dump.
constexpr double kFullOpenBudgetMicroseconds = 2000.0;
constexpr int kRepetitions = 15;

constexpr const char* kReadName = "read_file";
constexpr const char* kOpenName = "full_open";

// Reads the file the way OpenDump does, so the difference between the two figures is the
// decoding and the view texts.
std::vector<std::uint8_t> readAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    in.seekg(0, std::ios::beg);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size));
    return bytes;
}

void readFile(benchmark::State& state, const std::filesystem::path& path) {
    for (auto _ : state) {
        std::vector<std::uint8_t> bytes = readAll(path);
        benchmark::DoNotOptimize(bytes.data());
        benchmark::ClobberMemory();
    }
}

// What the window does on opening a dump: decode it and fill every page at the scroll
// positions that show the newest records.
void fullOpen(benchmark::State& state, const std::filesystem::path& path) {
    LoadedImage image;
    for (auto _ : state) {
        const OpenReport report = OpenDump(path, image);
        if (!report.opened()) {
            state.SkipWithError("the sample dump did not open");
            break;
        }
        MainView view = buildMainView(image, ".");
        benchmark::DoNotOptimize(view);
        for (int i = kFrameScrollMax; i < kFrameScrollMax + int{kFrameTableColumns}; ++i) {
            auto column = frameColumn(image.frames[static_cast<std::size_t>(i)], ".");
            benchmark::DoNotOptimize(column);
        }
        for (int i = kOverloadScrollMax; i < kOverloadScrollMax + int{kOverloadTableColumns}; ++i) {
            auto column = overloadColumn(image.overloads[static_cast<std::size_t>(i)], ".");
            benchmark::DoNotOptimize(column);
        }
        std::vector<int> selected = SelectFrames(image.frames, FrameCriteria{});
        benchmark::DoNotOptimize(selected.data());
        benchmark::ClobberMemory();
    }
}

// Prints as usual and keeps the medians, in microseconds, for the summary line.
class MedianReporter : public benchmark::ConsoleReporter {
public:
    // Colours only on a terminal, so that a log of the figures stays plain text.
    MedianReporter() : ConsoleReporter(isatty(STDOUT_FILENO) != 0 ? OO_Defaults : OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
                medians[run.run_name.function_name] = run.GetAdjustedRealTime();
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    std::map<std::string, double> medians;
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 2;
    }
    const auto dump = sample::generateSampleDump(4301);
    const std::filesystem::path path = std::filesystem::temp_directory_path() /
                                       ("valta9-bench-" + std::to_string(getpid()) + ".drn");
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(dump.bytes.data()),
                  static_cast<std::streamsize>(dump.bytes.size()));
        if (!out) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 2;
        }
    }

    for (const auto& [name, fn] : {std::pair{kReadName, &readFile}, {kOpenName, &fullOpen}}) {
        benchmark::RegisterBenchmark(name, fn, path)
            ->Unit(benchmark::kMicrosecond)
            ->UseRealTime()
            ->Repetitions(kRepetitions)
            ->ReportAggregatesOnly(true);
    }

    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    std::error_code ignored;
    std::filesystem::remove(path, ignored);

    const auto read = reporter.medians.find(kReadName);
    const auto open = reporter.medians.find(kOpenName);
    if (read == reporter.medians.end() || open == reporter.medians.end()) {
        return 0; // a filter left one of them out: nothing to hold against the budget
    }
    const bool within = open->second <= kFullOpenBudgetMicroseconds;
    std::printf("\nmedian read %.1f us, median full open %.1f us (budget %.0f us): %s\n",
                read->second, open->second, kFullOpenBudgetMicroseconds,
                within ? "within budget" : "OVER BUDGET");
    return within ? 0 : 1;
}
