// Opening the dialog: what it shows for the stored settings, what its first
// race-mode run leaves in the record, and what a failed load leaves behind.

#include "dialog_flow/FlowFixture.h"
#include "dialog_flow/IniFile.h"
#include "settings/MissionSettings.h"

#include <commctrl.h>

namespace {

using StartupTest = FlowTest;

const char kMainIni[] = "[Video]\r\nwidth=1024\r\n";

TEST_F(StartupTest, DefaultsOfAnEmptyFileAreShown) {
    OpenOn("", kMainIni);

    EXPECT_EQ(Text(IDC_MULTIPLIER), "1.1");
    EXPECT_EQ(dialog->m_multiplier, 1.1f);
    EXPECT_EQ(SliderPos(), 10);
    EXPECT_EQ(SelectedText(IDC_RACE_MODE), "Single");
    EXPECT_EQ(ShownRaces(), kAllRaces);
    for (const HullRow& hull : kHullRows) {
        EXPECT_TRUE(Checked(hull.useId)) << hull.name;
        EXPECT_TRUE(Enabled(hull.oddsId)) << hull.name;
        EXPECT_EQ(Text(hull.oddsId), std::to_string(hull.defaultOdds)) << hull.name;
    }
    EXPECT_EQ(Text(IDC_ODDS_MONSTER), "10");
    EXPECT_FALSE(Enabled(IDC_ODDS_MONSTER)) << "Monster is ticked, but the mode is Single";
    for (const ModBox& mod : kModBoxes)
        EXPECT_TRUE(Checked(mod.id)) << mod.id;
    EXPECT_EQ(CheckedEraButtons(), std::vector<int>{IDC_ERA_GAME});
    EXPECT_EQ(SelectedText(IDC_AI_LEVEL), "Captain");
    EXPECT_TRUE(boxes->Seen().empty());

    // The start-up's race-mode run cut the shown set to its races; the other
    // set is as loaded.
    EXPECT_EQ(theSettings.type, 0);
    EXPECT_EQ(theSettings.raceMask[0], kAllRaces);
    EXPECT_EQ(theSettings.raceMask[1], -1);
}

TEST_F(StartupTest, ControlsArePreparedWhetherOrNotTheLoadWorks) {
    for (bool loads : {true, false}) {
        SCOPED_TRACE(loads ? "loaded" : "load failed");
        if (loads)
            OpenOn(ScriptsIni({}), kMainIni);
        else
            OpenWithoutGame(ScriptsIni({}), kMainIni);

        for (const HullRow& hull : kHullRows)
            EXPECT_EQ(SendMessageA(Item(hull.oddsId), EM_GETLIMITTEXT, 0, 0), 3) << hull.name;
        EXPECT_EQ(SendMessageA(Item(IDC_ODDS_MONSTER), EM_GETLIMITTEXT, 0, 0), 3);

        HWND slider = Item(IDC_DIFFICULTY);
        EXPECT_EQ(SendMessageA(slider, TBM_GETRANGEMIN, 0, 0), -50);
        EXPECT_EQ(SendMessageA(slider, TBM_GETRANGEMAX, 0, 0), 200);
        EXPECT_EQ(SendMessageA(slider, TBM_GETLINESIZE, 0, 0), 1);
        EXPECT_EQ(SendMessageA(slider, TBM_GETPAGESIZE, 0, 0), 10);

        HMENU menu = GetSystemMenu(dialog->Window(), FALSE);
        int count = GetMenuItemCount(menu);
        ASSERT_GE(count, 2);
        EXPECT_EQ(GetMenuItemID(menu, count - 1), static_cast<UINT>(IDM_ABOUTBOX));
        char about[256] = "", expected[256] = "";
        GetMenuStringA(menu, count - 1, about, sizeof(about), MF_BYPOSITION);
        LoadStringA(GetModuleHandleA(nullptr), IDS_ABOUTBOX, expected, sizeof(expected));
        EXPECT_STRNE(about, "");
        EXPECT_STREQ(about, expected);
        EXPECT_TRUE(GetMenuState(menu, count - 2, MF_BYPOSITION) & MF_SEPARATOR);

        for (WPARAM size : {ICON_BIG, ICON_SMALL}) {
            auto icon =
                reinterpret_cast<HICON>(SendMessageA(dialog->Window(), WM_GETICON, size, 0));
            EXPECT_NE(icon, nullptr) << size;
            EXPECT_EQ(icon, dialog->m_hIcon) << size;
        }
    }
}

TEST_F(StartupTest, MultiplierSetsTheSliderTruncatedTowardZero) {
    struct Case {
        const char* stored;
        const char* shown;
        float value;
        int slider;
    } cases[] = {
        {"multiplier=1.10", "1.1", 1.1f, 10},      {"multiplier=1.0", "1", 1.0f, 0},
        {"multiplier=0.50", "0.5", 0.5f, -50},     {"multiplier=3.00", "3", 3.0f, 200},
        {"multiplier=2.3", "2.3", 2.3f, 129},      {"multiplier=1.15", "1.15", 1.15f, 14},
        {"multiplier=0.49", "0.49", 0.49f, -50},   {"multiplier=5", "5", 5.0f, 200},
        {"multiplier=1.234", "1.234", 1.234f, 23},
    };
    for (const Case& c : cases) {
        OpenOn(ScriptsIni({c.stored}), kMainIni);
        EXPECT_EQ(Text(IDC_MULTIPLIER), c.shown) << c.stored;
        EXPECT_EQ(dialog->m_multiplier, c.value) << c.stored;
        EXPECT_EQ(SliderPos(), c.slider) << c.stored;
    }
}

TEST_F(StartupTest, EraOutsideTheForcedOnesShowsUseGames) {
    struct Case {
        const char* stored;
        int button;
    } cases[] = {
        {"era=0", IDC_ERA_EARLY},    {"era=1", IDC_ERA_MIDDLE},         {"era=2", IDC_ERA_LATE},
        {"era=3", IDC_ERA_ADVANCED}, {"era=4", IDC_ERA_GAME},           {"era=7", IDC_ERA_GAME},
        {"era=-1", IDC_ERA_GAME},    {"era=-2147483648", IDC_ERA_GAME},
    };
    for (const Case& c : cases) {
        OpenOn(ScriptsIni({c.stored}), kMainIni);
        EXPECT_EQ(CheckedEraButtons(), std::vector<int>{c.button}) << c.stored;
    }
}

TEST_F(StartupTest, OddsBytesAreShownSignedAndUnusedHullsKeepTheirText) {
    std::string hullA = "hullpercentA=" + PackedOdds({200, 128, 0, 100});
    std::string hullC = "hullpercentC=" + PackedOdds({30, -1, 255, 9});
    // Frigate and Dreadnought used; bits outside the hull bits mean nothing.
    std::string hull = "hull=" + std::to_string(1 << 3 | 1 << 11 | 1 << 0 | 1 << 13);
    OpenOn(ScriptsIni({hullA.c_str(), hullC.c_str(), hull.c_str()}), kMainIni);

    const char* shown[10] = {"-56", "-128", "0", "100", "60", "45", "55", "20", "30", "-1"};
    for (int i = 0; i < 10; ++i) {
        const HullRow& row = kHullRows[i];
        bool used = row.bit == 3 || row.bit == 11;
        EXPECT_EQ(Text(row.oddsId), shown[i]) << row.name;
        EXPECT_EQ(Checked(row.useId), used) << row.name;
        EXPECT_EQ(Enabled(row.oddsId), used) << row.name;
    }
    EXPECT_EQ(Text(IDC_ODDS_MONSTER), "-1");
}

TEST_F(StartupTest, TheModeShowsItsOwnRaceSetAndLeavesTheOtherAlone) {
    const int single = 1 << 0 | 1 << 2; // Federation, Romulan
    const int mixed = 1 << 1 | 1 << 17; // Klingon, Monster
    std::string rrace = "rrace=" + std::to_string(single);
    std::string srace = "srace=" + std::to_string(mixed);
    struct Case {
        const char* type;
        const char* mode;
        int shown;
        bool monsterOdds;
    } cases[] = {
        {"type=0", "Single", single, false},
        {"type=1", "Mixed", mixed, true},
    };
    for (const Case& c : cases) {
        OpenOn(ScriptsIni({c.type, rrace.c_str(), srace.c_str()}), kMainIni);
        EXPECT_EQ(SelectedText(IDC_RACE_MODE), c.mode) << c.type;
        EXPECT_EQ(ShownRaces(), c.shown) << c.type;
        EXPECT_EQ(Enabled(IDC_ODDS_MONSTER), c.monsterOdds) << c.type;
        EXPECT_EQ(Text(IDC_ODDS_MONSTER), "10") << c.type;
        EXPECT_EQ(theSettings.raceMask[0], single) << c.type;
        EXPECT_EQ(theSettings.raceMask[1], mixed) << c.type;
    }
}

TEST_F(StartupTest, MonsterTickedInSingleModeLeavesItsOddsDisabled) {
    OpenOn(ScriptsIni({"type=0", "rrace=131072", "hullpercentC=657950"}), kMainIni);
    EXPECT_TRUE(Checked(IDC_RACE_MONSTER));
    EXPECT_FALSE(Enabled(IDC_ODDS_MONSTER));
    EXPECT_EQ(Text(IDC_ODDS_MONSTER), "10");
}

TEST_F(StartupTest, TheShownRaceSetIsCutToItsRaceBits) {
    struct Case {
        const char* type;
        int shownSet;
    } cases[] = {{"type=0", 0}, {"type=1", 1}};
    for (const Case& c : cases) {
        OpenOn(ScriptsIni({c.type, "rrace=-1", "srace=-1"}), kMainIni);
        EXPECT_EQ(ShownRaces(), kAllRaces) << c.type;
        EXPECT_EQ(theSettings.raceMask[c.shownSet], kAllRaces) << c.type;
        EXPECT_EQ(theSettings.raceMask[1 - c.shownSet], -1) << c.type;
        EXPECT_EQ(theSettings.type, c.shownSet) << c.type;
    }
    // Bits above the races go too, the races stay.
    OpenOn(ScriptsIni({"type=0", "rrace=786437"}), kMainIni); // bits 19, 18, 2, 0
    EXPECT_EQ(theSettings.raceMask[0], 5);
}

TEST_F(StartupTest, AnyTypeEndsAsOneOfTheTwoModes) {
    // The low byte of the stored type names the mode.
    struct Case {
        const char* type;
        const char* mode;
        int after;
    } cases[] = {{"type=7", "Mixed", 1},
                 {"type=256", "Single", 0},
                 {"type=-1", "Mixed", 1},
                 {"type=1.9", "Mixed", 1}};
    for (const Case& c : cases) {
        OpenOn(ScriptsIni({c.type, "rrace=3", "srace=12"}), kMainIni);
        EXPECT_EQ(SelectedText(IDC_RACE_MODE), c.mode) << c.type;
        EXPECT_EQ(theSettings.type, c.after) << c.type;
        EXPECT_TRUE(boxes->Seen().empty()) << c.type;
    }
}

TEST_F(StartupTest, ModSupportBitsAndAiLevelAreShown) {
    struct Case {
        const char* modSupport;
        bool x1, favor, fighters;
    } mods[] = {{"ModSupport=2", false, true, false},
                {"ModSupport=5", true, false, true},
                {"ModSupport=0", false, false, false},
                {"ModSupport=-1", true, true, true},
                {"ModSupport=8", false, false, false}};
    for (const auto& c : mods) {
        OpenOn(ScriptsIni({c.modSupport}), kMainIni);
        EXPECT_EQ(Checked(IDC_MOD_X1_ERA), c.x1) << c.modSupport;
        EXPECT_EQ(Checked(IDC_MOD_FAVOR_X1), c.favor) << c.modSupport;
        EXPECT_EQ(Checked(IDC_MOD_FIGHTER_LOADOUTS), c.fighters) << c.modSupport;
    }

    struct Level {
        const char* mainIni;
        int selection;
    } levels[] = {{"[UI]\r\nUIType=0\r\n", 0},  {"[UI]\r\nUIType=1\r\n", 1},
                  {"[UI]\r\nUIType=2\r\n", 2},  {"[UI]\r\nUIType=2.7\r\n", 2},
                  {"[UI]\r\nUIType=3\r\n", -1}, {"[UI]\r\nUIType=-1\r\n", -1}};
    for (const Level& c : levels) {
        OpenOn(ScriptsIni({}), c.mainIni);
        EXPECT_EQ(Selection(IDC_AI_LEVEL), c.selection) << c.mainIni;
        EXPECT_EQ(dialog->m_aiLevel, c.selection) << c.mainIni;
    }
}

TEST_F(StartupTest, FileOfNonsenseStillOpens) {
    OpenOn(ScriptsIni({"multiplier=abc", "type=x", "rrace=99999999999", "srace=", "hull=letters",
                       "hullpercentA=-1", "hullpercentB=4294967295", "era=3e1", "ModSupport=1e9"}),
           "[UI]\r\nUIType=lots\r\n");
    EXPECT_TRUE(boxes->Seen().empty());
    EXPECT_EQ(Text(IDC_MULTIPLIER), "0");
    EXPECT_EQ(SliderPos(), -50);
    EXPECT_EQ(SelectedText(IDC_RACE_MODE), "Single");
    EXPECT_EQ(theSettings.type, 0);
    for (const HullRow& hull : kHullRows) {
        EXPECT_FALSE(Checked(hull.useId)) << hull.name;
        if (hull.bit <= 10) { // groups A and B
            EXPECT_EQ(Text(hull.oddsId), "-1") << hull.name;
        }
    }
    EXPECT_EQ(CheckedEraButtons(), std::vector<int>{IDC_ERA_ADVANCED});
    EXPECT_EQ(SelectedText(IDC_AI_LEVEL), "Captain");
}

TEST_F(StartupTest, FailedLoadSaysSoAndLeavesTheControlsUnfilled) {
    OpenWithoutGame(ScriptsIni({"multiplier=2.3", "rrace=-1", "era=1"}), "[UI]\r\nUIType=2\r\n");

    ASSERT_EQ(boxes->Seen().size(), 1u);
    const SeenBox& box = boxes->Seen()[0];
    EXPECT_EQ(box.text, "Error reading from scripts.ini; code 2.");
    EXPECT_EQ(box.caption, kTestTitle);
    EXPECT_EQ(box.owner, dialog->Window());
    EXPECT_EQ(box.icon, nullptr);
    EXPECT_EQ(box.buttons, std::vector<int>{IDOK});

    EXPECT_FALSE(dialog->HasEnded());
    EXPECT_TRUE(IsWindow(dialog->Window()));
    EXPECT_EQ(Text(IDC_MULTIPLIER), "0");
    EXPECT_EQ(ShownRaces(), 0);
    for (const HullRow& hull : kHullRows) {
        EXPECT_FALSE(Checked(hull.useId)) << hull.name;
        EXPECT_EQ(Text(hull.oddsId), "") << hull.name;
        EXPECT_TRUE(Enabled(hull.oddsId)) << hull.name;
    }
    EXPECT_EQ(Text(IDC_ODDS_MONSTER), "");
    EXPECT_TRUE(Enabled(IDC_ODDS_MONSTER));
    for (const ModBox& mod : kModBoxes)
        EXPECT_FALSE(Checked(mod.id)) << mod.id;
    EXPECT_TRUE(CheckedEraButtons().empty());
    EXPECT_EQ(Selection(IDC_AI_LEVEL), CB_ERR);
}

TEST_F(StartupTest, AfterAFailedLoadTheDialogStillWorks) {
    std::string scripts = ScriptsIni({"multiplier=2.3", "rrace=-1"});
    OpenWithoutGame(scripts, "[UI]\r\nUIType=2\r\n");
    boxes->Clear();

    Scroll(TB_THUMBTRACK, 40);
    EXPECT_EQ(Text(IDC_MULTIPLIER), "1.4");
    Click(IDC_USE_CARRIER);
    Click(IDC_USE_CARRIER);
    EXPECT_FALSE(Enabled(IDC_ODDS_CARRIER));

    Click(IDC_RACE_GORN);
    Confirm();
    // Still no game to write to: the error is shown and nothing is lost.
    ASSERT_EQ(boxes->Seen().size(), 1u);
    EXPECT_EQ(boxes->Seen()[0].text, "Error saving to scripts.ini; code 2.");
    EXPECT_EQ(boxes->Seen()[0].caption, kTestTitle);
    EXPECT_FALSE(dialog->HasEnded());
    EXPECT_TRUE(Checked(IDC_RACE_GORN));
    EXPECT_EQ(game->ReadScriptsIni(), scripts);
    EXPECT_EQ(game->ReadMainIni(), "[UI]\r\nUIType=2\r\n");
}

} // namespace
