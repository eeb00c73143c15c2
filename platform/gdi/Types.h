#pragma once
// Basic value and handle types of the drawing layer. Handles are opaque ids that are never reused: a stale
// handle makes every call fail cleanly instead of reaching another object.
#include <cstdint>

namespace win {

using BOOL = int;
using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using UINT = unsigned int;
using LONG = std::int32_t;
using COLORREF = std::uint32_t;  // 0x00BBGGRR, or 0xFF0000nn for system colour nn

inline constexpr BOOL FALSE = 0;
inline constexpr BOOL TRUE = 1;

struct POINT {
    LONG x = 0;
    LONG y = 0;
};

struct SIZE {
    LONG cx = 0;
    LONG cy = 0;
};

// Right and bottom edges are exclusive.
struct RECT {
    LONG left = 0;
    LONG top = 0;
    LONG right = 0;
    LONG bottom = 0;
};

struct HDC__;
using HDC = HDC__*;
struct HGDIOBJ__ {};
using HGDIOBJ = HGDIOBJ__*;
// Each object kind converts to HGDIOBJ (for SelectObject/DeleteObject) as the platform's handles do.
struct HPEN__ : HGDIOBJ__ {};
using HPEN = HPEN__*;
struct HBRUSH__ : HGDIOBJ__ {};
using HBRUSH = HBRUSH__*;
struct HFONT__ : HGDIOBJ__ {};
using HFONT = HFONT__*;
struct HBITMAP__ : HGDIOBJ__ {};
using HBITMAP = HBITMAP__*;
struct HRGN__ : HGDIOBJ__ {};
using HRGN = HRGN__*;
struct HIMAGELIST__;
using HIMAGELIST = HIMAGELIST__*;

constexpr COLORREF RGB(BYTE r, BYTE g, BYTE b) { return COLORREF(r) | (COLORREF(g) << 8) | (COLORREF(b) << 16); }
constexpr BYTE GetRValue(COLORREF c) { return BYTE(c & 0xFF); }
constexpr BYTE GetGValue(COLORREF c) { return BYTE((c >> 8) & 0xFF); }
constexpr BYTE GetBValue(COLORREF c) { return BYTE((c >> 16) & 0xFF); }

inline constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;

}  // namespace win
