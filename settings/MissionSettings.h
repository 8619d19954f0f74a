#pragma once

#include <cstdint>
#include <string>

// Bit numbers in a race set.
enum RaceBit {
    RACE_FEDERATION = 0,
    RACE_KLINGON = 1,
    RACE_ROMULAN = 2,
    RACE_LYRAN = 3,
    RACE_HYDRAN = 4,
    RACE_GORN = 5,
    RACE_ISC = 6,
    RACE_MIRAK = 7,
    RACE_ORION_CARTEL = 8,
    RACE_KORGATH = 9,
    RACE_PRIME_INDUSTRIES = 10,
    RACE_TIGER_HEART = 11,
    RACE_BEAST_RAIDERS = 12,
    RACE_SYNDICATE = 13,
    RACE_WYLDEFIRE = 14,
    RACE_CAMBORO = 15,
    RACE_UNALIGNED_PIRATES = 16,
    RACE_MONSTER = 17,
};

// Bit numbers in `hull`: the odds index of the class plus 3.
enum HullBit {
    HULL_FRIGATE = 3,
    HULL_DESTROYER = 4,
    HULL_WAR_DESTROYER = 5,
    HULL_LIGHT_CRUISER = 6,
    HULL_HEAVY_CRUISER = 7,
    HULL_NEW_HEAVY_CRUISER = 8,
    HULL_HEAVY_BATTLECRUISER = 9,
    HULL_CARRIER = 10,
    HULL_DREADNOUGHT = 11,
    HULL_BATTLESHIP = 12,
};

// Indexes into `hullPercent`.
enum OddsIndex {
    ODDS_FRIGATE = 0,
    ODDS_DESTROYER = 1,
    ODDS_WAR_DESTROYER = 2,
    ODDS_LIGHT_CRUISER = 3,
    ODDS_HEAVY_CRUISER = 4,
    ODDS_NEW_HEAVY_CRUISER = 5,
    ODDS_HEAVY_BATTLECRUISER = 6,
    ODDS_CARRIER = 7,
    ODDS_DREADNOUGHT = 8,
    ODDS_BATTLESHIP = 9,
    ODDS_MONSTER = 10,
    ODDS_RESERVED = 11,
};

// Values of `type`; also the index of the race set each mode keeps.
enum RaceMode {
    RACEMODE_SINGLE = 0,
    RACEMODE_MIXED = 1,
};

// Values of `era`.
enum EraChoice {
    ERA_EARLY = 0,
    ERA_MIDDLE = 1,
    ERA_LATE = 2,
    ERA_ADVANCED = 3,
    ERA_GAME = 4,
};

// Values of `uiType`: the game's own AI level numbers.
enum AiLevel {
    AI_CAPTAIN = 0,
    AI_COMMODORE = 1,
    AI_ADMIRAL = 2,
};

// Bit numbers in `modSupport`; its other bits are kept as they are.
enum ModSupportBit {
    MOD_X1_ERA = 0,
    MOD_FAVOR_X1 = 1,
    MOD_FIGHTER_LOADOUTS = 2,
};

// The one in-memory copy of the co-operative mission's settings. The record
// stores what it is given and checks no range; the dialog limits values.
class MissionSettings {
public:
    static constexpr int kOddsCount = 12;

    float GetMultiplier() const { return multiplier; }
    void SetMultiplier(float value) { multiplier = value; }

    // The low byte of `type`; callers read non-zero as Mixed.
    uint8_t GetRaceMode() const { return static_cast<uint8_t>(type & 0xFF); }
    void SetRaceMode(int32_t value) { type = value; }

    // The race operations work on the current race set only. Bit numbers
    // outside 0..31, here and for the hulls, are never set and read as clear.
    void ClearRaces();
    bool HasRace(int bit) const;
    void AddRace(int bit);
    int32_t GetRaces() const;

    void ClearHulls() { hull = 0; }
    bool HasHull(int bit) const;
    void AddHull(int bit);

    // Odds indexes outside 0..11 read as 0 and store nothing.
    int8_t GetHullPercent(int index) const;
    void SetHullPercent(int index, int32_t value);

    int32_t GetUiType() const { return uiType; }
    void SetUiType(int32_t value) { uiType = value; }

    int32_t GetEra() const { return era; }
    void SetEra(int32_t value) { era = value; }

    bool GetModX1Era() const;
    void SetModX1Era(bool on);
    bool GetModFavorX1() const;
    void SetModFavorX1(bool on);
    bool GetModFighterLoadouts() const;
    void SetModFighterLoadouts(bool on);

    // Read both settings files into the record / write the record to them.
    // After a failure the thread's last-error code tells the step that failed.
    bool Load();
    bool Save();

    // The game directory from the registry, ending in a backslash; on failure
    // `dir` is left as it was and the registry status is the last error.
    static bool FindGameDirectory(std::string& dir);
    // The game directory followed by the scripts folder.
    static bool FindScriptsDirectory(std::string& dir);

    // The fields, in the order of the record; all zero after construction.
    float multiplier = 0.0f;
    int32_t type = 0;
    int32_t hull = 0;
    int32_t uiType = 0;
    int32_t raceMask[2] = {0, 0};
    int8_t hullPercent[kOddsCount] = {};
    int32_t era = 0;
    int32_t modSupport = 0;

private:
    int32_t& CurrentRaces();
    const int32_t& CurrentRaces() const;
};

extern MissionSettings theSettings;
