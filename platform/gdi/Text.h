#pragma once
// Text output and measurement with the font selected into a DC. Text is UTF-8; a length of -1 means up to the
// terminating zero.
#include "platform/gdi/Types.h"

namespace win {

// DrawText/DrawTextEx format flags
inline constexpr UINT DT_LEFT = 0x0;
inline constexpr UINT DT_TOP = 0x0;
inline constexpr UINT DT_CENTER = 0x1;
inline constexpr UINT DT_RIGHT = 0x2;
inline constexpr UINT DT_VCENTER = 0x4;  // only with DT_SINGLELINE
inline constexpr UINT DT_BOTTOM = 0x8;   // only with DT_SINGLELINE
inline constexpr UINT DT_SINGLELINE = 0x20;
inline constexpr UINT DT_EXPANDTABS = 0x40;
inline constexpr UINT DT_CALCRECT = 0x400;
inline constexpr UINT DT_NOPREFIX = 0x800;
inline constexpr UINT DT_RTLREADING = 0x20000;  // accepted; text is laid out left to right

struct DRAWTEXTPARAMS {
    UINT cbSize = sizeof(DRAWTEXTPARAMS);
    int iTabLength = 0;  // in average character widths; 0 means 8
    int iLeftMargin = 0;
    int iRightMargin = 0;
    UINT uiLengthDrawn = 0;
};

// Draws at (x, y) (the top-left of the text cell) in the text colour; fills the cell with the background
// colour unless the background mode is TRANSPARENT. No prefix processing.
BOOL TextOut(HDC dc, int x, int y, const char* text, int length);
BOOL GetTextExtentPoint32(HDC dc, const char* text, int length, SIZE* size);

// Lines break at "\n" (and "\r\n") unless DT_SINGLELINE. "&X" underlines X and "&&" is a literal "&" unless
// DT_NOPREFIX. DT_CALCRECT only measures: right and bottom are set to fit the text; text with nothing to show
// measures 0 by 0. Returns the text height, 0 on failure.
int DrawText(HDC dc, const char* text, int length, RECT* rect, UINT format);
int DrawTextEx(HDC dc, const char* text, int length, RECT* rect, UINT format, DRAWTEXTPARAMS* params);

}  // namespace win
