// OK and Cancel: what reaches the settings files, what never does, and when
// the dialog stays open.

#include "dialog_flow/FlowFixture.h"
#include "dialog_flow/IniFile.h"
#include "settings/MissionSettings.h"

#include <commctrl.h>

#include <iterator>

namespace {

using ConfirmTest = FlowTest;

const char kMainIni[] = "[Video]\r\nwidth=1024\r\n[UI]\r\nUIType=0\r\nScale=2\r\n"
                        "[Sound]\r\nUIType=9\r\n";

std::string MissionKey(const std::string& scriptsIni, const char* key) {
    std::vector<std::string> values = IniValues(scriptsIni, "Mul_Vorlane", key);
    return values.size() == 1 ? values[0] : "<" + std::to_string(values.size()) + " values>";
}

std::string UiType(const std::string& mainIni) {
    std::vector<std::string> values = IniValues(mainIni, "UI", "UIType");
    return values.size() == 1 ? values[0] : "<" + std::to_string(values.size()) + " values>";
}

// The code of "Error saving to scripts.ini; code N.", or -1 for another text.
int SavingErrorCode(const std::string& text) {
    const std::string head = "Error saving to scripts.ini; code ";
    if (text.compare(0, head.size(), head) != 0 || text.size() < head.size() + 2 ||
        text.back() != '.')
        return -1;
    const std::string digits = text.substr(head.size(), text.size() - head.size() - 1);
    if (digits.find_first_not_of("0123456789") != std::string::npos || digits[0] == '0')
        return -1;
    return std::stoi(digits);
}

struct Key {
    const char* key;
    std::string value;
};

void ExpectMissionKeys(const std::string& scriptsIni, std::initializer_list<Key> keys) {
    for (const Key& k : keys)
        EXPECT_EQ(MissionKey(scriptsIni, k.key), k.value) << k.key;
}

TEST_F(ConfirmTest, ATypicalEditWritesItsKeysAndNothingElse) {
    const std::string hullC = "hullpercentC=" + PackedOdds({30, 10, 10, 7}); // reserved 7
    const std::string scripts =
        ScriptsIni({"multiplier=1.50", "type=0", "rrace=5", "srace=-1", "race=0", "hull=-1",
                    "hullpercentA=1093813840", "hullpercentB=339160380", hullC.c_str(), "era=2",
                    "ModSupport=13", "; keep this comment", "extra=keep"});
    OpenOn(scripts, kMainIni);

    Scroll(TB_THUMBTRACK, 57);
    Scroll(TB_ENDTRACK, 0);
    SendMessageA(Item(IDC_AI_LEVEL), CB_SETCURSEL, 2, 0);
    Click(IDC_RACE_KLINGON); // Single: Federation, Klingon, Romulan
    SelectRaceMode("Mixed");
    Click(IDC_RACE_MONSTER);
    Click(IDC_RACE_CAMBORO);
    Click(IDC_USE_BATTLESHIP);
    SetWindowTextA(Item(IDC_ODDS_FRIGATE), "12");
    Click(IDC_USE_FRIGATE); // its odds are still saved
    SetWindowTextA(Item(IDC_ODDS_CARRIER), "35");
    SetWindowTextA(Item(IDC_ODDS_MONSTER), "25"); // disabled, still saved
    Click(IDC_ERA_ADVANCED);
    Click(IDC_MOD_FAVOR_X1);
    Click(IDC_MOD_FIGHTER_LOADOUTS);

    Confirm();

    EXPECT_TRUE(boxes->Seen().empty());
    EXPECT_TRUE(dialog->HasEnded());
    EXPECT_EQ(dialog->Result(), IDOK);
    const std::string written = game->ReadScriptsIni();
    ExpectMissionKeys(written, {{"multiplier", "1.57"},
                                {"type", "1"},
                                {"rrace", "7"},
                                {"srace", "98303"},
                                {"race", "98303"},
                                {"hull", "4080"},
                                {"hullpercentA", PackedOdds({12, 70, 50, 65})},
                                {"hullpercentB", PackedOdds({60, 45, 55, 35})},
                                {"hullpercentC", PackedOdds({30, 10, 25, 0})},
                                {"era", "3"},
                                {"ModSupport", "11"},
                                {"extra", "keep"}});
    EXPECT_EQ(WithoutKeys(written, "Mul_Vorlane", kMissionKeys),
              WithoutKeys(scripts, "Mul_Vorlane", kMissionKeys));
    const std::string main = game->ReadMainIni();
    EXPECT_EQ(UiType(main), "2");
    EXPECT_EQ(WithoutKeys(main, "UI", {"UIType"}), WithoutKeys(kMainIni, "UI", {"UIType"}));
    EXPECT_EQ(theSettings.hullPercent[ODDS_RESERVED], 0);
}

TEST_F(ConfirmTest, OkOnTheDefaultsWritesTheDefaults) {
    OpenOn("", "");
    Confirm();
    EXPECT_EQ(dialog->Result(), IDOK);
    ExpectMissionKeys(game->ReadScriptsIni(), {{"multiplier", "1.10"},
                                               {"type", "0"},
                                               {"rrace", "262143"},
                                               {"srace", "-1"},
                                               {"race", "0"},
                                               {"hull", "8184"},
                                               {"hullpercentA", "1093813840"},
                                               {"hullpercentB", "339160380"},
                                               {"hullpercentC", "657950"},
                                               {"era", "4"},
                                               {"ModSupport", "-1"}});
    EXPECT_EQ(UiType(game->ReadMainIni()), "0");
}

TEST_F(ConfirmTest, OddsAreReadWholeAndHeldToAHundred) {
    OpenOn(ScriptsIni({}), kMainIni);
    // In odds-index order: the ten hulls, then the monster.
    struct Case {
        int field;
        const char* text;
        int stored;
    } cases[] = {
        {IDC_ODDS_FRIGATE, "", 0},
        {IDC_ODDS_DESTROYER, "100", 100},
        {IDC_ODDS_WAR_DESTROYER, "101", 100},
        {IDC_ODDS_LIGHT_CRUISER, "2000", 100},
        {IDC_ODDS_HEAVY_CRUISER, "007", 7},
        {IDC_ODDS_NEW_HEAVY_CRUISER, "abc", 0},
        {IDC_ODDS_HEAVY_BATTLECRUISER, " 42", 42},
        {IDC_ODDS_CARRIER, "", 100}, // typed below
        {IDC_ODDS_DREADNOUGHT, "5a", 5},
        {IDC_ODDS_BATTLESHIP, "0150", 100}, // its first three characters say 15
        {IDC_ODDS_MONSTER, "150", 100},
    };
    for (const Case& c : cases)
        SetWindowTextA(Item(c.field), c.text);
    // Typed and confirmed with Enter: the field keeps the focus, so it never
    // corrected itself.
    SetFocus(Item(IDC_ODDS_CARRIER));
    for (char digit : {'9', '9', '9'})
        SendMessageA(Item(IDC_ODDS_CARRIER), WM_CHAR, static_cast<WPARAM>(digit), 1);
    ASSERT_EQ(GetFocus(), Item(IDC_ODDS_CARRIER));
    ASSERT_EQ(Text(IDC_ODDS_CARRIER), "999");

    Confirm();

    ASSERT_TRUE(dialog->HasEnded());
    std::array<int, 12> expected{}; // the reserved byte last, written as 0
    for (size_t i = 0; i < std::size(cases); ++i)
        expected[i] = cases[i].stored;
    EXPECT_EQ(WrittenOdds(game->ReadScriptsIni()), expected);
}

TEST_F(ConfirmTest, NegativeOddsFromTheFileAreSavedAsTheyAre) {
    OpenOn(ScriptsIni({("hullpercentA=" + PackedOdds({-56, 70, 50, 65})).c_str(),
                       ("hullpercentB=" + PackedOdds({-128, 45, 55, 20})).c_str(),
                       ("hullpercentC=" + PackedOdds({-1, 10, -100, 0})).c_str()}),
           kMainIni);
    ASSERT_EQ(Text(IDC_ODDS_FRIGATE), "-56");
    ASSERT_EQ(Text(IDC_ODDS_HEAVY_CRUISER), "-128");
    ASSERT_EQ(Text(IDC_ODDS_MONSTER), "-100");
    Confirm();
    ASSERT_TRUE(dialog->HasEnded());
    EXPECT_EQ(WrittenOdds(game->ReadScriptsIni()),
              (std::array<int, 12>{-56, 70, 50, 65, -128, 45, 55, 20, -1, 10, -100, 0}));
}

TEST_F(ConfirmTest, EraAndAiLevelComeFromTheControls) {
    struct Case {
        int button; // 0: none checked
        int aiSelection;
        const char* era;
        const char* uiType;
    } cases[] = {
        {IDC_ERA_EARLY, 0, "0", "0"}, {IDC_ERA_MIDDLE, 1, "1", "1"},
        {IDC_ERA_LATE, 2, "2", "2"},  {IDC_ERA_ADVANCED, -1, "3", "-1"},
        {IDC_ERA_GAME, 1, "4", "1"},  {0, -1, "4", "-1"},
    };
    for (const Case& c : cases) {
        OpenOn(ScriptsIni({"era=1"}), kMainIni);
        if (c.button != 0) {
            Click(c.button);
        } else {
            for (int id = IDC_ERA_EARLY; id <= IDC_ERA_GAME; ++id)
                SendMessageA(Item(id), BM_SETCHECK, BST_UNCHECKED, 0);
        }
        SendMessageA(Item(IDC_AI_LEVEL), CB_SETCURSEL, c.aiSelection, 0);
        Confirm();
        ASSERT_TRUE(dialog->HasEnded()) << c.button;
        EXPECT_EQ(MissionKey(game->ReadScriptsIni(), "era"), c.era) << c.button;
        EXPECT_EQ(UiType(game->ReadMainIni()), c.uiType) << c.button;
    }
}

TEST_F(ConfirmTest, TheOtherModesSetIsSavedAsTheRecordHoldsIt) {
    OpenOn(ScriptsIni({"type=0", "rrace=-1", "srace=-1", "hull=-1", "ModSupport=-1"}), kMainIni);
    Click(IDC_RACE_FEDERATION);
    Click(IDC_USE_CARRIER);
    Click(IDC_MOD_X1_ERA);
    Confirm();
    ASSERT_TRUE(dialog->HasEnded());
    ExpectMissionKeys(game->ReadScriptsIni(), {{"type", "0"},
                                               {"rrace", "262142"},
                                               {"srace", "-1"},
                                               {"race", "0"},
                                               {"hull", std::to_string(8184 - 1024)},
                                               {"ModSupport", "-2"}});
}

TEST_F(ConfirmTest, AnEmptyRaceSetIsRefusedAndNothingIsWritten) {
    struct Case {
        const char* mode;
    } cases[] = {{"Single"}, {"Mixed"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        const std::string scripts = ScriptsIni({"type=0", "rrace=5", "srace=2"});
        OpenOn(scripts, kMainIni);
        SelectRaceMode(c.mode);
        ShowRaces(0);
        Scroll(TB_THUMBTRACK, 100);

        Confirm();

        ASSERT_EQ(boxes->Seen().size(), 1u);
        const SeenBox& box = boxes->Seen()[0];
        EXPECT_EQ(box.text, "You must select at least one race to continue.");
        EXPECT_EQ(box.caption, "No race selected!");
        EXPECT_EQ(box.owner, dialog->Window());
        EXPECT_EQ(box.icon, nullptr);
        EXPECT_EQ(box.buttons, std::vector<int>{IDOK});
        EXPECT_FALSE(dialog->HasEnded());
        EXPECT_EQ(game->ReadScriptsIni(), scripts);
        EXPECT_EQ(game->ReadMainIni(), kMainIni);
        EXPECT_EQ(Text(IDC_MULTIPLIER), "2");

        Click(IDC_RACE_GORN);
        Confirm();
        EXPECT_EQ(boxes->Seen().size(), 1u);
        EXPECT_TRUE(dialog->HasEnded());
        EXPECT_EQ(dialog->Result(), IDOK);
        const std::string written = game->ReadScriptsIni();
        EXPECT_EQ(MissionKey(written, "multiplier"), "2.00");
        const bool mixed = std::string(c.mode) == "Mixed";
        EXPECT_EQ(MissionKey(written, "rrace"), mixed ? "5" : "32");
        EXPECT_EQ(MissionKey(written, "srace"), mixed ? "32" : "2");
    }
}

TEST_F(ConfirmTest, AnEmptyRaceSetIsRefusedBeforeAnySaveIsTried) {
    OpenOn(ScriptsIni({"rrace=5"}), kMainIni);
    const std::string scripts = game->ReadScriptsIni();
    UnwritableFile blocked(game->MainIniPath(), UnwritableFile::Folder);
    ShowRaces(0);
    Confirm();
    ASSERT_EQ(boxes->Seen().size(), 1u);
    EXPECT_EQ(boxes->Seen()[0].caption, "No race selected!");
    EXPECT_FALSE(dialog->HasEnded());
    EXPECT_EQ(game->ReadScriptsIni(), scripts);
}

TEST_F(ConfirmTest, AFailedSaveKeepsTheDialogOpenWithItsEdits) {
    struct Case {
        const char* what;
        bool mainFile; // else scripts.ini
        UnwritableFile::Way way;
        int code; // 0: whichever the platform reports for the failed step
    } cases[] = {
        {"drakmoor.ini is a folder", true, UnwritableFile::Folder, ERROR_ACCESS_DENIED},
        {"drakmoor.ini is held open", true, UnwritableFile::HeldOpen, 0},
        {"scripts.ini is a folder", false, UnwritableFile::Folder, ERROR_ACCESS_DENIED},
        {"scripts.ini is held open", false, UnwritableFile::HeldOpen, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string scripts = ScriptsIni({"multiplier=1.50", "rrace=5", "ModSupport=0"});
        OpenOn(scripts, kMainIni);
        Scroll(TB_THUMBTRACK, 80);
        Click(IDC_RACE_GORN);
        Click(IDC_MOD_X1_ERA);
        SendMessageA(Item(IDC_AI_LEVEL), CB_SETCURSEL, 2, 0);
        SetWindowTextA(Item(IDC_ODDS_CARRIER), "44");
        auto blocked = std::make_unique<UnwritableFile>(
            c.mainFile ? game->MainIniPath() : game->ScriptsIniPath(), c.way);

        Confirm();

        ASSERT_EQ(boxes->Seen().size(), 1u);
        const SeenBox& box = boxes->Seen()[0];
        const int code = SavingErrorCode(box.text);
        EXPECT_GT(code, 0) << box.text;
        if (c.code != 0) {
            EXPECT_EQ(code, c.code) << box.text;
        }
        EXPECT_EQ(box.caption, kTestTitle);
        EXPECT_EQ(box.owner, dialog->Window());
        EXPECT_EQ(box.icon, nullptr);
        EXPECT_EQ(box.buttons, std::vector<int>{IDOK});
        EXPECT_FALSE(dialog->HasEnded());
        // Every control as it was.
        EXPECT_EQ(Text(IDC_MULTIPLIER), "1.8");
        EXPECT_EQ(ShownRaces(), 5 | 32);
        EXPECT_TRUE(Checked(IDC_MOD_X1_ERA));
        EXPECT_EQ(Selection(IDC_AI_LEVEL), 2);
        EXPECT_EQ(Text(IDC_ODDS_CARRIER), "44");

        blocked->Release();
        const std::string afterFailure = game->ReadScriptsIni();
        if (c.mainFile) {
            // The keys before the main file's stay written; ModSupport comes after.
            ExpectMissionKeys(
                afterFailure,
                {{"multiplier", "1.80"}, {"rrace", "37"}, {"era", "4"}, {"ModSupport", "0"}});
            EXPECT_EQ(MissionKey(afterFailure, "hullpercentB"), PackedOdds({60, 45, 55, 44}));
        } else {
            EXPECT_EQ(afterFailure, scripts);
        }
        EXPECT_EQ(game->ReadMainIni(), kMainIni);

        // Once the file can be written, OK again saves everything and closes.
        boxes->Clear();
        Confirm();
        EXPECT_TRUE(boxes->Seen().empty());
        EXPECT_TRUE(dialog->HasEnded());
        EXPECT_EQ(dialog->Result(), IDOK);
        ExpectMissionKeys(game->ReadScriptsIni(), {{"multiplier", "1.80"}, {"ModSupport", "1"}});
        EXPECT_EQ(UiType(game->ReadMainIni()), "2");
    }
}

TEST_F(ConfirmTest, CancelWritesNothing) {
    struct Case {
        const char* how;
        UINT message;
        WPARAM wParam;
    } cases[] = {
        {"Cancel button", WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED)},
        {"close box", WM_CLOSE, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        const std::string scripts =
            ScriptsIni({"multiplier=1.50", "type=0", "rrace=5", "srace=-1"});
        OpenOn(scripts, kMainIni);
        Scroll(TB_PAGEDOWN, 0);
        Click(IDC_RACE_KLINGON);
        SelectRaceMode("Mixed"); // changes the record in memory
        Click(IDC_USE_FRIGATE);
        Click(IDC_RESET_DEFAULTS);
        SetWindowTextA(Item(IDC_ODDS_CARRIER), "5");

        LPARAM from = c.message == WM_COMMAND ? reinterpret_cast<LPARAM>(Item(IDCANCEL)) : 0;
        SendMessageA(dialog->Window(), c.message, c.wParam, from);
        PumpMessages();

        EXPECT_TRUE(dialog->HasEnded());
        EXPECT_EQ(dialog->Result(), IDCANCEL);
        EXPECT_TRUE(boxes->Seen().empty());
        EXPECT_EQ(game->ReadScriptsIni(), scripts);
        EXPECT_EQ(game->ReadMainIni(), kMainIni);
    }
}

} // namespace
