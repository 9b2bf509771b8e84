#pragma once

#include <optional>

#include "image/bytes.h"

namespace valta9 {

// The first 32-byte chunk from the frame ring on whose last byte stands 0, 1 or 2 gives the
// version; the marks 0xA0, 0x91 and 0xAF and every other value are passed over. The scan may
// run past the ring up to the end of the file; without such a chunk the version is unknown.
[[nodiscard]] std::optional<int> ScanBtpVersion(const ByteReader& file);

} // namespace valta9
