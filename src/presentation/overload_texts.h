#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "image/overload_log.h"
#include "presentation/view_texts.h"

namespace valta9 {

inline constexpr std::size_t kOverloadTableRows = 9;
inline constexpr std::size_t kOverloadTableColumns = 8;
inline constexpr int kOverloadScrollMax = 92; // 100 records less the window of eight

using OverloadColumn = std::array<std::string, kOverloadTableRows>;

[[nodiscard]] std::string checksumStateText(bool ok);

// A column of the overload table, or nothing for an empty record or one with a bad checksum,
// whose column stays blank.
[[nodiscard]] std::optional<OverloadColumn> overloadColumn(const OverloadRecord& record,
                                                           std::string_view point);

// The sentence on the largest overload of winch 1 or 2: among equal moments the latest record;
// nothing when that winch was never overloaded.
[[nodiscard]] std::optional<std::string> maxOverloadSentence(const OverloadLog& log, int winch);

// "Суммарная масса грузов поднятых dd.mm.yy составила N т." for one lifted-mass total.
[[nodiscard]] std::string liftedMassSentence(const LiftedMassTotal& total, std::string_view point);

// The labels of the page "Перегрузки" after an open: the count, both maximum-overload
// sentences and both totals, with the visibility of each sentence.
[[nodiscard]] ViewTexts overloadPageTexts(const OverloadLog& log, const LiftedMassTotals& totals,
                                          std::string_view point);

} // namespace valta9
