#include "settings/MissionSettings.h"

#include "RecordTesting.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <new>

namespace {

using MS = MissionSettings;

TEST(MissionSettingsRecord, StartsWithEveryFieldZero) {
    // Constructed over non-zero memory, so that only construction can zero it.
    alignas(MissionSettings) unsigned char memory[sizeof(MissionSettings)];
    std::memset(memory, 0x5A, sizeof memory);
    const MissionSettings* fresh = new (memory) MissionSettings;
    const MissionSettings* global = &theSettings;
    for (const MissionSettings* r : {global, fresh}) {
        EXPECT_EQ(r->GetMultiplier(), 0.0f);
        EXPECT_EQ(r->GetRaceMode(), 0);
        EXPECT_EQ(r->GetRaces(), 0);
        EXPECT_EQ(r->raceMask[1], 0);
        EXPECT_EQ(r->hull, 0);
        for (int bit = 0; bit < 32; ++bit) {
            EXPECT_FALSE(r->HasHull(bit)) << bit;
            EXPECT_FALSE(r->HasRace(bit)) << bit;
        }
        for (int i = 0; i < MS::kOddsCount; ++i)
            EXPECT_EQ(r->GetHullPercent(i), 0) << i;
        EXPECT_EQ(r->GetUiType(), 0);
        EXPECT_EQ(r->GetEra(), 0);
        EXPECT_FALSE(r->GetModX1Era());
        EXPECT_FALSE(r->GetModFavorX1());
        EXPECT_FALSE(r->GetModFighterLoadouts());
        EXPECT_EQ(r->modSupport, 0);
    }
}

TEST(MissionSettingsRecord, FieldsLieInRecordOrderWithTheOddsConsecutive) {
    EXPECT_LT(offsetof(MissionSettings, multiplier), offsetof(MissionSettings, type));
    EXPECT_LT(offsetof(MissionSettings, type), offsetof(MissionSettings, hull));
    EXPECT_LT(offsetof(MissionSettings, hull), offsetof(MissionSettings, uiType));
    EXPECT_LT(offsetof(MissionSettings, uiType), offsetof(MissionSettings, raceMask));
    EXPECT_LT(offsetof(MissionSettings, raceMask), offsetof(MissionSettings, hullPercent));
    EXPECT_LT(offsetof(MissionSettings, hullPercent), offsetof(MissionSettings, era));
    EXPECT_LT(offsetof(MissionSettings, era), offsetof(MissionSettings, modSupport));
    EXPECT_EQ(sizeof(MissionSettings::hullPercent), 12u);
}

// Which race set each `type` makes current: the one GetRaceMode names.
struct RaceSetCase {
    int32_t type;
    uint8_t raceMode;
    int current;
};
const RaceSetCase kRaceSetCases[] = {
    {0, 0, 0},   {1, 1, 1},    {2, 2, 1},    {255, 255, 1},      {256, 0, 0},
    {257, 1, 1}, {-1, 255, 1}, {-256, 0, 0}, {0x7FFFFF00, 0, 0}, {INT32_MIN, 0, 0},
};

TEST(MissionSettingsRecord, RaceOperationsUseTheSetTheRaceModeNames) {
    for (const RaceSetCase& c : kRaceSetCases) {
        SCOPED_TRACE(c.type);
        MissionSettings s = Sentinel();
        s.SetRaceMode(c.type);
        EXPECT_EQ(s.type, c.type);
        EXPECT_EQ(s.GetRaceMode(), c.raceMode);
        MissionSettings expected = s;
        EXPECT_EQ(s.GetRaces(), s.raceMask[c.current]);

        s.AddRace(RACE_MONSTER);
        expected.raceMask[c.current] |= 1 << 17;
        EXPECT_TRUE(s.HasRace(RACE_MONSTER));
        EXPECT_SAME_RECORD(s, expected);

        s.ClearRaces();
        expected.raceMask[c.current] = 0;
        EXPECT_SAME_RECORD(s, expected);
        EXPECT_EQ(s.GetRaces(), 0);
        EXPECT_FALSE(s.HasRace(RACE_MONSTER));
    }
}

TEST(MissionSettingsRecord, EachModeKeepsItsOwnRaces) {
    MissionSettings s;
    s.raceMask[0] = 0x5;
    s.SetRaceMode(RACEMODE_MIXED);
    s.AddRace(RACE_MONSTER);
    EXPECT_EQ(s.raceMask[1], 1 << 17);
    EXPECT_EQ(s.raceMask[0], 0x5);

    s.SetRaceMode(RACEMODE_SINGLE);
    EXPECT_FALSE(s.HasRace(RACE_MONSTER));
    EXPECT_TRUE(s.HasRace(RACE_ROMULAN));
    EXPECT_EQ(s.GetRaces(), 0x5);
    s.ClearRaces();
    EXPECT_EQ(s.raceMask[0], 0);
    EXPECT_EQ(s.raceMask[1], 1 << 17);
}

TEST(MissionSettingsRecord, AllEighteenRacesMake262143AndBit31Works) {
    MissionSettings s;
    for (int bit = RACE_FEDERATION; bit <= RACE_MONSTER; ++bit)
        s.AddRace(bit);
    EXPECT_EQ(s.GetRaces(), 262143);
    s.AddRace(31);
    EXPECT_EQ(s.GetRaces(), static_cast<int32_t>(0x8003FFFFu));
    EXPECT_TRUE(s.HasRace(31));
}

TEST(MissionSettingsRecord, BitNumbersOutsideTheSetChangeNothing) {
    for (int bit : {-1, 32, 33, 1000, INT32_MIN}) {
        SCOPED_TRACE(bit);
        MissionSettings s = Sentinel();
        const MissionSettings before = s;
        s.AddRace(bit);
        s.AddHull(bit);
        s.SetHullPercent(bit, 55);
        EXPECT_SAME_RECORD(s, before);
        EXPECT_FALSE(s.HasRace(bit));
        EXPECT_FALSE(s.HasHull(bit));
        EXPECT_EQ(s.GetHullPercent(bit), 0);
    }
    MissionSettings s = Sentinel();
    s.SetHullPercent(MS::kOddsCount, 55);
    EXPECT_SAME_RECORD(s, Sentinel());
}

TEST(MissionSettingsRecord, HullsAreBitsThreeToTwelve) {
    MissionSettings s = Sentinel();
    s.ClearHulls();
    EXPECT_EQ(s.hull, 0);
    s.AddHull(HULL_FRIGATE);
    s.AddHull(HULL_BATTLESHIP);
    EXPECT_EQ(s.hull, 4104);
    EXPECT_TRUE(s.HasHull(HULL_FRIGATE));
    EXPECT_FALSE(s.HasHull(HULL_CARRIER));
    for (int bit = HULL_FRIGATE; bit <= HULL_BATTLESHIP; ++bit)
        s.AddHull(bit);
    EXPECT_EQ(s.hull, 8184);
    MissionSettings expected = Sentinel();
    expected.hull = 8184;
    EXPECT_SAME_RECORD(s, expected);
}

TEST(MissionSettingsRecord, OddsKeepTheLowEightBitsWithTheirSign) {
    const struct {
        int32_t stored;
        int8_t read;
    } cases[] = {{200, -56},  {256, 0},           {-1, -1},       {100, 100}, {127, 127},
                 {128, -128}, {0x12345678, 0x78}, {INT32_MIN, 0}, {-129, 127}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        MissionSettings s = Sentinel();
        s.SetHullPercent(ODDS_CARRIER, c.stored);
        EXPECT_EQ(s.GetHullPercent(ODDS_CARRIER), c.read);
        MissionSettings expected = Sentinel();
        expected.hullPercent[ODDS_CARRIER] = c.read;
        EXPECT_SAME_RECORD(s, expected);
    }
}

TEST(MissionSettingsRecord, ModSwitchesChangeOnlyTheirOwnBit) {
    using Getter = bool (MissionSettings::*)() const;
    using Setter = void (MissionSettings::*)(bool);
    const struct {
        Getter get;
        Setter set;
        int32_t mask;
    } switches[] = {
        {&MS::GetModX1Era, &MS::SetModX1Era, 1},
        {&MS::GetModFavorX1, &MS::SetModFavorX1, 2},
        {&MS::GetModFighterLoadouts, &MS::SetModFighterLoadouts, 4},
    };
    for (const auto& sw : switches) {
        SCOPED_TRACE(sw.mask);
        for (int32_t start : {0, -1, 0x40, 7}) {
            for (bool on : {false, true}) {
                MissionSettings s = Sentinel();
                s.modSupport = start;
                const int32_t want = on ? (start | sw.mask) : (start & ~sw.mask);
                (s.*sw.set)(on);
                EXPECT_EQ(s.modSupport, want);
                EXPECT_EQ((s.*sw.get)(), on);
                (s.*sw.set)(on); // a second time changes nothing
                EXPECT_EQ(s.modSupport, want);
                MissionSettings expected = Sentinel();
                expected.modSupport = want;
                EXPECT_SAME_RECORD(s, expected);
            }
        }
    }
    MissionSettings s;
    s.modSupport = -1;
    s.SetModFavorX1(false);
    EXPECT_EQ(s.modSupport, -3);
    s.modSupport = 0;
    s.SetModFavorX1(true);
    EXPECT_EQ(s.modSupport, 2);
}

TEST(MissionSettingsRecord, PlainSettersStoreWhatTheyAreGiven) {
    MissionSettings s = Sentinel();
    s.SetMultiplier(-7.5f);
    s.SetUiType(-3);
    s.SetEra(99);
    MissionSettings expected = Sentinel();
    expected.multiplier = -7.5f;
    expected.uiType = -3;
    expected.era = 99;
    EXPECT_SAME_RECORD(s, expected);
    EXPECT_EQ(s.GetMultiplier(), -7.5f);
    EXPECT_EQ(s.GetUiType(), -3);
    EXPECT_EQ(s.GetEra(), 99);
}

} // namespace
