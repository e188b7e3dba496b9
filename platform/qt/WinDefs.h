#pragma once

#include "platform/resource/CommandIds.h"

// Command ids, flags and metrics that dialogs exchange with the window layer, with the values
// they have on the platform the dialogs were first written for.

inline constexpr unsigned MB_OK = 0x00;
inline constexpr unsigned MB_ICONEXCLAMATION = 0x30;
inline constexpr unsigned MB_ICONINFORMATION = 0x40;
inline constexpr unsigned MB_ICONMASK = 0xF0; // the bits of a box's type that choose its icon

inline constexpr int BST_UNCHECKED = 0;
inline constexpr int BST_CHECKED = 1;

inline constexpr int CB_ERR = -1;
inline constexpr int LB_ERR = -1;

inline constexpr unsigned MF_STRING = 0x0000;
inline constexpr unsigned MF_BYCOMMAND = 0x0000;
inline constexpr unsigned MF_ENABLED = 0x0000;
inline constexpr unsigned MF_GRAYED = 0x0001;
inline constexpr unsigned MF_SEPARATOR = 0x0800;

// The window layer keeps the low four bits of a system command for itself; a command is
// recognised by the bits of this mask.
inline constexpr unsigned kSysCommandMask = 0xFFF0;
inline constexpr unsigned SC_SIZE = 0xF000;
inline constexpr unsigned SC_MOVE = 0xF010;
inline constexpr unsigned SC_MINIMIZE = 0xF020;
inline constexpr unsigned SC_MAXIMIZE = 0xF030;
inline constexpr unsigned SC_CLOSE = 0xF060;
inline constexpr unsigned SC_RESTORE = 0xF120;

inline constexpr int SM_CXICON = 11;
inline constexpr int SM_CYICON = 12;

struct CRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

// System metrics the dialogs ask for; only the icon size is known here.
int GetSystemMetrics(int index);
