#include "presentation/view_texts.h"

#include <algorithm>
#include <iterator>

namespace valta9 {

void ViewTexts::append(ViewTexts other) {
    std::move(other.texts.begin(), other.texts.end(), std::back_inserter(texts));
    std::move(other.visible.begin(), other.visible.end(), std::back_inserter(visible));
    std::move(other.progress.begin(), other.progress.end(), std::back_inserter(progress));
}

const std::string* ViewTexts::find(std::string_view component) const {
    const auto it = std::find_if(texts.begin(), texts.end(),
                                 [&](const auto& entry) { return entry.first == component; });
    return it == texts.end() ? nullptr : &it->second;
}

std::string bandSuffix(std::size_t band) {
    return band == 14 ? "b140" : std::to_string(10 * (band + 1));
}

} // namespace valta9
