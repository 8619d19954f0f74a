#include "dialog/MissionSetupDialog.h"

#include "dialog/MissionTables.h"
#include "framework/DataExchange.h"

#include <commctrl.h>

namespace {

struct FlagBinding {
    int boxId;
    Flag member;
};

// The check boxes in the order the transfers visit them: the first four come
// before the multiplier, the mod-support boxes after the two lists.
constexpr FlagBinding kFlagsBeforeMultiplier[] = {
    {IDC_USE_BATTLESHIP, &MissionSetupDialog::m_useBattleship},
    {IDC_USE_CARRIER, &MissionSetupDialog::m_useCarrier},
    {IDC_USE_DESTROYER, &MissionSetupDialog::m_useDestroyer},
    {IDC_USE_DREADNOUGHT, &MissionSetupDialog::m_useDreadnought},
};

constexpr FlagBinding kFlagsAfterMultiplier[] = {
    {IDC_RACE_FEDERATION, &MissionSetupDialog::m_raceFederation},
    {IDC_USE_FRIGATE, &MissionSetupDialog::m_useFrigate},
    {IDC_USE_HEAVY_BATTLECRUISER, &MissionSetupDialog::m_useHeavyBattlecruiser},
    {IDC_USE_HEAVY_CRUISER, &MissionSetupDialog::m_useHeavyCruiser},
    {IDC_USE_LIGHT_CRUISER, &MissionSetupDialog::m_useLightCruiser},
    {IDC_USE_NEW_HEAVY_CRUISER, &MissionSetupDialog::m_useNewHeavyCruiser},
    {IDC_USE_WAR_DESTROYER, &MissionSetupDialog::m_useWarDestroyer},
    {IDC_RACE_GORN, &MissionSetupDialog::m_raceGorn},
    {IDC_RACE_HYDRAN, &MissionSetupDialog::m_raceHydran},
    {IDC_RACE_ISC, &MissionSetupDialog::m_raceIsc},
    {IDC_RACE_KLINGON, &MissionSetupDialog::m_raceKlingon},
    {IDC_RACE_LYRAN, &MissionSetupDialog::m_raceLyran},
    {IDC_RACE_MIRAK, &MissionSetupDialog::m_raceMirak},
    {IDC_RACE_MONSTER, &MissionSetupDialog::m_raceMonster},
    {IDC_RACE_UNALIGNED_PIRATES, &MissionSetupDialog::m_raceUnalignedPirates},
    {IDC_RACE_ROMULAN, &MissionSetupDialog::m_raceRomulan},
    {IDC_RACE_ORION_CARTEL, &MissionSetupDialog::m_raceOrionCartel},
    {IDC_RACE_BEAST_RAIDERS, &MissionSetupDialog::m_raceBeastRaiders},
    {IDC_RACE_WYLDEFIRE, &MissionSetupDialog::m_raceWyldeFire},
    {IDC_RACE_KORGATH, &MissionSetupDialog::m_raceKorgath},
    {IDC_RACE_TIGER_HEART, &MissionSetupDialog::m_raceTigerHeart},
    {IDC_RACE_CAMBORO, &MissionSetupDialog::m_raceCamboro},
    {IDC_RACE_SYNDICATE, &MissionSetupDialog::m_raceSyndicate},
    {IDC_RACE_PRIME_INDUSTRIES, &MissionSetupDialog::m_racePrimeIndustries},
};

} // namespace

MissionSetupDialog::MissionSetupDialog()
    : Dialog(IDD_MISSION_SETUP),
      m_hIcon(LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME))) {}

// The icon is a shared resource of the program and is not destroyed.
MissionSetupDialog::~MissionSetupDialog() = default;

void MissionSetupDialog::ExchangeData(DataExchange& exchange) {
    for (int i = 0; i < 11; ++i)
        exchange.Attach(IDC_ODDS_MONSTER - i, m_oddsEdit[i]);
    exchange.Attach(IDC_DIFFICULTY, m_difficulty);
    for (int i = 0; i < 5; ++i)
        exchange.Attach(IDC_ERA_EARLY + i, m_eraButton[i]);
    for (const FlagBinding& flag : kFlagsBeforeMultiplier)
        exchange.CheckBox(flag.boxId, this->*flag.member);
    exchange.FloatText(IDC_MULTIPLIER, m_multiplier);
    for (const FlagBinding& flag : kFlagsAfterMultiplier)
        exchange.CheckBox(flag.boxId, this->*flag.member);
    exchange.ComboText(IDC_RACE_MODE, m_raceMode);
    exchange.ComboIndex(IDC_AI_LEVEL, m_aiLevel);
    for (const ModRow& mod : kMods)
        exchange.CheckBox(mod.boxId, this->*mod.member);
}

RouteTable MissionSetupDialog::Routes() const {
    using D = MissionSetupDialog;
    static constexpr MessageRoute routes[] = {
        OnSysCommand<&D::OnSystemCommand>(),
        OnPaint<&D::OnPaintWindow>(),
        OnQueryDragIcon<&D::OnDragIconQuery>(),
        OnCommand<&D::OnResetDefaults>(BN_CLICKED, IDC_RESET_DEFAULTS),
        OnCommand<&D::OnRaceModeChanged>(CBN_SELCHANGE, IDC_RACE_MODE),
        OnNotify<&D::OnDifficultyReleasedCapture>(NM_RELEASEDCAPTURE, IDC_DIFFICULTY),
        OnHorizontalScroll<&D::OnDifficultyScroll>(),
        OnCommandId<&D::OnUseHullClicked>(BN_CLICKED, IDC_USE_BATTLESHIP),
        OnCommandId<&D::OnUseHullClicked>(BN_CLICKED, IDC_USE_CARRIER),
        OnCommandId<&D::OnUseHullClicked>(BN_CLICKED, IDC_USE_DESTROYER),
        OnCommandId<&D::OnUseHullClicked>(BN_CLICKED, IDC_USE_DREADNOUGHT),
        OnCommandId<&D::OnUseHullClicked>(BN_CLICKED, IDC_USE_FRIGATE),
        OnCommandId<&D::OnUseHullClicked>(BN_CLICKED, IDC_USE_HEAVY_BATTLECRUISER),
        OnCommandId<&D::OnUseHullClicked>(BN_CLICKED, IDC_USE_HEAVY_CRUISER),
        OnCommandId<&D::OnUseHullClicked>(BN_CLICKED, IDC_USE_LIGHT_CRUISER),
        OnCommandId<&D::OnUseHullClicked>(BN_CLICKED, IDC_USE_NEW_HEAVY_CRUISER),
        OnCommandId<&D::OnUseHullClicked>(BN_CLICKED, IDC_USE_WAR_DESTROYER),
        OnCommand<&D::OnMonsterClicked>(BN_CLICKED, IDC_RACE_MONSTER),
    };
    return MakeRouteTable(routes);
}

PercentEdit& MissionSetupDialog::OddsField(int fieldId) {
    return m_oddsEdit[IDC_ODDS_MONSTER - fieldId];
}

void MissionSetupDialog::ApplyMonsterOddsRule() {
    OddsField(IDC_ODDS_MONSTER).Enable(m_raceMonster != 0 && m_raceMode == kMixed);
}

void MissionSetupDialog::CheckEra(int era) {
    bool forced = era >= ERA_EARLY && era <= ERA_ADVANCED;
    CheckRadio(IDC_ERA_EARLY, IDC_ERA_GAME, forced ? IDC_ERA_EARLY + era : IDC_ERA_GAME);
}

int MissionSetupDialog::CheckedEra() const {
    for (int era = ERA_EARLY; era <= ERA_ADVANCED; ++era)
        if (IsChecked(IDC_ERA_EARLY + era))
            return era;
    return ERA_GAME;
}
