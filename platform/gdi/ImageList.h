#pragma once
// Image lists: equally sized images, each with an optional mask.
#include "platform/gdi/Types.h"

namespace win {

// ImageList_Create flags
inline constexpr UINT ILC_MASK = 0x0001;
inline constexpr UINT ILC_COLOR32 = 0x0020;

// ImageList_DrawEx styles and colours
inline constexpr UINT ILD_NORMAL = 0x0000;
inline constexpr UINT ILD_TRANSPARENT = 0x0001;
inline constexpr COLORREF CLR_NONE = 0xFFFFFFFF;
inline constexpr COLORREF CLR_DEFAULT = 0xFF000000;

HIMAGELIST ImageList_Create(int width, int height, UINT flags, int initial, int grow);
BOOL ImageList_Destroy(HIMAGELIST list);
// Adds as many images as fit across the bitmap. With a mask bitmap, its non-black pixels are transparent.
// Returns the index of the first image added, -1 on failure.
int ImageList_Add(HIMAGELIST list, HBITMAP image, HBITMAP mask);
// Pixels of the mask colour are transparent.
int ImageList_AddMasked(HIMAGELIST list, HBITMAP image, COLORREF mask);
int ImageList_GetImageCount(HIMAGELIST list);
BOOL ImageList_GetIconSize(HIMAGELIST list, int* width, int* height);
// Draws image `index` at (x, y); width and height 0 mean the image size. With ILD_TRANSPARENT (or a
// background of CLR_NONE) masked pixels are left alone, otherwise they take the background colour; foreground
// blending is not done, so `foreground` is ignored. An index out of range draws nothing and returns FALSE.
BOOL ImageList_DrawEx(HIMAGELIST list, int index, HDC dc, int x, int y, int width, int height, COLORREF background,
                      COLORREF foreground, UINT style);

}  // namespace win
