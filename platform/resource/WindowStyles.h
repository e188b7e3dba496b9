#pragma once

#include <cstdint>

// Style bits of dialog templates and their controls, with the values they have on the
// platform the templates were first drawn for, so templates can be written as they stand.
namespace style {
inline constexpr std::uint32_t WS_POPUP = 0x80000000;
inline constexpr std::uint32_t WS_CHILD = 0x40000000;
inline constexpr std::uint32_t WS_MINIMIZEBOX = 0x00020000;
inline constexpr std::uint32_t WS_VISIBLE = 0x10000000;
inline constexpr std::uint32_t WS_DISABLED = 0x08000000;
inline constexpr std::uint32_t WS_CAPTION = 0x00C00000;
inline constexpr std::uint32_t WS_BORDER = 0x00800000;
inline constexpr std::uint32_t WS_VSCROLL = 0x00200000;
inline constexpr std::uint32_t WS_HSCROLL = 0x00100000;
inline constexpr std::uint32_t WS_SYSMENU = 0x00080000;
inline constexpr std::uint32_t WS_GROUP = 0x00020000;
inline constexpr std::uint32_t WS_TABSTOP = 0x00010000;

inline constexpr std::uint32_t DS_SETFONT = 0x00000040;
inline constexpr std::uint32_t DS_MODALFRAME = 0x00000080;

inline constexpr std::uint32_t WS_EX_ACCEPTFILES = 0x00000010;
inline constexpr std::uint32_t WS_EX_STATICEDGE = 0x00020000;
inline constexpr std::uint32_t WS_EX_APPWINDOW = 0x00040000;

inline constexpr std::uint32_t BS_PUSHBUTTON = 0x00000000;
inline constexpr std::uint32_t BS_DEFPUSHBUTTON = 0x00000001;
inline constexpr std::uint32_t BS_AUTOCHECKBOX = 0x00000003;
inline constexpr std::uint32_t BS_GROUPBOX = 0x00000007;
inline constexpr std::uint32_t BS_AUTORADIOBUTTON = 0x00000009;
inline constexpr std::uint32_t BS_TYPEMASK = 0x0000000F;
inline constexpr std::uint32_t BS_CENTER = 0x00000300;
inline constexpr std::uint32_t BS_MULTILINE = 0x00002000;

inline constexpr std::uint32_t SS_LEFT = 0x00000000;
inline constexpr std::uint32_t SS_CENTER = 0x00000001;
inline constexpr std::uint32_t SS_ICON = 0x00000003;
inline constexpr std::uint32_t SS_LEFTNOWORDWRAP = 0x0000000C;
inline constexpr std::uint32_t SS_TYPEMASK = 0x0000001F;
inline constexpr std::uint32_t SS_CENTERIMAGE = 0x00000200;

inline constexpr std::uint32_t CBS_DROPDOWNLIST = 0x00000003;

inline constexpr std::uint32_t LBS_NOTIFY = 0x00000001;
inline constexpr std::uint32_t LBS_USETABSTOPS = 0x00000080;
inline constexpr std::uint32_t LBS_NOINTEGRALHEIGHT = 0x00000100;
} // namespace style
