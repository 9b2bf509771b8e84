#pragma once

#include <string>
#include <utility>
#include <vector>

namespace valta9 {

// What a view shows, keyed by the component's name, so that a window sets each widget it finds
// by that name and a test or the command line reads the same texts.
struct ViewTexts {
    std::vector<std::pair<std::string, std::string>> texts;
    std::vector<std::pair<std::string, bool>> visible;
    std::vector<std::pair<std::string, int>> progress;

    void text(std::string component, std::string value) {
        texts.emplace_back(std::move(component), std::move(value));
    }
    void append(ViewTexts other);
    [[nodiscard]] const std::string* find(std::string_view component) const;
};

// Name suffixes of the fifteen load bands: Edit_N_10 ... Edit_N_140, Edit_N_b140.
[[nodiscard]] std::string bandSuffix(std::size_t band);

} // namespace valta9
