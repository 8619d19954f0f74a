// The exchange rules between the dialog's members and its controls.

#include "app/resource.h"
#include "framework/DataExchange.h"
#include "support/DialogFixture.h"

#include <climits>

namespace {

using ExchangeTest = DialogFixture;

TEST_F(ExchangeTest, FlagOutsideItsRangeIsShownClearAndReset) {
    for (int value : {5, -1, 3, INT_MIN}) {
        dialog->m_raceKlingon = value;
        dialog->m_useFrigate = 1;
        dialog->TransferToControls();
        EXPECT_FALSE(Checked(IDC_RACE_KLINGON)) << value;
        EXPECT_EQ(dialog->m_raceKlingon, 0) << value;
        EXPECT_TRUE(Checked(IDC_USE_FRIGATE)) << value;
    }
}

TEST_F(ExchangeTest, FlagsRoundTripThroughTheirBoxes) {
    dialog->m_modFavorX1 = 1;
    dialog->m_racePrimeIndustries = 0;
    dialog->TransferToControls();
    Click(IDC_RACE_PRIME_INDUSTRIES);
    Click(IDC_MOD_FAVOR_X1);
    dialog->TransferFromControls();
    EXPECT_EQ(dialog->m_racePrimeIndustries, 1);
    EXPECT_EQ(dialog->m_modFavorX1, 0);
}

TEST_F(ExchangeTest, MultiplierIsShownWithSixSignificantDigits) {
    struct Case {
        float value;
        const char* shown;
    } cases[] = {{1.1f, "1.1"}, {3.0f, "3"},     {0.5f, "0.5"},           {1.25f, "1.25"},
                 {0.0f, "0"},   {2.31f, "2.31"}, {1.23456789f, "1.23457"}};
    for (const Case& c : cases) {
        dialog->m_multiplier = c.value;
        dialog->TransferToControls();
        EXPECT_EQ(Text(IDC_MULTIPLIER), c.shown) << c.value;
    }
}

TEST_F(ExchangeTest, RaceModeTextSelectsTheFirstItemItBegins) {
    HWND combo = Item(IDC_RACE_MODE);
    struct Case {
        const char* member;
        const char* before;
        const char* after;
    } cases[] = {
        {"Mixed", "Single", "Mixed"},  {"mIXed", "Single", "Mixed"},  {"m", "Single", "Mixed"},
        {"Single", "Mixed", "Single"}, {"SINGLE", "Mixed", "Single"}, {"s", "Mixed", "Single"},
        {"Solo", "Mixed", "Mixed"},    {"Xyz", "Single", "Single"},   {"", "Single", "Single"},
    };
    for (const Case& c : cases) {
        SendMessageA(combo, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                     reinterpret_cast<LPARAM>(c.before));
        dialog->m_raceMode = c.member;
        dialog->TransferToControls();
        dialog->TransferFromControls();
        EXPECT_EQ(dialog->m_raceMode, c.after) << '"' << c.member << '"';
    }
}

TEST_F(ExchangeTest, RaceModeWithNothingSelectedIsTheEmptyText) {
    SendMessageA(Item(IDC_RACE_MODE), CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    dialog->m_raceMode = "Mixed";
    dialog->TransferFromControls();
    EXPECT_EQ(dialog->m_raceMode, "");
}

TEST_F(ExchangeTest, AiLevelIsTheIndexOfTheSelection) {
    HWND combo = Item(IDC_AI_LEVEL);
    struct Case {
        int member;
        int selected;
    } cases[] = {{0, 0}, {2, 2}, {1, 1}, {-1, -1}, {3, -1}, {INT_MAX, -1}, {-7, -1}};
    for (const Case& c : cases) {
        SendMessageA(combo, CB_SETCURSEL, 1, 0);
        dialog->m_aiLevel = c.member;
        dialog->TransferToControls();
        EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), c.selected) << c.member;
        dialog->m_aiLevel = 99;
        dialog->TransferFromControls();
        EXPECT_EQ(dialog->m_aiLevel, c.selected) << c.member;
    }
}

TEST_F(ExchangeTest, MultiplierTextThatIsANumberIsAccepted) {
    struct Case {
        const char* text;
        float value;
    } cases[] = {{"  2.5 ", 2.5f}, {"0", 0.0f},  {"\t1.75\t", 1.75f},
                 {"3", 3.0f},      {"00", 0.0f}, {"1e0", 1.0f}};
    for (const Case& c : cases) {
        SetWindowTextA(Item(IDC_MULTIPLIER), c.text);
        EXPECT_TRUE(dialog->TransferFromControls()) << '"' << c.text << '"';
        EXPECT_EQ(dialog->m_multiplier, c.value) << '"' << c.text << '"';
    }
    EXPECT_TRUE(boxes->Seen().empty());
}

TEST_F(ExchangeTest, MultiplierTextThatIsNotANumberStopsTheTransferThere) {
    for (const char* text : {"2.5x", ".0", "-0", "", "  ", "x1", "1 2"}) {
        boxes->Clear();
        dialog->m_useDreadnought = 0; // visited before the multiplier
        dialog->m_multiplier = 7.0f;
        dialog->m_raceFederation = 5; // visited after it
        dialog->m_aiLevel = 42;
        dialog->m_modFighterLoadouts = 9;
        SendMessageA(Item(IDC_USE_DREADNOUGHT), BM_SETCHECK, BST_CHECKED, 0);
        SetWindowTextA(Item(IDC_MULTIPLIER), text);

        EXPECT_FALSE(dialog->TransferFromControls()) << '"' << text << '"';
        EXPECT_EQ(dialog->m_useDreadnought, 1) << text;
        EXPECT_EQ(dialog->m_multiplier, 7.0f) << text;
        EXPECT_EQ(dialog->m_raceFederation, 5) << text;
        EXPECT_EQ(dialog->m_aiLevel, 42) << text;
        EXPECT_EQ(dialog->m_modFighterLoadouts, 9) << text;

        ASSERT_EQ(boxes->Seen().size(), 1u) << text;
        const SeenBox& box = boxes->Seen()[0];
        EXPECT_EQ(box.owner, dialog->Window());
        EXPECT_EQ(box.icon, LoadIconA(nullptr, IDI_EXCLAMATION));
        EXPECT_EQ(box.buttons, std::vector<int>{IDOK});
        EXPECT_FALSE(box.text.empty());

        EXPECT_EQ(GetFocus(), Item(IDC_MULTIPLIER)) << text;
        DWORD start = 0, end = 0;
        SendMessageA(Item(IDC_MULTIPLIER), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(start, 0u);
        EXPECT_EQ(end, static_cast<DWORD>(Text(IDC_MULTIPLIER).size()));
    }
}

TEST_F(ExchangeTest, AttachedObjectsReachTheirControls) {
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(dialog->m_oddsEdit[i].Handle(), Item(IDC_ODDS_MONSTER - i)) << i;
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(dialog->m_eraButton[i].Handle(), Item(IDC_ERA_EARLY + i)) << i;
    EXPECT_EQ(dialog->m_difficulty.Handle(), Item(IDC_DIFFICULTY));
}

// A dialog on the same template that counts the change notices of the
// multiplier field.
class CountingDialog : public Dialog {
public:
    CountingDialog() : Dialog(IDD_MISSION_SETUP) {}
    float multiplier = 0;
    int changes = 0;

protected:
    void ExchangeData(DataExchange& exchange) override {
        exchange.FloatText(IDC_MULTIPLIER, multiplier);
    }
    RouteTable Routes() const override {
        static constexpr MessageRoute routes[] = {
            OnCommand<&CountingDialog::OnChange>(EN_CHANGE, IDC_MULTIPLIER)};
        return MakeRouteTable(routes);
    }

private:
    void OnChange() { ++changes; }
};

TEST(TransferLockOut, NotificationsOfControlsAreDroppedWhileATransferRuns) {
    CountingDialog dialog;
    ASSERT_TRUE(dialog.Create());
    dialog.changes = 0;
    dialog.multiplier = 2.5f;
    dialog.TransferToControls();
    EXPECT_EQ(dialog.GetItemText(IDC_MULTIPLIER, 31), "2.5");
    EXPECT_EQ(dialog.changes, 0);

    SetWindowTextA(dialog.Item(IDC_MULTIPLIER), "1");
    EXPECT_EQ(dialog.changes, 1) << "outside a transfer the handler runs";
}

TEST(TemplateCombos, ItemsAreAddedBeforeTheFirstTransfer) {
    CountingDialog dialog;
    ASSERT_TRUE(dialog.Create());
    auto items = [&](int id) {
        std::vector<std::string> texts;
        HWND combo = dialog.Item(id);
        for (LRESULT i = 0, n = SendMessageA(combo, CB_GETCOUNT, 0, 0); i < n; ++i) {
            char text[64] = "";
            SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
            texts.push_back(text);
        }
        return texts;
    };
    EXPECT_EQ(items(IDC_AI_LEVEL), (std::vector<std::string>{"Captain", "Commodore", "Admiral"}));
    EXPECT_EQ(items(IDC_RACE_MODE), (std::vector<std::string>{"Mixed", "Single"}));
    EXPECT_EQ(dialog.GetItemText(IDC_MULTIPLIER, 31), "0");
}

} // namespace
