// Identifiers of the program's resources and of the controls in its two
// dialog templates. Plain #defines: the resource compiler reads this file too.
#ifndef KESTRUNE_APP_RESOURCE_H
#define KESTRUNE_APP_RESOURCE_H

#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_MISSION_SETUP 102
#define IDR_MAINFRAME 128

// System-menu command of the About item; the low four bits are the system's.
#define IDM_ABOUTBOX 0x0010

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// Difficulty
#define IDC_MULTIPLIER 1000
#define IDC_DIFFICULTY 1033
#define IDC_AI_LEVEL 1034

// Races
#define IDC_RACE_FEDERATION 1001
#define IDC_RACE_KLINGON 1002
#define IDC_RACE_ROMULAN 1003
#define IDC_RACE_GORN 1004
#define IDC_RACE_LYRAN 1005
#define IDC_RACE_HYDRAN 1006
#define IDC_RACE_MIRAK 1007
#define IDC_RACE_ISC 1008
#define IDC_RACE_UNALIGNED_PIRATES 1009
#define IDC_RACE_MONSTER 1010
#define IDC_RACE_MODE 1031
#define IDC_RACE_ORION_CARTEL 1049
#define IDC_RACE_KORGATH 1050
#define IDC_RACE_PRIME_INDUSTRIES 1051
#define IDC_RACE_TIGER_HEART 1052
#define IDC_RACE_BEAST_RAIDERS 1053
#define IDC_RACE_SYNDICATE 1054
#define IDC_RACE_WYLDEFIRE 1055
#define IDC_RACE_CAMBORO 1056

// Hulls: the "Use?" boxes
#define IDC_USE_FRIGATE 1019
#define IDC_USE_DESTROYER 1020
#define IDC_USE_WAR_DESTROYER 1021
#define IDC_USE_LIGHT_CRUISER 1022
#define IDC_USE_HEAVY_CRUISER 1023
#define IDC_USE_NEW_HEAVY_CRUISER 1024
#define IDC_USE_HEAVY_BATTLECRUISER 1025
#define IDC_USE_CARRIER 1026
#define IDC_USE_DREADNOUGHT 1027
#define IDC_USE_BATTLESHIP 1028

// Hulls and monster: the odds fields
#define IDC_ODDS_BATTLESHIP 1038
#define IDC_ODDS_DREADNOUGHT 1039
#define IDC_ODDS_CARRIER 1040
#define IDC_ODDS_HEAVY_BATTLECRUISER 1041
#define IDC_ODDS_NEW_HEAVY_CRUISER 1042
#define IDC_ODDS_HEAVY_CRUISER 1043
#define IDC_ODDS_LIGHT_CRUISER 1044
#define IDC_ODDS_WAR_DESTROYER 1045
#define IDC_ODDS_DESTROYER 1046
#define IDC_ODDS_FRIGATE 1047
#define IDC_ODDS_MONSTER 1048

// Mod support
#define IDC_MOD_X1_ERA 1100
#define IDC_MOD_FAVOR_X1 1101
#define IDC_MOD_FIGHTER_LOADOUTS 1102

// Enemy fleet era: one range, so the buttons can be checked as a group
#define IDC_ERA_EARLY 1200
#define IDC_ERA_MIDDLE 1201
#define IDC_ERA_LATE 1202
#define IDC_ERA_ADVANCED 1203
#define IDC_ERA_GAME 1204

// Buttons
#define IDC_RESET_DEFAULTS 1012

#endif
