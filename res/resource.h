#pragma once

#include "platform/resource/CommandIds.h"

// The ids of the program's resources: dialog templates, their controls, strings, the icon and
// the system-menu command. Controls of different dialogs may share a number.

inline constexpr int IDD_ABOUTBOX = 100;
inline constexpr int IDS_ABOUTBOX = 101;
inline constexpr int IDD_COMPARE_DIALOG = 102;
inline constexpr int IDR_MAINFRAME = 128;
inline constexpr int IDD_SETTINGS = 129;

// A system-menu command: the window layer keeps the low four bits of such ids for itself.
inline constexpr unsigned IDM_ABOUTBOX = 0x0010;

// Controls of the main dialog.
inline constexpr int IDC_BROWSE1 = 1009;
inline constexpr int IDC_BROWSE2 = 1013;
inline constexpr int IDC_RESULT_LIST = 1014;
inline constexpr int IDC_EXECUTE = 1015;
inline constexpr int IDC_SETTINGS = 1016;
inline constexpr int IDC_FILE1_COMBO = 1028;
inline constexpr int IDC_FILE2_COMBO = 1029;
inline constexpr int IDC_NAME1 = 1039;
inline constexpr int IDC_FILE1_BOX = 1041;
inline constexpr int IDC_FILE2_BOX = 1042;
inline constexpr int IDC_NAME2 = 1044;
inline constexpr int IDC_LENGTH_VERDICT = 1045;
inline constexpr int IDC_DIFF_SUMMARY = 1046;

// Controls of the settings dialog.
inline constexpr int IDC_MATCH_CASE = 1034;
inline constexpr int IDC_COMPRESS_BLANKS = 1035;
inline constexpr int IDC_MODE_TEXT = 1037;
inline constexpr int IDC_MODE_BINARY = 1038;
inline constexpr int IDC_TEXT_OPTIONS = 1039;
