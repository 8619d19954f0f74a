#pragma once

#include <cstdint>

// The signed numbers with the same bits, without relying on how the compiler
// converts unsigned values beyond the signed range.
inline int32_t SignedFromBits(uint32_t bits) {
    return bits < 0x80000000u ? static_cast<int32_t>(bits)
                              : static_cast<int32_t>(bits - 0x80000000u) - 0x7FFFFFFF - 1;
}

inline int8_t SignedFromByte(uint8_t byte) {
    return static_cast<int8_t>(byte < 0x80 ? byte : byte - 256);
}
