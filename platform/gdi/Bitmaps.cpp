#include "platform/gdi/Bitmaps.h"

#include "platform/gdi/Surface.h"
#include "platform/gdi/detail/DeviceContext.h"
#include "platform/gdi/detail/HandleTable.h"

namespace gdi {

win::HBITMAP CreateBitmap(Surface pixels) {
    return detail::Register<win::HBITMAP>(detail::ObjectKind::Bitmap, std::make_shared<Surface>(std::move(pixels)));
}

std::shared_ptr<Surface> BitmapSurface(win::HBITMAP bitmap) {
    return detail::Find<Surface>(bitmap, detail::ObjectKind::Bitmap);
}

}  // namespace gdi

namespace win {

HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height) {
    if ((dc && !gdi::detail::FindDC(dc)) || width < 0 || height < 0) {
        return nullptr;
    }
    if (width == 0 || height == 0) {
        width = height = 1;
    }
    return gdi::CreateBitmap(gdi::Surface(width, height));
}

}  // namespace win
