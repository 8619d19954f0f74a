// What the dialog does while the user edits: the slider drives the
// multiplier, the "Use?" and Monster boxes enable their odds fields, the race
// mode switches the race boxes between the two race sets, and Reset Defaults.

#include "dialog/MissionSetupDialog.h"

#include "dialog/MissionTables.h"
#include "settings/TextForms.h"

#include <commctrl.h>

namespace {

constexpr float kLowest = 0.5f;
constexpr float kHighest = 3.0f;
constexpr float kLine = 0.01f;
constexpr float kPage = 0.1f;
constexpr float kDefaultMultiplier = 1.1f;
constexpr int kDefaultSliderPosition = 10;

// A step toward one end stops at that end only: a loaded value beyond the
// other end is left to come back step by step.
float StepDown(float m, float step) {
    m = m - step;
    return m < kLowest ? kLowest : m;
}

float StepUp(float m, float step) {
    m = m + step;
    return m > kHighest ? kHighest : m;
}

} // namespace

void MissionSetupDialog::OnDifficultyScroll(UINT code, int position, HWND) {
    TransferFromControls();
    // Steps start from the multiplier as the field shows it, not from the slider.
    float& m = m_multiplier;
    switch (code) {
    case TB_LINEUP:
        m = StepDown(m, kLine);
        break;
    case TB_LINEDOWN:
        m = StepUp(m, kLine);
        break;
    case TB_PAGEUP:
        m = StepDown(m, kPage);
        break;
    case TB_PAGEDOWN:
        m = StepUp(m, kPage);
        break;
    case TB_THUMBPOSITION:
    case TB_THUMBTRACK:
        m = static_cast<float>(position / 100.0 + 1.0);
        break;
    case TB_TOP:
        m = kLowest;
        break;
    case TB_BOTTOM:
        m = kHighest;
        break;
    default:
        break;
    }
    TransferToControls();
}

void MissionSetupDialog::OnDifficultyReleasedCapture(NMHDR*, LRESULT* result) {
    *result = 0;
}

void MissionSetupDialog::OnUseHullClicked(int boxId) {
    for (const HullRow& hull : kHulls)
        if (hull.useId == boxId)
            OddsField(hull.oddsId)
                .Enable(SendDlgItemMessageA(Window(), boxId, BM_GETCHECK, 0, 0) != 0);
}

void MissionSetupDialog::OnMonsterClicked() {
    TransferFromControls();
    ApplyMonsterOddsRule();
}

void MissionSetupDialog::OnRaceModeChanged() {
    TransferFromControls();
    // The boxes still show the set of the mode being left, which is still current.
    theSettings.ClearRaces();
    for (const RaceRow& race : kRaces)
        if (this->*race.member != 0)
            theSettings.AddRace(race.bit);
    theSettings.SetRaceMode(m_raceMode == kSingle ? RACEMODE_SINGLE : RACEMODE_MIXED);
    // Only ticked boxes set their bit here; OK settles all three.
    for (const ModRow& mod : kMods)
        if (this->*mod.member != 0)
            (theSettings.*mod.set)(true);
    for (const RaceRow& race : kRaces)
        this->*race.member = theSettings.HasRace(race.bit) ? 1 : 0;
    ApplyMonsterOddsRule();
    TransferToControls();
}

void MissionSetupDialog::OnResetDefaults() {
    m_multiplier = kDefaultMultiplier;
    m_aiLevel = AI_COMMODORE;
    m_difficulty.SetPos(kDefaultSliderPosition);
    m_raceMode = kSingle;
    theSettings.SetRaceMode(RACEMODE_SINGLE);
    for (const HullRow& hull : kHulls)
        this->*hull.member = 1;
    for (const HullRow& hull : kHulls) {
        PercentEdit& field = OddsField(hull.oddsId);
        field.SetText(FormatInt(hull.defaultOdds));
        field.Enable(this->*hull.member == 1);
    }
    OddsField(IDC_ODDS_MONSTER).SetText(FormatInt(kMonsterDefaultOdds));
    ApplyMonsterOddsRule();
    for (const RaceRow& race : kRaces)
        this->*race.member = 1;
    for (const ModRow& mod : kMods)
        this->*mod.member = 1;
    CheckEra(ERA_GAME);
    TransferToControls();
    OnRaceModeChanged();
}
