#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "image/overload_log.h"

namespace valta9 {

// A date of the form dd.mm.yy as one comparable number, yyyymmdd with the century 20; nothing
// for text that is not a real calendar date.
[[nodiscard]] std::optional<int> parseShortDate(std::string_view text);

struct OverloadCriteria {
    int minMoment = 0; // either winch's moment at least this, in percent
    int fromDate = 0;  // yyyymmdd, inclusive
    int toDate = 0;    // yyyymmdd, inclusive
};

// The ring numbers of the records that meet the criteria, oldest first. An empty record has no
// date, so it never passes.
[[nodiscard]] std::vector<int> SelectOverloads(const OverloadLog& log,
                                               const OverloadCriteria& criteria);

[[nodiscard]] std::string notADateMessage(std::string_view text);

} // namespace valta9
