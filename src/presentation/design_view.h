#pragma once

#include "presentation/view_texts.h"

namespace valta9 {

// What the main window's views show before a dump is opened and after "Очистить": the texts,
// visibility and bar lengths of the window design.
[[nodiscard]] ViewTexts designTimeView();

} // namespace valta9
