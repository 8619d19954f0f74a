#include "settings/MissionSettings.h"

#include "settings/SignedBits.h"

MissionSettings theSettings;

namespace {

// The mask of a bit number; 0 for numbers that name no bit of 32.
uint32_t BitMask(int bit) {
    return bit >= 0 && bit < 32 ? uint32_t{1} << bit : 0;
}

bool HasBit(int32_t set, int bit) {
    return (static_cast<uint32_t>(set) & BitMask(bit)) != 0;
}

void SetBit(int32_t& set, int bit, bool on) {
    const uint32_t bits = static_cast<uint32_t>(set);
    set = SignedFromBits(on ? bits | BitMask(bit) : bits & ~BitMask(bit));
}

bool IsOddsIndex(int index) {
    return index >= 0 && index < MissionSettings::kOddsCount;
}

} // namespace

// A `type` other than 0 or 1 selects the set that GetRaceMode names: Mixed's
// for any non-zero low byte, Single's otherwise, so no value reaches outside
// the two sets.
int32_t& MissionSettings::CurrentRaces() {
    return raceMask[GetRaceMode() != 0 ? RACEMODE_MIXED : RACEMODE_SINGLE];
}
const int32_t& MissionSettings::CurrentRaces() const {
    return raceMask[GetRaceMode() != 0 ? RACEMODE_MIXED : RACEMODE_SINGLE];
}

void MissionSettings::ClearRaces() {
    CurrentRaces() = 0;
}
bool MissionSettings::HasRace(int bit) const {
    return HasBit(CurrentRaces(), bit);
}
void MissionSettings::AddRace(int bit) {
    SetBit(CurrentRaces(), bit, true);
}
int32_t MissionSettings::GetRaces() const {
    return CurrentRaces();
}

bool MissionSettings::HasHull(int bit) const {
    return HasBit(hull, bit);
}
void MissionSettings::AddHull(int bit) {
    SetBit(hull, bit, true);
}

int8_t MissionSettings::GetHullPercent(int index) const {
    return IsOddsIndex(index) ? hullPercent[index] : 0;
}

void MissionSettings::SetHullPercent(int index, int32_t value) {
    if (IsOddsIndex(index))
        hullPercent[index] = SignedFromByte(static_cast<uint8_t>(value & 0xFF));
}

bool MissionSettings::GetModX1Era() const {
    return HasBit(modSupport, MOD_X1_ERA);
}
void MissionSettings::SetModX1Era(bool on) {
    SetBit(modSupport, MOD_X1_ERA, on);
}
bool MissionSettings::GetModFavorX1() const {
    return HasBit(modSupport, MOD_FAVOR_X1);
}
void MissionSettings::SetModFavorX1(bool on) {
    SetBit(modSupport, MOD_FAVOR_X1, on);
}
bool MissionSettings::GetModFighterLoadouts() const {
    return HasBit(modSupport, MOD_FIGHTER_LOADOUTS);
}
void MissionSettings::SetModFighterLoadouts(bool on) {
    SetBit(modSupport, MOD_FIGHTER_LOADOUTS, on);
}
