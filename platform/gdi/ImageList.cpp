#include "platform/gdi/ImageList.h"

#include <algorithm>
#include <vector>

#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/Surface.h"
#include "platform/gdi/SysColors.h"
#include "platform/gdi/detail/DeviceContext.h"
#include "platform/gdi/detail/HandleTable.h"
#include "platform/gdi/detail/Raster.h"

namespace win {
namespace {

using gdi::detail::ObjectKind;

// The framework's "no colour" value; as a background it means the same as CLR_NONE.
constexpr COLORREF kFrameworkNoColour = 0x1FFFFFFF;

struct ImageEntry {
    gdi::Surface pixels;
    std::vector<bool> transparent;  // per pixel, row by row; all false without a mask
};

struct ImageListData {
    int width = 0;
    int height = 0;
    bool masked = false;
    std::vector<ImageEntry> images;
};

std::shared_ptr<ImageListData> FindList(HIMAGELIST list) {
    return gdi::detail::Find<ImageListData>(list, ObjectKind::ImageList);
}

template <class IsTransparent>
int AddImages(ImageListData& list, const gdi::Surface& image, IsTransparent isTransparent) {
    const int count = image.width() / list.width;
    if (count == 0) {
        return -1;
    }
    const int first = int(list.images.size());
    for (int n = 0; n < count; ++n) {
        ImageEntry entry{gdi::Surface(list.width, list.height),
                         std::vector<bool>(std::size_t(list.width * list.height))};
        for (int y = 0; y < std::min(list.height, image.height()); ++y) {
            for (int x = 0; x < list.width; ++x) {
                const int sx = n * list.width + x;
                entry.pixels.setPixel(x, y, image.pixel(sx, y));
                entry.transparent[std::size_t(y * list.width + x)] = list.masked && isTransparent(sx, y);
            }
        }
        list.images.push_back(std::move(entry));
    }
    return first;
}

}  // namespace

HIMAGELIST ImageList_Create(int width, int height, UINT flags, int /*initial*/, int /*grow*/) {
    if (width <= 0 || height <= 0) {
        return nullptr;
    }
    auto list = std::make_shared<ImageListData>();
    list->width = width;
    list->height = height;
    list->masked = (flags & ILC_MASK) != 0;
    return gdi::detail::Register<HIMAGELIST>(ObjectKind::ImageList, std::move(list));
}

BOOL ImageList_Destroy(HIMAGELIST list) {
    return gdi::detail::HandleTable::instance().remove(gdi::detail::ToId(list), ObjectKind::ImageList) ? TRUE : FALSE;
}

int ImageList_Add(HIMAGELIST list, HBITMAP image, HBITMAP mask) {
    const auto data = FindList(list);
    const auto pixels = gdi::BitmapSurface(image);
    if (!data || !pixels) {
        return -1;
    }
    const auto maskPixels = mask ? gdi::BitmapSurface(mask) : nullptr;
    if (mask && !maskPixels) {
        return -1;
    }
    return AddImages(*data, *pixels, [&](int x, int y) {
        return maskPixels && maskPixels->contains(x, y) && maskPixels->pixel(x, y) != 0;
    });
}

int ImageList_AddMasked(HIMAGELIST list, HBITMAP image, COLORREF mask) {
    const auto data = FindList(list);
    const auto pixels = gdi::BitmapSurface(image);
    if (!data || !pixels) {
        return -1;
    }
    const COLORREF key = gdi::ResolveColor(mask);
    return AddImages(*data, *pixels, [&](int x, int y) { return pixels->pixel(x, y) == key; });
}

int ImageList_GetImageCount(HIMAGELIST list) {
    const auto data = FindList(list);
    return data ? int(data->images.size()) : 0;
}

BOOL ImageList_GetIconSize(HIMAGELIST list, int* width, int* height) {
    const auto data = FindList(list);
    if (!data || !width || !height) {
        return FALSE;
    }
    *width = data->width;
    *height = data->height;
    return TRUE;
}

BOOL ImageList_DrawEx(HIMAGELIST list, int index, HDC dc, int x, int y, int width, int height, COLORREF background,
                      COLORREF /*foreground*/, UINT style) {
    const auto data = FindList(list);
    const auto context = gdi::detail::FindDC(dc);
    if (!data || !context || index < 0 || index >= int(data->images.size())) {
        return FALSE;
    }
    const ImageEntry& image = data->images[std::size_t(index)];
    const int drawWidth = width > 0 ? std::min(width, data->width) : data->width;
    const int drawHeight = height > 0 ? std::min(height, data->height) : data->height;
    const bool keepUnderlay = (style & ILD_TRANSPARENT) || background == CLR_NONE || background == CLR_DEFAULT ||
                              background == kFrameworkNoColour;
    const COLORREF fill = keepUnderlay ? 0 : gdi::ResolveColor(background);
    gdi::detail::Raster raster(*context);
    for (int j = 0; j < drawHeight; ++j) {
        for (int i = 0; i < drawWidth; ++i) {
            if (!image.transparent[std::size_t(j * data->width + i)]) {
                raster.plot(x + i, y + j, image.pixels.pixel(i, j));
            } else if (!keepUnderlay) {
                raster.plot(x + i, y + j, fill);
            }
        }
    }
    return TRUE;
}

}  // namespace win
