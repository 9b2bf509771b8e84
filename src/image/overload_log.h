#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "image/bytes.h"
#include "image/layout.h"

namespace valta9 {

struct OverloadRecord {
    int number = 0;  // storage index after decoding, ring position after ordering
    int moment1 = 0; // percent of rated
    int moment2 = 0;
    float load1 = 0; // tonnes on the hook
    float load2 = 0;
    std::string date; // dd.mm.yy; empty for an empty record, whose date is never decoded
    std::string time; // hh:mm:ss; likewise
    int mark = 0;
    bool checksumOk = false;

    // Neither winch overloaded: no view or report shows such a record.
    [[nodiscard]] bool empty() const { return moment1 == 0 && moment2 == 0; }
};

struct LiftedMassTotal {
    float massKg = 0;
    std::string date; // dd.mm.yy
    bool valid = false;
};

using OverloadLog = std::array<OverloadRecord, layout::kOverloadRecords>;
using LiftedMassTotals = std::array<LiftedMassTotal, 2>;

// The 100 records in storage order, each numbered by its index.
[[nodiscard]] OverloadLog DecodeOverloadLog(const ByteReader& image);
[[nodiscard]] LiftedMassTotals DecodeLiftedMassTotals(const ByteReader& image);

} // namespace valta9
