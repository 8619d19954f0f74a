#pragma once
// The settings dialog driven as the user drives it, with the control tables
// the tests check against: which box stands for which race bit, hull bit and
// mod-support bit.

#include "app/resource.h"
#include "support/DialogFixture.h"

#include <string>
#include <vector>

struct RaceBox {
    int id;
    int bit;
};
extern const RaceBox kRaceBoxes[18];

// In odds-index order, Frigate to Battleship.
struct HullRow {
    const char* name;
    int useId;
    int oddsId;
    int bit;
    int defaultOdds;
};
extern const HullRow kHullRows[10];

struct ModBox {
    int id;
    int mask;
};
extern const ModBox kModBoxes[3];

constexpr int kAllRaces = 262143;
constexpr char kTestTitle[] = "dialog_flow_tests"; // the test executable's name

class FlowTest : public DialogFixture {
protected:
    void OpenOn(const std::string& scriptsIni, const std::string& mainIni) {
        Open(scriptsIni.c_str(), mainIni.c_str());
    }
    // Opens the dialog with the game's registry key gone, so the load fails.
    void OpenWithoutGame(const std::string& scriptsIni, const std::string& mainIni);

    // A horizontal scroll notice from the slider, as the trackbar sends it.
    void Scroll(int code, int position) const;
    int SliderPos() const;
    // The races the boxes show, as a race set.
    int ShownRaces() const;
    // Ticks exactly the races of the set.
    void ShowRaces(int races) const;
    std::string SelectedText(int comboId) const;
    int Selection(int comboId) const;
    std::vector<int> CheckedEraButtons() const;
};

// Keeps a settings file from being written while it lives: either a folder
// stands in its place, or the test holds it open without sharing it for
// writing. The file's text is back when it ends.
class UnwritableFile {
public:
    enum Way { Folder, HeldOpen };
    UnwritableFile(const std::string& path, Way way);
    ~UnwritableFile() { Release(); }
    UnwritableFile(const UnwritableFile&) = delete;
    UnwritableFile& operator=(const UnwritableFile&) = delete;
    void Release();

private:
    std::string m_path;
    std::string m_text;
    Way m_way;
    HANDLE m_handle = INVALID_HANDLE_VALUE;
    bool m_released = false;
};
