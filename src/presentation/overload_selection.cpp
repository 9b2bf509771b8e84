#include "presentation/overload_selection.h"

#include <chrono>

namespace valta9 {

std::optional<int> parseShortDate(std::string_view text) {
    if (text.size() != 8 || text[2] != '.' || text[5] != '.') {
        return std::nullopt;
    }
    int parts[3] = {};
    for (int i = 0; i < 3; ++i) {
        const char hi = text[static_cast<std::size_t>(3 * i)];
        const char lo = text[static_cast<std::size_t>(3 * i + 1)];
        if (hi < '0' || hi > '9' || lo < '0' || lo > '9') {
            return std::nullopt;
        }
        parts[i] = (hi - '0') * 10 + (lo - '0');
    }
    const std::chrono::year_month_day date{std::chrono::year{2000 + parts[2]},
                                           std::chrono::month{static_cast<unsigned>(parts[1])},
                                           std::chrono::day{static_cast<unsigned>(parts[0])}};
    if (!date.ok()) {
        return std::nullopt;
    }
    return (2000 + parts[2]) * 10000 + parts[1] * 100 + parts[0];
}

std::vector<int> SelectOverloads(const OverloadLog& log, const OverloadCriteria& c) {
    std::vector<int> numbers;
    for (const OverloadRecord& r : log) {
        if (r.empty() || (r.moment1 < c.minMoment && r.moment2 < c.minMoment)) {
            continue;
        }
        const auto date = parseShortDate(r.date);
        if (date && *date >= c.fromDate && *date <= c.toDate) {
            numbers.push_back(r.number);
        }
    }
    return numbers;
}

std::string notADateMessage(std::string_view text) {
    return "\"" + std::string(text) + "\" не является датой вида дд.мм.гг.";
}

} // namespace valta9
