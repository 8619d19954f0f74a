#pragma once
// The dialog's tables: which member and control stand for which race, hull
// class and mod-support switch. Start-up, the race-mode change, Reset Defaults
// and OK all loop over these.

#include "app/resource.h"
#include "dialog/MissionSetupDialog.h"
#include "settings/MissionSettings.h"

using Flag = int MissionSetupDialog::*;
using MS = MissionSettings;

struct RaceRow {
    RaceBit bit;
    int boxId;
    Flag member;
};

inline constexpr RaceRow kRaces[] = {
    {RACE_FEDERATION, IDC_RACE_FEDERATION, &MissionSetupDialog::m_raceFederation},
    {RACE_KLINGON, IDC_RACE_KLINGON, &MissionSetupDialog::m_raceKlingon},
    {RACE_ROMULAN, IDC_RACE_ROMULAN, &MissionSetupDialog::m_raceRomulan},
    {RACE_LYRAN, IDC_RACE_LYRAN, &MissionSetupDialog::m_raceLyran},
    {RACE_HYDRAN, IDC_RACE_HYDRAN, &MissionSetupDialog::m_raceHydran},
    {RACE_GORN, IDC_RACE_GORN, &MissionSetupDialog::m_raceGorn},
    {RACE_ISC, IDC_RACE_ISC, &MissionSetupDialog::m_raceIsc},
    {RACE_MIRAK, IDC_RACE_MIRAK, &MissionSetupDialog::m_raceMirak},
    {RACE_ORION_CARTEL, IDC_RACE_ORION_CARTEL, &MissionSetupDialog::m_raceOrionCartel},
    {RACE_KORGATH, IDC_RACE_KORGATH, &MissionSetupDialog::m_raceKorgath},
    {RACE_PRIME_INDUSTRIES, IDC_RACE_PRIME_INDUSTRIES, &MissionSetupDialog::m_racePrimeIndustries},
    {RACE_TIGER_HEART, IDC_RACE_TIGER_HEART, &MissionSetupDialog::m_raceTigerHeart},
    {RACE_BEAST_RAIDERS, IDC_RACE_BEAST_RAIDERS, &MissionSetupDialog::m_raceBeastRaiders},
    {RACE_SYNDICATE, IDC_RACE_SYNDICATE, &MissionSetupDialog::m_raceSyndicate},
    {RACE_WYLDEFIRE, IDC_RACE_WYLDEFIRE, &MissionSetupDialog::m_raceWyldeFire},
    {RACE_CAMBORO, IDC_RACE_CAMBORO, &MissionSetupDialog::m_raceCamboro},
    {RACE_UNALIGNED_PIRATES, IDC_RACE_UNALIGNED_PIRATES,
     &MissionSetupDialog::m_raceUnalignedPirates},
    {RACE_MONSTER, IDC_RACE_MONSTER, &MissionSetupDialog::m_raceMonster},
};

// In odds-index order, Frigate to Battleship.
struct HullRow {
    HullBit bit;
    OddsIndex odds;
    int useId;
    int oddsId;
    Flag member;
    int defaultOdds;
};

inline constexpr HullRow kHulls[] = {
    {HULL_FRIGATE, ODDS_FRIGATE, IDC_USE_FRIGATE, IDC_ODDS_FRIGATE,
     &MissionSetupDialog::m_useFrigate, 80},
    {HULL_DESTROYER, ODDS_DESTROYER, IDC_USE_DESTROYER, IDC_ODDS_DESTROYER,
     &MissionSetupDialog::m_useDestroyer, 70},
    {HULL_WAR_DESTROYER, ODDS_WAR_DESTROYER, IDC_USE_WAR_DESTROYER, IDC_ODDS_WAR_DESTROYER,
     &MissionSetupDialog::m_useWarDestroyer, 50},
    {HULL_LIGHT_CRUISER, ODDS_LIGHT_CRUISER, IDC_USE_LIGHT_CRUISER, IDC_ODDS_LIGHT_CRUISER,
     &MissionSetupDialog::m_useLightCruiser, 65},
    {HULL_HEAVY_CRUISER, ODDS_HEAVY_CRUISER, IDC_USE_HEAVY_CRUISER, IDC_ODDS_HEAVY_CRUISER,
     &MissionSetupDialog::m_useHeavyCruiser, 60},
    {HULL_NEW_HEAVY_CRUISER, ODDS_NEW_HEAVY_CRUISER, IDC_USE_NEW_HEAVY_CRUISER,
     IDC_ODDS_NEW_HEAVY_CRUISER, &MissionSetupDialog::m_useNewHeavyCruiser, 45},
    {HULL_HEAVY_BATTLECRUISER, ODDS_HEAVY_BATTLECRUISER, IDC_USE_HEAVY_BATTLECRUISER,
     IDC_ODDS_HEAVY_BATTLECRUISER, &MissionSetupDialog::m_useHeavyBattlecruiser, 55},
    {HULL_CARRIER, ODDS_CARRIER, IDC_USE_CARRIER, IDC_ODDS_CARRIER,
     &MissionSetupDialog::m_useCarrier, 20},
    {HULL_DREADNOUGHT, ODDS_DREADNOUGHT, IDC_USE_DREADNOUGHT, IDC_ODDS_DREADNOUGHT,
     &MissionSetupDialog::m_useDreadnought, 30},
    {HULL_BATTLESHIP, ODDS_BATTLESHIP, IDC_USE_BATTLESHIP, IDC_ODDS_BATTLESHIP,
     &MissionSetupDialog::m_useBattleship, 10},
};

inline constexpr int kMonsterDefaultOdds = 10;

struct ModRow {
    int boxId;
    Flag member;
    bool (MS::*get)() const;
    void (MS::*set)(bool);
};

inline constexpr ModRow kMods[] = {
    {IDC_MOD_X1_ERA, &MissionSetupDialog::m_modX1Era, &MS::GetModX1Era, &MS::SetModX1Era},
    {IDC_MOD_FAVOR_X1, &MissionSetupDialog::m_modFavorX1, &MS::GetModFavorX1, &MS::SetModFavorX1},
    {IDC_MOD_FIGHTER_LOADOUTS, &MissionSetupDialog::m_modFighterLoadouts,
     &MS::GetModFighterLoadouts, &MS::SetModFighterLoadouts},
};

inline constexpr char kSingle[] = "Single";
inline constexpr char kMixed[] = "Mixed";
