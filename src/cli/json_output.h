#pragma once

#include <nlohmann/json.hpp>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "image/loaded_image.h"

namespace valta9 {

using Json = nlohmann::ordered_json;

// The whole decoded dump, records in ring order.
[[nodiscard]] Json modelJson(const LoadedImage& image, const OpenReport& report,
                             std::string_view point);

// The main window right after opening the dump in a freshly started program.
[[nodiscard]] Json viewsJson(const LoadedImage& image, const OpenReport& report,
                             std::string_view point);

[[nodiscard]] Json selectionJson(std::span<const int> numbers);

// A single-precision value as the number it reads as (1.234, not 1.2339999675750732);
// null for a value that is not finite.
[[nodiscard]] Json floatJson(float value);

} // namespace valta9
