#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "image/loaded_image.h"
#include "presentation/view_texts.h"

namespace valta9 {

inline constexpr const char* kBtpVersionUnknown = "Версия БТП: не определена";

// The three panels of the status bar: the tooltip under the mouse, the dump's path, the BTP
// version.
[[nodiscard]] std::array<std::string, 3> statusPanels(const LoadedImage& image);

// Everything an open writes into the main window's labels, fields and bars, and the settings
// listing, for one decimal separator.
struct MainView {
    ViewTexts views;
    std::array<std::string, 3> status;
    std::vector<std::string> settings;
};

[[nodiscard]] MainView buildMainView(const LoadedImage& image, std::string_view point);

} // namespace valta9
