#include "image/operator_info.h"

#include <algorithm>

#include "image/cp1251.h"
#include "image/layout.h"

namespace valta9 {

OperatorInfo DecodeOperatorTail(const ByteReader& file) {
    OperatorInfo info;
    std::array<std::string*, 4> out{&info.name, &info.certificate, &info.organisation, &info.date};
    for (std::size_t slot = 0; slot < out.size(); ++slot) {
        const auto bytes =
            file.bytes(layout::kTailOffset + slot * layout::kTailSlotSize, layout::kTailSlotSize);
        const auto end = std::find(bytes.begin(), bytes.end(), std::uint8_t{0});
        *out[slot] = cp1251ToUtf8(bytes.first(static_cast<std::size_t>(end - bytes.begin())));
    }
    return info;
}

std::vector<std::uint8_t> EncodeOperatorTail(const OperatorInfo& info) {
    std::vector<std::uint8_t> tail;
    const auto texts = info.texts();
    for (std::size_t slot = 0; slot < texts.size(); ++slot) {
        auto text = utf8ToCp1251(*texts[slot]);
        text.resize(std::min(text.size(), layout::kTailSlotSize));
        tail.resize(slot * layout::kTailSlotSize);
        tail.insert(tail.end(), text.begin(), text.end());
    }
    return tail;
}

} // namespace valta9
