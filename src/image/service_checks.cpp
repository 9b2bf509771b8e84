#include "image/service_checks.h"

#include "image/checksum.h"

namespace valta9 {

std::vector<std::string> CheckServiceBlocks(const ByteReader& image) {
    std::vector<std::string> messages;
    for (const ServiceBlock& block : kServiceBlocks) {
        if (!VerifyBlock(image.bytes(block.offset, block.length + 1))) {
            messages.emplace_back(block.message);
        }
    }
    return messages;
}

} // namespace valta9
