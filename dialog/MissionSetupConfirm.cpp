// OK: everything the dialog shows into the settings, then the settings files.

#include "dialog/MissionSetupDialog.h"

#include "dialog/MissionTables.h"
#include "dialog/OddsText.h"
#include "settings/TextForms.h"

namespace {

// Enough for any text the program writes into an odds field and more than
// typing or pasting can put there.
constexpr int kOddsReadChars = 63;

} // namespace

// The whole text of an odds field is read and held to what the field allows,
// so 999 confirmed with Enter (before the field could correct itself) is
// stored as 100, not wrapped; a negative value loaded from the file stays.
int MissionSetupDialog::OddsToStore(int fieldId) {
    return ClampOdds(LeadingInteger(OddsField(fieldId).GetText(kOddsReadChars)));
}

void MissionSetupDialog::StoreControlsInSettings() {
    TransferFromControls();
    theSettings.SetMultiplier(m_multiplier);

    theSettings.ClearRaces();
    theSettings.SetRaceMode(m_raceMode == kMixed ? RACEMODE_MIXED : RACEMODE_SINGLE);
    for (const RaceRow& race : kRaces)
        if (this->*race.member != 0)
            theSettings.AddRace(race.bit);

    for (const ModRow& mod : kMods)
        (theSettings.*mod.set)(this->*mod.member != 0);

    // Every odds field is stored, used or not, enabled or not.
    theSettings.ClearHulls();
    for (const HullRow& hull : kHulls) {
        if (this->*hull.member != 0)
            theSettings.AddHull(hull.bit);
        theSettings.SetHullPercent(hull.odds, OddsToStore(hull.oddsId));
    }
    theSettings.SetHullPercent(ODDS_MONSTER, OddsToStore(IDC_ODDS_MONSTER));

    theSettings.SetEra(CheckedEra());
    theSettings.SetUiType(m_aiLevel);
}

void MissionSetupDialog::ConfirmDialog() {
    StoreControlsInSettings();
    // An empty race set is never written: the game would have no enemy to field.
    if (theSettings.GetRaces() == 0) {
        ShowMessage("You must select at least one race to continue.", "No race selected!", MB_OK);
        return;
    }
    if (!theSettings.Save()) {
        DWORD code = GetLastError();
        // The dialog stays open with the edits, so the player can retry or cancel.
        ShowMessage("Error saving to scripts.ini; code " + FormatInt(static_cast<int32_t>(code)) +
                    ".");
        return;
    }
    Dialog::ConfirmDialog();
}
