// Start-up: the controls that need more than the template gives them, then the
// stored settings into the members and controls.

#include "dialog/MissionSetupDialog.h"

#include "dialog/MissionTables.h"
#include "settings/TextForms.h"

#include <cmath>

namespace {

constexpr int kOddsChars = 3;
constexpr int kSliderMin = -50;
constexpr int kSliderMax = 200;

// The slider position for a multiplier: m * 100 - 100 truncated toward zero.
// The slider cannot go past its range, so values beyond it stand at its ends.
int SliderPosition(float multiplier) {
    double position = std::trunc(static_cast<double>(multiplier) * 100.0 - 100.0);
    if (!(position >= kSliderMin))
        return kSliderMin;
    if (position > kSliderMax)
        return kSliderMax;
    return static_cast<int>(position);
}

} // namespace

bool MissionSetupDialog::InitializeDialog() {
    if (!Dialog::InitializeDialog())
        return false;
    LimitOddsFields();
    AddAboutItem();
    SetIcons();
    SetSliderScale();
    if (!theSettings.Load()) {
        DWORD code = GetLastError();
        ShowMessage("Error reading from scripts.ini; code " +
                    FormatInt(static_cast<int32_t>(code)) + ".");
        return false;
    }
    ShowSettings();
    TransferToControls();
    OnRaceModeChanged();
    return true;
}

void MissionSetupDialog::LimitOddsFields() {
    for (const HullRow& hull : kHulls)
        OddsField(hull.oddsId).LimitText(kOddsChars);
    OddsField(IDC_ODDS_MONSTER).LimitText(kOddsChars);
}

void MissionSetupDialog::AddAboutItem() {
    HMENU menu = GetSystemMenu(Window(), FALSE);
    if (menu == nullptr)
        return;
    char text[256] = "";
    if (LoadStringA(GetModuleHandleA(nullptr), IDS_ABOUTBOX, text, sizeof(text)) <= 0)
        return;
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, IDM_ABOUTBOX, text);
}

void MissionSetupDialog::SetIcons() {
    SendMessageA(Window(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessageA(Window(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
}

// A position p stands for the multiplier p / 100 + 1: 0.5 to 3.0 in hundredths.
void MissionSetupDialog::SetSliderScale() {
    m_difficulty.SetRange(kSliderMin, kSliderMax, false);
    m_difficulty.SetLineSize(1);
    m_difficulty.SetPageSize(10);
}

void MissionSetupDialog::ShowSettings() {
    m_multiplier = theSettings.GetMultiplier();
    m_difficulty.SetPos(SliderPosition(m_multiplier));
    m_difficulty.SetRange(kSliderMin, kSliderMax, true);

    m_raceMode = theSettings.GetRaceMode() != 0 ? kMixed : kSingle;

    for (const HullRow& hull : kHulls) {
        int& use = this->*hull.member;
        use = theSettings.HasHull(hull.bit) ? 1 : 0;
        SendDlgItemMessageA(Window(), hull.useId, BM_SETCHECK, use, 0);
        OddsField(hull.oddsId).Enable(use == 1);
    }
    for (const RaceRow& race : kRaces)
        this->*race.member = theSettings.HasRace(race.bit) ? 1 : 0;
    for (const HullRow& hull : kHulls) {
        PercentEdit& field = OddsField(hull.oddsId);
        field.SetText(FormatInt(theSettings.GetHullPercent(hull.odds)));
        field.Enable(this->*hull.member == 1);
    }
    OddsField(IDC_ODDS_MONSTER).SetText(FormatInt(theSettings.GetHullPercent(ODDS_MONSTER)));
    ApplyMonsterOddsRule();

    for (const ModRow& mod : kMods)
        this->*mod.member = (theSettings.*mod.get)() ? 1 : 0;
    CheckEra(theSettings.GetEra());
    m_aiLevel = theSettings.GetUiType();
}
