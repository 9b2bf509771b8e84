#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "image/bytes.h"

namespace valta9 {

struct ServiceBlock {
    std::size_t offset; // first byte of the block; its checksum byte follows the last one
    std::size_t length;
    std::string_view message; // shown when the checksum is wrong
};

// The fourteen checked blocks of both banks, in the order their failures are reported.
inline constexpr std::array<ServiceBlock, 14> kServiceBlocks{{
    {0, 25, "Ошибка контольной суммы идентификации в Банке-0!"},
    {26, 4, "Ошибка контольной суммы характеристического числа №1 в Банке-0!"},
    {32, 4, "Ошибка контольной суммы характеристического числа №2 в Банке-0!"},
    {38, 45, "Ошибка контольной суммы рабочих циклов в Банке-0!"},
    {84, 45, "Ошибка контольной суммы относительных циклов в Банке-0!"},
    {184, 25, "Ошибка контольной суммы идентификации в Банке-1!"},
    {210, 4, "Ошибка контольной суммы характеристического числа №1 в Банке-1!"},
    {216, 4, "Ошибка контольной суммы характеристического числа №2 в Банке-1!"},
    {222, 45, "Ошибка контольной суммы рабочих циклов в Банке-1!"},
    {268, 45, "Ошибка контольной суммы относительных циклов в Банке-1!"},
    {130, 32, "Ошибка контольной суммы время работы механизмов в Банке-0!"},
    {164, 3, "Ошибка контольной суммы счетчика моточасов в Банке-0!"},
    {314, 32, "Ошибка контольной суммы время работы механизмов в Банке-1!"},
    {348, 3, "Ошибка контольной суммы счетчика моточасов в Банке-1!"},
}};

// The messages of the failed blocks, in table order; empty when every block is right.
[[nodiscard]] std::vector<std::string> CheckServiceBlocks(const ByteReader& image);

} // namespace valta9
