#pragma once

#include <string_view>

#include "image/operator_info.h"
#include "image/service_banks.h"
#include "presentation/view_texts.h"

namespace valta9 {

[[nodiscard]] ViewTexts operatorTexts(const OperatorInfo& info);

// The page "Служебная" (identification, modes, running times) and the cycle counts of
// "Наработка".
[[nodiscard]] ViewTexts serviceTexts(const ServiceValues& service, std::string_view point);

[[nodiscard]] std::string normativeGroupText(const ServiceValues& service);

} // namespace valta9
