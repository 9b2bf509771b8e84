#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "image/layout.h"
#include "image/loaded_image.h"
#include "presentation/frame_selection.h"
#include "presentation/frame_texts.h"
#include "presentation/main_view.h"
#include "presentation/overload_texts.h"

namespace {

using namespace valta9;

// A broken promise of the open path is a finding like a crash, so it aborts.
void require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void checkSelection(const FrameRing& ring, const FrameCriteria& criteria) {
    const std::vector<int> numbers = SelectFrames(ring, criteria);
    require(numbers.size() <= ring.size());
    int previous = -1;
    for (const int n : numbers) {
        require(n > previous && n < static_cast<int>(ring.size()));
        previous = n;
    }
}

void buildAllTexts(const LoadedImage& image, std::span<const std::uint8_t> file) {
    for (const char* point : {".", ","}) {
        const MainView view = buildMainView(image, point);
        require(view.settings.size() == 121);
        for (const FrameRecord& frame : image.frames) {
            const auto column = frameColumn(frame, point);
            require(!column || (*column)[0] == std::to_string(frame.number));
        }
        for (const OverloadRecord& record : image.overloads) {
            (void)overloadColumn(record, point);
        }
    }
    for (const FrameRecord& frame : image.frames) {
        (void)frameSignals(frame, image.settings.relayV7Used(), image.settings.relayV6Used());
    }

    // The threshold and both filters come from the last three bytes, which in a plain image
    // are unused, so the fuzzer can steer them without changing what is decoded.
    const std::uint8_t flags = file.back();
    const auto threshold =
        static_cast<std::int16_t>(file[file.size() - 2] | (file[file.size() - 3] << 8));
    checkSelection(image.frames, FrameCriteria{});
    require(SelectFrames(image.frames, FrameCriteria{}).size() == layout::kFrames);
    checkSelection(image.frames, {threshold, (flags & 1) != 0, (flags & 2) != 0});
    checkSelection(image.frames, {flags, true, true});
    checkSelection(image.frames, {INT_MIN, false, true});
    checkSelection(image.frames, {INT_MAX, true, false});
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> file(data, size);
    LoadedImage image;
    const OpenReport report = OpenDumpBytes(file, size, "fuzz.drn", image);
    require(report.opened() == (size >= layout::kImageSize));
    require(report.opened() == image.loaded);
    if (!report.opened()) {
        return 0;
    }
    require(image.frames.size() == layout::kFrames);
    for (std::size_t i = 0; i < image.frames.size(); ++i) {
        require(image.frames[i].number == static_cast<int>(i));
    }
    buildAllTexts(image, file);
    return 0;
}
