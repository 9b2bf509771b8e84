#pragma once

#include <string_view>

#include "analysis/duty.h"
#include "presentation/view_texts.h"

namespace valta9 {

// The five result labels and the fifteen bars of the load spectrum.
[[nodiscard]] ViewTexts dutyTexts(const DutyClassification& duty, std::string_view point);

} // namespace valta9
