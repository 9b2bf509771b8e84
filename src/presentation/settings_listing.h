#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "image/settings_record.h"

namespace valta9 {

// The settings record as the 121 lines of the page "Настройки", in record order.
[[nodiscard]] std::vector<std::string> settingsListing(const SettingsRecord& record,
                                                       std::string_view point);

} // namespace valta9
