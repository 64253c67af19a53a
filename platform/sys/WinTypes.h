// Basic types and constants of the Windows platform that the wizard's code is written in.
// They carry the same widths and values as on Windows, so that code reads the same on both.
#pragma once

#include <cstdint>
#include <string>

using BOOL = int;
using BYTE = unsigned char;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using UINT = unsigned int;
using LONG = std::int32_t;
using ULONGLONG = std::uint64_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using LPVOID = void*;
using LPCSTR = const char*;
using LPSTR = char*;

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif

// An 8-bit byte string in the system code page. Lengths and offsets are in bytes.
using CString = std::string;

// Window messages, notifications and flags used by the wizard.
constexpr UINT WM_SETFONT = 0x0030;
constexpr UINT WM_GETFONT = 0x0031;
constexpr UINT WM_COMMAND = 0x0111;
constexpr UINT WM_USER = 0x0400;
constexpr UINT BM_SETCHECK = 0x00F1;
constexpr UINT BN_CLICKED = 0;
constexpr UINT IPM_SETADDRESS = WM_USER + 101;     // 1125
constexpr UINT PBM_SETPOS = WM_USER + 2;           // 1026
constexpr UINT PBM_SETRANGE32 = WM_USER + 6;       // 1030: wParam low, lParam high
constexpr UINT PSM_SETWIZBUTTONS = WM_USER + 112;  // 1136
constexpr LPARAM PSWIZB_BACK = 1;
constexpr LPARAM PSWIZB_NEXT = 2;
constexpr LPARAM PSWIZB_FINISH = 4;
constexpr DWORD PSH_WIZARD = 0x20;

constexpr int SW_HIDE = 0;
constexpr int SW_SHOW = 5;

constexpr UINT MB_OK = 0;
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int ID_WIZFINISH = 0x3025;

constexpr int IDC_STATIC = -1;

inline WORD LOWORD(WPARAM w) { return static_cast<WORD>(w & 0xFFFF); }
inline WORD HIWORD(WPARAM w) { return static_cast<WORD>((w >> 16) & 0xFFFF); }
inline WPARAM MAKEWPARAM(WORD lo, WORD hi) { return static_cast<WPARAM>(lo) | (static_cast<WPARAM>(hi) << 16); }
