#pragma once
// Reading a settings file's text in the tests: the values of one key, the text
// without some keys (to compare everything else byte for byte), and the odds
// as they travel packed four to a key.

#include <array>
#include <initializer_list>
#include <string>
#include <vector>

// Every value the key has in the section, in file order (names compared
// without regard to case; blanks around the key and value dropped).
std::vector<std::string> IniValues(const std::string& text, const std::string& section,
                                   const std::string& key);

// The text with the lines of these keys in that section left out; every other
// byte as it was.
std::string WithoutKeys(const std::string& text, const std::string& section,
                        std::initializer_list<const char*> keys);

// "%d" of four signed bytes packed least significant first.
std::string PackedOdds(std::array<int, 4> bytes);

// The twelve odds bytes of hullpercentA, B and C of the mission's section,
// each as a signed byte; a missing key gives 999 for its four bytes.
std::array<int, 12> WrittenOdds(const std::string& scriptsIni);

// A scripts.ini with the mission's section between two others; the lines are
// joined with CR LF.
std::string ScriptsIni(std::initializer_list<const char*> missionLines);

// The keys Save writes into the mission's section.
extern const std::initializer_list<const char*> kMissionKeys;
