#include "dialog_flow/FlowFixture.h"

#include <commctrl.h>

const RaceBox kRaceBoxes[18] = {
    {IDC_RACE_FEDERATION, 0},
    {IDC_RACE_KLINGON, 1},
    {IDC_RACE_ROMULAN, 2},
    {IDC_RACE_LYRAN, 3},
    {IDC_RACE_HYDRAN, 4},
    {IDC_RACE_GORN, 5},
    {IDC_RACE_ISC, 6},
    {IDC_RACE_MIRAK, 7},
    {IDC_RACE_ORION_CARTEL, 8},
    {IDC_RACE_KORGATH, 9},
    {IDC_RACE_PRIME_INDUSTRIES, 10},
    {IDC_RACE_TIGER_HEART, 11},
    {IDC_RACE_BEAST_RAIDERS, 12},
    {IDC_RACE_SYNDICATE, 13},
    {IDC_RACE_WYLDEFIRE, 14},
    {IDC_RACE_CAMBORO, 15},
    {IDC_RACE_UNALIGNED_PIRATES, 16},
    {IDC_RACE_MONSTER, 17},
};

const HullRow kHullRows[10] = {
    {"Frigate", IDC_USE_FRIGATE, IDC_ODDS_FRIGATE, 3, 80},
    {"Destroyer", IDC_USE_DESTROYER, IDC_ODDS_DESTROYER, 4, 70},
    {"War Destroyer", IDC_USE_WAR_DESTROYER, IDC_ODDS_WAR_DESTROYER, 5, 50},
    {"Light Cruiser", IDC_USE_LIGHT_CRUISER, IDC_ODDS_LIGHT_CRUISER, 6, 65},
    {"Heavy Cruiser", IDC_USE_HEAVY_CRUISER, IDC_ODDS_HEAVY_CRUISER, 7, 60},
    {"New Heavy Cruiser", IDC_USE_NEW_HEAVY_CRUISER, IDC_ODDS_NEW_HEAVY_CRUISER, 8, 45},
    {"Heavy Battlecruiser", IDC_USE_HEAVY_BATTLECRUISER, IDC_ODDS_HEAVY_BATTLECRUISER, 9, 55},
    {"Carrier", IDC_USE_CARRIER, IDC_ODDS_CARRIER, 10, 20},
    {"Dreadnought", IDC_USE_DREADNOUGHT, IDC_ODDS_DREADNOUGHT, 11, 30},
    {"Battleship", IDC_USE_BATTLESHIP, IDC_ODDS_BATTLESHIP, 12, 10},
};

const ModBox kModBoxes[3] = {
    {IDC_MOD_X1_ERA, 1}, {IDC_MOD_FAVOR_X1, 2}, {IDC_MOD_FIGHTER_LOADOUTS, 4}};

void FlowTest::OpenWithoutGame(const std::string& scriptsIni, const std::string& mainIni) {
    dialog.reset();
    boxes.reset();
    game.reset();
    game = std::make_unique<ScratchGame>(scriptsIni.c_str(), mainIni.c_str());
    game->Unregister();
    boxes = std::make_unique<MessageBoxWatcher>();
    dialog = std::make_unique<MissionSetupDialog>();
    ASSERT_TRUE(dialog->Create()) << "the dialog could not be created";
    PumpMessages();
}

void FlowTest::Scroll(int code, int position) const {
    SendMessageA(dialog->Window(), WM_HSCROLL, MAKEWPARAM(code, position),
                 reinterpret_cast<LPARAM>(Item(IDC_DIFFICULTY)));
}

int FlowTest::SliderPos() const {
    return static_cast<int>(SendMessageA(Item(IDC_DIFFICULTY), TBM_GETPOS, 0, 0));
}

int FlowTest::ShownRaces() const {
    int races = 0;
    for (const RaceBox& race : kRaceBoxes)
        if (Checked(race.id))
            races |= 1 << race.bit;
    return races;
}

void FlowTest::ShowRaces(int races) const {
    for (const RaceBox& race : kRaceBoxes)
        if (Checked(race.id) != ((races >> race.bit & 1) != 0))
            Click(race.id);
}

std::string FlowTest::SelectedText(int comboId) const {
    LRESULT index = SendMessageA(Item(comboId), CB_GETCURSEL, 0, 0);
    if (index == CB_ERR)
        return std::string();
    char text[64] = "";
    SendMessageA(Item(comboId), CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
    return text;
}

int FlowTest::Selection(int comboId) const {
    return static_cast<int>(SendMessageA(Item(comboId), CB_GETCURSEL, 0, 0));
}

std::vector<int> FlowTest::CheckedEraButtons() const {
    std::vector<int> checked;
    for (int id = IDC_ERA_EARLY; id <= IDC_ERA_GAME; ++id)
        if (Checked(id))
            checked.push_back(id);
    return checked;
}

UnwritableFile::UnwritableFile(const std::string& path, Way way)
    : m_path(path), m_text(ReadFileBytes(path)), m_way(way) {
    if (way == Folder) {
        DeleteFileA(path.c_str());
        CreateDirectoryA(path.c_str(), nullptr);
    } else {
        m_handle = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
    }
}

void UnwritableFile::Release() {
    if (m_released)
        return;
    m_released = true;
    if (m_way == Folder) {
        RemoveDirectoryA(m_path.c_str());
        WriteFileBytes(m_path, m_text);
    } else if (m_handle != INVALID_HANDLE_VALUE) {
        CloseHandle(m_handle);
    }
}
