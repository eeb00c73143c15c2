#pragma once
// Pens, brushes and fonts, the stock objects, and selecting objects into a device context.
#include "platform/gdi/Types.h"

namespace win {

// Pen styles
inline constexpr int PS_SOLID = 0;
inline constexpr int PS_NULL = 5;

// Stock objects; never counted as live, deleting one does nothing.
inline constexpr int WHITE_BRUSH = 0;
inline constexpr int LTGRAY_BRUSH = 1;
inline constexpr int GRAY_BRUSH = 2;
inline constexpr int DKGRAY_BRUSH = 3;
inline constexpr int BLACK_BRUSH = 4;
inline constexpr int NULL_BRUSH = 5;
inline constexpr int HOLLOW_BRUSH = NULL_BRUSH;
inline constexpr int WHITE_PEN = 6;
inline constexpr int BLACK_PEN = 7;
inline constexpr int NULL_PEN = 8;
inline constexpr int SYSTEM_FONT = 13;
inline constexpr int DEFAULT_GUI_FONT = 17;

// Font weights and character sets
inline constexpr LONG FW_NORMAL = 400;
inline constexpr LONG FW_BOLD = 700;
inline constexpr BYTE ANSI_CHARSET = 0;
inline constexpr BYTE DEFAULT_CHARSET = 1;
inline constexpr BYTE GB2312_CHARSET = 134;

inline constexpr int LF_FACESIZE = 32;

// lfHeight < 0: character height in pixels; > 0: cell height (ascent + descent); 0: the default size.
// lfFaceName is UTF-8 ("宋体" and "SimSun" find the installed CJK face, "Tahoma" and "MS Sans Serif" DejaVu
// Sans).
struct LOGFONT {
    LONG lfHeight = 0;
    LONG lfWeight = FW_NORMAL;
    BYTE lfItalic = 0;
    BYTE lfUnderline = 0;
    BYTE lfStrikeOut = 0;
    BYTE lfCharSet = DEFAULT_CHARSET;
    char lfFaceName[LF_FACESIZE] = {};
};

HPEN CreatePen(int style, int width, COLORREF colour);
HBRUSH CreateSolidBrush(COLORREF colour);
HFONT CreateFontIndirect(const LOGFONT* font);
HGDIOBJ GetStockObject(int object);

// Returns the previously selected object of the same kind, 0 on failure. Selecting a region sets the clip
// region (a copy) and returns its complexity cast to a handle, as the platform does.
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
// FALSE for a stale handle. A DC keeps drawing with an object deleted while selected into it.
BOOL DeleteObject(HGDIOBJ object);

}  // namespace win
