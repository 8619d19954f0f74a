#pragma once
// The mission's settings dialog: every setting of the co-operative mission in
// one window, filled from the settings files at start-up and written back on OK.

#include "dialog/PercentEdit.h"
#include "framework/Controls.h"
#include "framework/Dialog.h"

#include <string>

class MissionSetupDialog : public Dialog {
public:
    MissionSetupDialog();
    ~MissionSetupDialog() override;

    // The dialog's working copy of the settings, bound to its controls.
    PercentEdit m_oddsEdit[11]; // element i is bound to odds field 1048 - i
    Slider m_difficulty;
    Button m_eraButton[5]; // element i is bound to era button 1200 + i
    int m_useBattleship = 0;
    int m_useCarrier = 0;
    int m_useDestroyer = 0;
    int m_useDreadnought = 0;
    float m_multiplier = 0.0f;
    int m_raceFederation = 0;
    int m_useFrigate = 0;
    int m_useHeavyBattlecruiser = 0;
    int m_useHeavyCruiser = 0;
    int m_useLightCruiser = 0;
    int m_useNewHeavyCruiser = 0;
    int m_useWarDestroyer = 0;
    int m_raceGorn = 0;
    int m_raceHydran = 0;
    int m_raceIsc = 0;
    int m_raceKlingon = 0;
    int m_raceLyran = 0;
    int m_raceMirak = 0;
    int m_raceMonster = 0;
    int m_raceUnalignedPirates = 0;
    int m_raceRomulan = 0;
    int m_raceOrionCartel = 0;
    int m_raceBeastRaiders = 0;
    int m_raceWyldeFire = 0;
    int m_raceKorgath = 0;
    int m_raceTigerHeart = 0;
    int m_raceCamboro = 0;
    int m_raceSyndicate = 0;
    int m_racePrimeIndustries = 0;
    int m_modX1Era = 0;
    int m_modFavorX1 = 0;
    int m_modFighterLoadouts = 0;
    std::string m_raceMode;
    int m_aiLevel = -1;
    HICON m_hIcon;

protected:
    bool InitializeDialog() override;
    void ConfirmDialog() override;
    void ExchangeData(DataExchange& exchange) override;
    RouteTable Routes() const override;

private:
    // Start-up steps
    void LimitOddsFields();
    void AddAboutItem();
    void SetIcons();
    void SetSliderScale();
    void ShowSettings();

    // Interactions
    void OnDifficultyScroll(UINT code, int position, HWND control);
    void OnDifficultyReleasedCapture(NMHDR* header, LRESULT* result);
    void OnUseHullClicked(int boxId);
    void OnMonsterClicked();
    void OnRaceModeChanged();
    void OnResetDefaults();

    // The window around the dialog
    bool OnSystemCommand(UINT id, LPARAM lParam);
    bool OnPaintWindow();
    HCURSOR OnDragIconQuery();

    PercentEdit& OddsField(int fieldId);
    void ApplyMonsterOddsRule();
    void CheckEra(int era);
    int CheckedEra() const;
    void StoreControlsInSettings();
    int OddsToStore(int fieldId);
};
