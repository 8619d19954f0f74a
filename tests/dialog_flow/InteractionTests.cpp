// The dialog while the user edits: the slider and the multiplier, the boxes
// that enable odds fields, the race-mode switch and Reset Defaults.

#include "dialog_flow/FlowFixture.h"
#include "dialog_flow/IniFile.h"
#include "settings/MissionSettings.h"

#include <commctrl.h>

#include <iterator>

namespace {

using ScrollTest = FlowTest;

const char kMainIni[] = "[UI]\r\nUIType=2\r\n";

TEST_F(ScrollTest, EveryScrollCodeMovesTheMultiplierFromItsField) {
    struct Case {
        const char* field; // what the multiplier field shows before the notice
        int code;
        int position;
        float multiplier;
        const char* shown;
    } cases[] = {
        {"1.5", TB_LINEUP, 0, 1.49f, "1.49"},
        {"0.5", TB_LINEUP, 0, 0.5f, "0.5"},
        {"0.505", TB_LINEUP, 0, 0.5f, "0.5"},
        {"2.3", TB_LINEDOWN, 0, 2.31f, "2.31"},
        {"1.234", TB_LINEDOWN, 0, 1.244f, "1.244"},
        {"3.00", TB_LINEDOWN, 0, 3.0f, "3"},
        {"2.995", TB_LINEDOWN, 0, 3.0f, "3"},
        {"1.5", TB_PAGEUP, 0, 1.4f, "1.4"},
        {"0.55", TB_PAGEUP, 0, 0.5f, "0.5"},
        {"0.50", TB_PAGEUP, 0, 0.5f, "0.5"},
        {"1.5", TB_PAGEDOWN, 0, 1.6f, "1.6"},
        {"2.95", TB_PAGEDOWN, 0, 3.0f, "3"},
        {"3", TB_PAGEDOWN, 0, 3.0f, "3"},
        {"2.3", TB_THUMBPOSITION, -50, 0.5f, "0.5"},
        {"2.3", TB_THUMBPOSITION, 0, 1.0f, "1"},
        {"2.3", TB_THUMBPOSITION, 10, 1.1f, "1.1"},
        {"2.3", TB_THUMBPOSITION, 200, 3.0f, "3"},
        {"2.3", TB_THUMBPOSITION, 57, 1.57f, "1.57"},
        {"2.3", TB_THUMBPOSITION, 18, 1.18f, "1.18"}, // in single precision 1.18000007
        {"1.5", TB_THUMBTRACK, -50, 0.5f, "0.5"},
        {"1.5", TB_THUMBTRACK, 0, 1.0f, "1"},
        {"1.5", TB_THUMBTRACK, 10, 1.1f, "1.1"},
        {"1.5", TB_THUMBTRACK, 200, 3.0f, "3"},
        {"1.5", TB_THUMBTRACK, -1, 0.99f, "0.99"},
        {"1.5", TB_THUMBTRACK, -46, 0.54f, "0.54"}, // in single precision 0.539999962
        {"2.3", TB_TOP, 77, 0.5f, "0.5"},
        {"1.5", TB_BOTTOM, -20, 3.0f, "3"},
        // No change, but both transfers still run: the field is read and
        // shown again in its own form.
        {"1.2340", TB_ENDTRACK, 57, 1.234f, "1.234"},
        {"2.50", 9, 57, 2.5f, "2.5"},
        {"0.70", 0xFFFF, 57, 0.7f, "0.7"},
    };
    const int slider = 150; // the steps never look at the slider
    for (const Case& c : cases) {
        SetWindowTextA(Item(IDC_MULTIPLIER), c.field);
        SendMessageA(Item(IDC_DIFFICULTY), TBM_SETPOS, TRUE, slider);
        Scroll(c.code, c.position);
        EXPECT_EQ(dialog->m_multiplier, c.multiplier) << c.field << " code " << c.code;
        EXPECT_EQ(Text(IDC_MULTIPLIER), c.shown) << c.field << " code " << c.code;
        EXPECT_EQ(SliderPos(), slider) << c.field << " code " << c.code;
    }
    EXPECT_TRUE(boxes->Seen().empty());
}

TEST_F(ScrollTest, ALineStepFromALoadedValueLeavesTheSliderBehind) {
    struct Case {
        const char* stored;
        int slider;
        const char* after;
    } cases[] = {{"multiplier=2.3", 129, "2.31"}, {"multiplier=1.234", 23, "1.244"}};
    for (const Case& c : cases) {
        OpenOn(ScriptsIni({c.stored}), kMainIni);
        ASSERT_EQ(SliderPos(), c.slider) << c.stored;
        // The arrow key as the user presses it: the trackbar moves by a line
        // and notifies the dialog, then ends the scroll.
        SendMessageA(Item(IDC_DIFFICULTY), WM_KEYDOWN, VK_RIGHT, 0);
        SendMessageA(Item(IDC_DIFFICULTY), WM_KEYUP, VK_RIGHT, 0);
        EXPECT_EQ(SliderPos(), c.slider + 1) << c.stored;
        EXPECT_EQ(Text(IDC_MULTIPLIER), c.after) << c.stored;
    }
    // Dragging the thumb snaps the multiplier back to the thumb.
    Scroll(TB_THUMBTRACK, SliderPos());
    EXPECT_EQ(Text(IDC_MULTIPLIER), "1.24");
}

TEST_F(ScrollTest, EveryHorizontalScrollNoticeIsTakenAsTheSliders) {
    SetWindowTextA(Item(IDC_MULTIPLIER), "1.5");
    SendMessageA(dialog->Window(), WM_HSCROLL, MAKEWPARAM(TB_LINEDOWN, 0), 0);
    EXPECT_EQ(Text(IDC_MULTIPLIER), "1.51");
}

TEST_F(ScrollTest, ReleasedCaptureAnswersZeroAndChangesNothing) {
    SetWindowTextA(Item(IDC_MULTIPLIER), "1.50");
    SetWindowLongPtrA(dialog->Window(), DWLP_MSGRESULT, 99);
    NMHDR header = {Item(IDC_DIFFICULTY), IDC_DIFFICULTY, static_cast<UINT>(NM_RELEASEDCAPTURE)};
    LRESULT answer = SendMessageA(dialog->Window(), WM_NOTIFY, IDC_DIFFICULTY,
                                  reinterpret_cast<LPARAM>(&header));
    EXPECT_EQ(answer, 0);
    EXPECT_EQ(Text(IDC_MULTIPLIER), "1.50") << "no transfer";
}

using HullBoxTest = FlowTest;

TEST_F(HullBoxTest, UseBoxEnablesItsOwnOddsFieldInEitherMode) {
    OpenOn(ScriptsIni({"type=0", "rrace=-1", "srace=-1"}), kMainIni);
    for (const char* mode : {"Single", "Mixed"}) {
        SelectRaceMode(mode);
        ASSERT_EQ(SelectedText(IDC_RACE_MODE), mode);
        bool monsterOdds = Enabled(IDC_ODDS_MONSTER);
        for (const HullRow& hull : kHullRows) {
            SCOPED_TRACE(std::string(mode) + " " + hull.name);
            std::string odds = Text(hull.oddsId);
            SetWindowTextA(Item(IDC_MULTIPLIER), "1.50");

            Click(hull.useId);
            EXPECT_FALSE(Checked(hull.useId));
            EXPECT_FALSE(Enabled(hull.oddsId));
            for (const HullRow& other : kHullRows) {
                if (other.oddsId != hull.oddsId) {
                    EXPECT_TRUE(Enabled(other.oddsId)) << other.name;
                }
            }
            EXPECT_EQ(Enabled(IDC_ODDS_MONSTER), monsterOdds);

            Click(hull.useId);
            EXPECT_TRUE(Checked(hull.useId));
            EXPECT_TRUE(Enabled(hull.oddsId));
            EXPECT_EQ(Text(hull.oddsId), odds) << "the text is never changed";
            EXPECT_EQ(Text(IDC_MULTIPLIER), "1.50") << "no exchange";
        }
    }
}

TEST_F(HullBoxTest, MonsterOddsFollowTheBoxOnlyInMixedMode) {
    struct Case {
        const char* type;
        bool enabledWhenTicked;
    } cases[] = {{"type=0", false}, {"type=1", true}};
    for (const Case& c : cases) {
        OpenOn(ScriptsIni({c.type, "rrace=1", "srace=1"}), kMainIni);
        ASSERT_FALSE(Checked(IDC_RACE_MONSTER)) << c.type;
        ASSERT_FALSE(Enabled(IDC_ODDS_MONSTER)) << c.type;
        SetWindowTextA(Item(IDC_MULTIPLIER), "1.50");

        Click(IDC_RACE_MONSTER);
        EXPECT_TRUE(Checked(IDC_RACE_MONSTER)) << c.type;
        EXPECT_EQ(Enabled(IDC_ODDS_MONSTER), c.enabledWhenTicked) << c.type;
        EXPECT_EQ(dialog->m_raceMonster, 1) << c.type << ": the box is read in";
        Click(IDC_RACE_MONSTER);
        EXPECT_FALSE(Enabled(IDC_ODDS_MONSTER)) << c.type;
        EXPECT_EQ(Text(IDC_ODDS_MONSTER), "10") << c.type;
        EXPECT_EQ(Text(IDC_MULTIPLIER), "1.50") << c.type << ": nothing shown back";
    }
}

using RaceModeTest = FlowTest;

TEST_F(RaceModeTest, EachModeKeepsItsOwnRaces) {
    OpenOn(ScriptsIni({"type=0", "rrace=5", "srace=2"}), kMainIni);
    ASSERT_EQ(ShownRaces(), 5);

    Click(IDC_RACE_LYRAN); // bit 3
    SelectRaceMode("Mixed");
    EXPECT_EQ(ShownRaces(), 2);
    EXPECT_EQ(theSettings.type, 1);
    EXPECT_EQ(theSettings.raceMask[0], 13) << "the boxes were kept for Single";

    Click(IDC_RACE_KLINGON);
    Click(IDC_RACE_GORN); // bit 5
    SelectRaceMode("Single");
    EXPECT_EQ(ShownRaces(), 13);
    EXPECT_EQ(theSettings.type, 0);
    EXPECT_EQ(theSettings.raceMask[1], 32);

    SelectRaceMode("Mixed");
    EXPECT_EQ(ShownRaces(), 32);
    EXPECT_EQ(theSettings.raceMask[0], 13);
    EXPECT_TRUE(boxes->Seen().empty());
}

TEST_F(RaceModeTest, SwitchingIntoAModeAndOutCutsItsSetToTheRaces) {
    OpenOn(ScriptsIni({"type=0", "rrace=1", "srace=-1"}), kMainIni);
    SelectRaceMode("Mixed");
    EXPECT_EQ(ShownRaces(), kAllRaces);
    EXPECT_EQ(theSettings.raceMask[1], -1) << "not yet left";
    SelectRaceMode("Single");
    EXPECT_EQ(theSettings.raceMask[1], kAllRaces);
    EXPECT_EQ(ShownRaces(), 1);
}

TEST_F(RaceModeTest, TheMonsterBoxAndItsOddsChangeWithTheMode) {
    OpenOn(ScriptsIni({"type=0", "rrace=1", "srace=131073"}), kMainIni);
    EXPECT_FALSE(Checked(IDC_RACE_MONSTER));
    EXPECT_FALSE(Enabled(IDC_ODDS_MONSTER));
    SelectRaceMode("Mixed");
    EXPECT_TRUE(Checked(IDC_RACE_MONSTER));
    EXPECT_TRUE(Enabled(IDC_ODDS_MONSTER));
    SelectRaceMode("Single");
    EXPECT_FALSE(Checked(IDC_RACE_MONSTER));
    EXPECT_FALSE(Enabled(IDC_ODDS_MONSTER));
}

TEST_F(RaceModeTest, ASwitchSetsTheBitsOfTickedModBoxesOnly) {
    // Bit 3 has no meaning and must survive.
    OpenOn(ScriptsIni({"ModSupport=8"}), kMainIni);
    Click(IDC_MOD_FAVOR_X1);
    SelectRaceMode("Mixed");
    EXPECT_EQ(theSettings.modSupport, 8 | 2);

    Click(IDC_MOD_FAVOR_X1); // cleared in the box, not in the record
    Click(IDC_MOD_FIGHTER_LOADOUTS);
    SelectRaceMode("Single");
    EXPECT_EQ(theSettings.modSupport, 8 | 4 | 2);
}

TEST_F(RaceModeTest, ResetDefaultsRestoresEveryControlAndOnlyTheSingleSet) {
    std::string scripts =
        ScriptsIni({"multiplier=2.3", "type=1", "rrace=5", "srace=2", "hull=8",
                    ("hullpercentA=" + PackedOdds({1, 2, 3, 4})).c_str(), "era=1", "ModSupport=8"});
    OpenOn(scripts, kMainIni);
    ASSERT_EQ(SelectedText(IDC_RACE_MODE), "Mixed");
    ASSERT_EQ(ShownRaces(), 2);
    Click(IDC_RACE_MONSTER); // Monster odds enabled in Mixed
    ASSERT_TRUE(Enabled(IDC_ODDS_MONSTER));
    SetWindowTextA(Item(IDC_ODDS_MONSTER), "77");
    const MissionSettings before = theSettings;

    Click(IDC_RESET_DEFAULTS);

    EXPECT_EQ(dialog->m_multiplier, 1.1f);
    EXPECT_EQ(Text(IDC_MULTIPLIER), "1.1");
    EXPECT_EQ(SliderPos(), 10);
    EXPECT_EQ(SelectedText(IDC_AI_LEVEL), "Commodore");
    EXPECT_EQ(SelectedText(IDC_RACE_MODE), "Single");
    for (const HullRow& hull : kHullRows) {
        EXPECT_TRUE(Checked(hull.useId)) << hull.name;
        EXPECT_TRUE(Enabled(hull.oddsId)) << hull.name;
        EXPECT_EQ(Text(hull.oddsId), std::to_string(hull.defaultOdds)) << hull.name;
    }
    EXPECT_EQ(Text(IDC_ODDS_MONSTER), "10");
    EXPECT_FALSE(Enabled(IDC_ODDS_MONSTER));
    EXPECT_EQ(ShownRaces(), kAllRaces);
    for (const ModBox& mod : kModBoxes)
        EXPECT_TRUE(Checked(mod.id)) << mod.id;
    EXPECT_EQ(CheckedEraButtons(), std::vector<int>{IDC_ERA_GAME});

    // In the record: Single mode with every race and the three mod bits; the
    // Mixed set and everything else as they were.
    EXPECT_EQ(theSettings.type, 0);
    EXPECT_EQ(theSettings.raceMask[0], kAllRaces);
    EXPECT_EQ(theSettings.raceMask[1], 2);
    EXPECT_EQ(theSettings.modSupport, 8 | 7);
    EXPECT_EQ(theSettings.multiplier, before.multiplier);
    EXPECT_EQ(theSettings.hull, before.hull);
    EXPECT_EQ(theSettings.era, before.era);
    EXPECT_EQ(theSettings.uiType, before.uiType);
    for (size_t i = 0; i < std::size(before.hullPercent); ++i)
        EXPECT_EQ(theSettings.hullPercent[i], before.hullPercent[i]) << i;

    EXPECT_EQ(game->ReadScriptsIni(), scripts) << "nothing is written before OK";
    EXPECT_EQ(game->ReadMainIni(), kMainIni);
    EXPECT_TRUE(boxes->Seen().empty());
    EXPECT_FALSE(dialog->HasEnded());
}

} // namespace
