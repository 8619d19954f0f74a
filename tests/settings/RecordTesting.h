#pragma once

#include "settings/MissionSettings.h"

#include <cstring>
#include <ostream>

// Field-by-field equality of two records (the float compared as a value).
inline bool SameRecord(const MissionSettings& a, const MissionSettings& b) {
    return a.multiplier == b.multiplier && a.type == b.type && a.hull == b.hull &&
           a.uiType == b.uiType && a.raceMask[0] == b.raceMask[0] &&
           a.raceMask[1] == b.raceMask[1] &&
           std::memcmp(a.hullPercent, b.hullPercent, sizeof a.hullPercent) == 0 && a.era == b.era &&
           a.modSupport == b.modSupport;
}

// A record whose every field differs from zero, from the defaults and from
// its neighbours, so that a write to the wrong field shows.
inline MissionSettings Sentinel() {
    MissionSettings s;
    s.multiplier = 2.25f;
    s.type = 0;
    s.hull = 0x0F0F;
    s.uiType = 7;
    s.raceMask[0] = 0x1111;
    s.raceMask[1] = 0x2222;
    for (int i = 0; i < MissionSettings::kOddsCount; ++i)
        s.hullPercent[i] = static_cast<int8_t>(i + 1);
    s.era = 3;
    s.modSupport = 0x40;
    return s;
}

// What Load stores when neither file holds any of its keys.
inline MissionSettings Defaults() {
    MissionSettings s;
    s.multiplier = 1.1f;
    s.type = 0;
    s.raceMask[0] = -1;
    s.raceMask[1] = -1;
    s.hull = -1;
    s.era = 4;
    const int8_t odds[MissionSettings::kOddsCount] = {80, 70, 50, 65, 60, 45,
                                                      55, 20, 30, 10, 10, 0};
    std::memcpy(s.hullPercent, odds, sizeof odds);
    s.uiType = 0;
    s.modSupport = -1;
    return s;
}

inline std::ostream& operator<<(std::ostream& out, const MissionSettings& s) {
    out << "{multiplier " << s.multiplier << ", type " << s.type << ", hull " << s.hull
        << ", uiType " << s.uiType << ", races " << s.raceMask[0] << "/" << s.raceMask[1]
        << ", odds";
    for (int8_t odds : s.hullPercent)
        out << " " << static_cast<int>(odds);
    return out << ", era " << s.era << ", modSupport " << s.modSupport << "}";
}

#define EXPECT_SAME_RECORD(actual, expected)                                                       \
    EXPECT_TRUE(SameRecord(actual, expected))                                                      \
        << "actual   " << (actual) << "\nexpected " << (expected)
