#include "settings/TextForms.h"

#include "settings/SignedBits.h"

namespace {

bool IsGroup(int group) {
    return group >= 0 && group < kOddsGroups;
}

} // namespace

// The byte order belongs to the file format: shifts, not memory layout.
int32_t PackOdds(const int8_t (&odds)[kOddsGroups * kOddsPerGroup], int group) {
    if (!IsGroup(group))
        return 0;
    uint32_t bits = 0;
    for (int i = kOddsPerGroup; i-- > 0;)
        bits = (bits << 8) | static_cast<uint8_t>(odds[group * kOddsPerGroup + i]);
    return SignedFromBits(bits);
}

void UnpackOdds(int32_t packed, int group, int8_t (&odds)[kOddsGroups * kOddsPerGroup]) {
    if (!IsGroup(group))
        return;
    uint32_t bits = static_cast<uint32_t>(packed);
    for (int i = 0; i < kOddsPerGroup; ++i, bits >>= 8) {
        odds[group * kOddsPerGroup + i] = SignedFromByte(static_cast<uint8_t>(bits & 0xFF));
    }
}
