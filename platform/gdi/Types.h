#pragma once
// Colour and handle types of the drawing layer. Handles are opaque ids that are never reused: a stale handle
// makes every call fail cleanly instead of reaching another object.
#include <cstdint>

#include "platform/win/Types.h"

namespace win {

using COLORREF = std::uint32_t;  // 0x00BBGGRR, or 0xFF0000nn for system colour nn

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
