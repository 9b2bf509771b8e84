#pragma once

#include <string>
#include <string_view>

#include "image/loaded_image.h"

namespace valta9 {

// A readable account of an opened dump in Russian, page by page as the main window shows it.
[[nodiscard]] std::string summaryText(const LoadedImage& image, const OpenReport& report,
                                      std::string_view point);

} // namespace valta9
