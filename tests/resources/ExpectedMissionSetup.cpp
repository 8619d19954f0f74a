#include "resources/ExpectedMissionSetup.h"

#include "app/resource.h"

#include <commctrl.h>

namespace {

// Indexed by Kind.
const KindStyle kKindStyles[] = {
    {"Button", BS_GROUPBOX},
    {"Static", SS_LEFT | WS_GROUP},
    {"Button", BS_AUTOCHECKBOX | WS_TABSTOP},
    {"Button", BS_AUTORADIOBUTTON},
    {"Edit", ES_LEFT | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP},
    {"Edit", ES_CENTER | ES_READONLY | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP},
    {"ComboBox", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP},
    {"ComboBox", CBS_DROPDOWNLIST | CBS_SORT | WS_VSCROLL | WS_TABSTOP},
    {"msctls_trackbar32", TBS_NOTICKS | WS_TABSTOP},
    {"Button", BS_PUSHBUTTON | WS_TABSTOP},
    {"Button", BS_DEFPUSHBUTTON | WS_TABSTOP},
};
static_assert(sizeof(kKindStyles) / sizeof(kKindStyles[0]) ==
                  static_cast<size_t>(Kind::DefPushButton) + 1,
              "one style entry per kind");

// The label under the slider: "Easy", 17 blanks, "Avg", 14, "Hard", 14, "Nasty".
constexpr char kDifficultyScale[] = "Easy                 Avg              Hard              Nasty";
static_assert(sizeof(kDifficultyScale) == 61 + 1, "the scale label has 61 characters");

} // namespace

const KindStyle& StyleOf(Kind kind) {
    return kKindStyles[static_cast<size_t>(kind)];
}

// In creation order; the comment is the place in that order, counted from 1.
const ExpectedControl kMissionSetupControls[kMissionSetupControlCount] = {
    {IDC_STATIC, Kind::GroupBox, "Difficulty", 7, 9, 358, 44},                          // 1
    {IDC_DIFFICULTY, Kind::Slider, "Slider1", 13, 22, 159, 15},                         // 2
    {IDC_MULTIPLIER, Kind::MultiplierEdit, "", 183, 27, 40, 12},                        // 3
    {IDC_STATIC, Kind::Label, kDifficultyScale, 17, 40, 151, 8},                        // 4
    {IDC_STATIC, Kind::Label, "AI Intelligence:", 253, 15, 48, 8},                      // 5
    {IDC_AI_LEVEL, Kind::AiLevelCombo, "", 253, 28, 81, 52},                            // 6
    {IDC_STATIC, Kind::GroupBox, "Races", 7, 57, 358, 82},                              // 7
    {IDC_STATIC, Kind::Label, "Use:", 14, 72, 16, 8},                                   // 8
    {IDC_RACE_MODE, Kind::RaceModeCombo, "", 33, 70, 66, 56},                           // 9
    {IDC_RACE_FEDERATION, Kind::CheckBox, "Federation", 14, 86, 49, 10},                // 10
    {IDC_RACE_LYRAN, Kind::CheckBox, "Lyran", 14, 122, 33, 10},                         // 11
    {IDC_RACE_MIRAK, Kind::CheckBox, "Mirak", 103, 122, 33, 10},                        // 12
    {IDC_RACE_KLINGON, Kind::CheckBox, "Klingon", 14, 98, 39, 10},                      // 13
    {IDC_RACE_GORN, Kind::CheckBox, "Gorn", 103, 98, 31, 10},                           // 14
    {IDC_RACE_ISC, Kind::CheckBox, "ISC", 103, 110, 27, 10},                            // 15
    {IDC_RACE_MONSTER, Kind::CheckBox, "Monster (Odds %):", 223, 72, 73, 10},           // 16
    {IDC_RACE_ROMULAN, Kind::CheckBox, "Romulan", 14, 110, 44, 10},                     // 17
    {IDC_RACE_HYDRAN, Kind::CheckBox, "Hydran", 103, 86, 39, 10},                       // 18
    {IDC_RACE_UNALIGNED_PIRATES, Kind::CheckBox, "Unaligned Pirates", 128, 72, 71, 10}, // 19
    {IDC_USE_BATTLESHIP, Kind::CheckBox, "", 15, 166, 8, 10},                           // 20
    {IDC_STATIC, Kind::Label, "Battleship", 81, 166, 32, 8},                            // 21
    {IDC_ODDS_BATTLESHIP, Kind::OddsEdit, "", 43, 166, 23, 14},                         // 22
    {IDC_STATIC, Kind::GroupBox, "Hulls", 7, 141, 274, 113},                            // 23
    {IDC_STATIC, Kind::Label, "Dreadnought", 81, 183, 42, 8},                           // 24
    {IDC_ODDS_DREADNOUGHT, Kind::OddsEdit, "", 43, 183, 23, 14},                        // 25
    {IDC_USE_CARRIER, Kind::CheckBox, "", 15, 200, 8, 10},                              // 26
    {IDC_STATIC, Kind::Label, "Carrier", 81, 200, 21, 8},                               // 27
    {IDC_ODDS_CARRIER, Kind::OddsEdit, "", 43, 200, 23, 14},                            // 28
    {IDC_USE_HEAVY_BATTLECRUISER, Kind::CheckBox, "", 15, 217, 8, 10},                  // 29
    {IDC_STATIC, Kind::Label, "Heavy Battlecruiser", 81, 217, 62, 8},                   // 30
    {IDC_ODDS_HEAVY_BATTLECRUISER, Kind::OddsEdit, "", 43, 217, 23, 14},                // 31
    {IDC_USE_NEW_HEAVY_CRUISER, Kind::CheckBox, "", 15, 234, 8, 10},                    // 32
    {IDC_STATIC, Kind::Label, "New Heavy Cruiser", 81, 234, 62, 8},                     // 33
    {IDC_ODDS_NEW_HEAVY_CRUISER, Kind::OddsEdit, "", 43, 234, 23, 14},                  // 34
    {IDC_USE_HEAVY_CRUISER, Kind::CheckBox, "", 159, 166, 8, 10},                       // 35
    {IDC_ODDS_HEAVY_CRUISER, Kind::OddsEdit, "", 185, 166, 25, 14},                     // 36
    {IDC_STATIC, Kind::Label, "Heavy Cruiser", 226, 166, 45, 8},                        // 37
    {IDC_USE_LIGHT_CRUISER, Kind::CheckBox, "", 159, 183, 8, 10},                       // 38
    {IDC_ODDS_LIGHT_CRUISER, Kind::OddsEdit, "", 185, 183, 25, 14},                     // 39
    {IDC_STATIC, Kind::Label, "Light Cruiser", 225, 183, 40, 8},                        // 40
    {IDC_USE_WAR_DESTROYER, Kind::CheckBox, "", 159, 200, 8, 10},                       // 41
    {IDC_ODDS_WAR_DESTROYER, Kind::OddsEdit, "", 185, 200, 25, 14},                     // 42
    {IDC_STATIC, Kind::Label, "War Destroyer", 225, 200, 46, 8},                        // 43
    {IDC_USE_DESTROYER, Kind::CheckBox, "", 159, 217, 8, 10},                           // 44
    {IDC_ODDS_DESTROYER, Kind::OddsEdit, "", 185, 217, 25, 14},                         // 45
    {IDC_STATIC, Kind::Label, "Destroyer", 225, 217, 31, 8},                            // 46
    {IDC_USE_FRIGATE, Kind::CheckBox, "", 159, 234, 8, 10},                             // 47
    {IDC_ODDS_FRIGATE, Kind::OddsEdit, "", 185, 234, 25, 14},                           // 48
    {IDC_STATIC, Kind::Label, "Frigate", 225, 234, 22, 8},                              // 49
    {IDCANCEL, Kind::PushButton, "Cancel", 7, 311, 50, 14},                             // 50
    {IDC_RESET_DEFAULTS, Kind::PushButton, "Reset Defaults", 64, 311, 56, 14},          // 51
    {IDOK, Kind::DefPushButton, "OK", 315, 311, 50, 14},                                // 52
    {IDC_USE_DREADNOUGHT, Kind::CheckBox, "", 15, 183, 8, 10},                          // 53
    {IDC_ODDS_MONSTER, Kind::OddsEdit, "", 300, 70, 28, 14},                            // 54
    {IDC_STATIC, Kind::Label, "Use?", 13, 153, 18, 8},                                  // 55
    {IDC_STATIC, Kind::Label, "Odds (%)", 41, 153, 29, 8},                              // 56
    {IDC_STATIC, Kind::Label, "Hull Class", 82, 153, 32, 8},                            // 57
    {IDC_STATIC, Kind::Label, "Use?", 155, 153, 18, 8},                                 // 58
    {IDC_STATIC, Kind::Label, "Odds (%)", 183, 153, 29, 8},                             // 59
    {IDC_STATIC, Kind::Label, "Hull Class", 226, 153, 32, 8},                           // 60
    {IDC_RACE_ORION_CARTEL, Kind::CheckBox, "Orion Cartel", 187, 86, 53, 10},           // 61
    {IDC_RACE_KORGATH, Kind::CheckBox, "House of Korgath", 187, 98, 71, 10},            // 62
    {IDC_RACE_PRIME_INDUSTRIES, Kind::CheckBox, "Prime Industries", 187, 110, 65, 10},  // 63
    {IDC_RACE_TIGER_HEART, Kind::CheckBox, "Tiger Heart Cartel", 187, 122, 71, 10},     // 64
    {IDC_RACE_BEAST_RAIDERS, Kind::CheckBox, "Beast Raiders", 275, 86, 60, 10},         // 65
    {IDC_RACE_SYNDICATE, Kind::CheckBox, "Syndicate", 275, 98, 47, 10},                 // 66
    {IDC_RACE_WYLDEFIRE, Kind::CheckBox, "WyldeFire Combine", 275, 110, 77, 10},        // 67
    {IDC_RACE_CAMBORO, Kind::CheckBox, "Camboro", 275, 122, 44, 10},                    // 68
    {IDC_STATIC, Kind::GroupBox, "Mod Support", 7, 257, 358, 53},                       // 69
    {IDC_MOD_X1_ERA, Kind::CheckBox, "Treat 2290-2299 as a separate era (X1) (ie: Drakmoor+)", 13,
     268, 169, 10}, // 70
    {IDC_MOD_FAVOR_X1, Kind::CheckBox,
     "Increase chance for AI X1 and Advanced ships if players pick any ", 13, 281, 225, 10}, // 71
    {IDC_STATIC, Kind::GroupBox, "Enemy Fleet Era", 288, 141, 77, 113},                      // 72
    {IDC_ERA_EARLY, Kind::EraButton, "Early", 297, 166, 31, 10},                             // 73
    {IDC_ERA_MIDDLE, Kind::EraButton, "Middle", 297, 179, 37, 10},                           // 74
    {IDC_ERA_LATE, Kind::EraButton, "Late", 297, 193, 30, 10},                               // 75
    {IDC_ERA_ADVANCED, Kind::EraButton, "Advanced", 297, 207, 49, 10},                       // 76
    {IDC_MOD_FIGHTER_LOADOUTS, Kind::CheckBox,
     "Attempt to improve fighter loadouts on AI carrier ships", 13, 294, 183, 10}, // 77
    {IDC_ERA_GAME, Kind::EraButton, "Use Game's", 297, 228, 54, 10},               // 78
    {IDC_STATIC, Kind::Label, "(option: off)", 297, 238, 36, 8},                   // 79
    {IDC_STATIC, Kind::Label, "Force AI fleet Era to:", 291, 154, 66, 8},          // 80
};

const ComboItem kComboItems[kComboItemCount] = {
    {IDC_AI_LEVEL, "Captain"}, {IDC_AI_LEVEL, "Commodore"}, {IDC_AI_LEVEL, "Admiral"},
    {IDC_RACE_MODE, "Single"}, {IDC_RACE_MODE, "Mixed"},
};
