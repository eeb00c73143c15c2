#include "platform/gdi/DC.h"

#include <atomic>
#include <utility>

#include "platform/gdi/detail/DeviceContext.h"
#include "platform/gdi/detail/HandleTable.h"
#include "platform/gdi/detail/StockObjects.h"

namespace gdi {
namespace {

using detail::DeviceContext;
using detail::ObjectKind;

constexpr int kDefaultBitsPerPixel = 32;
constexpr int kDefaultPixelsPerInch = 96;
std::atomic<int> bitsPerPixel{kDefaultBitsPerPixel};
std::atomic<int> pixelsPerInch{kDefaultPixelsPerInch};

win::HDC Register(std::shared_ptr<DeviceContext> context) {
    return detail::Register<win::HDC>(ObjectKind::DC, std::move(context));
}

}  // namespace

namespace detail {

std::shared_ptr<DeviceContext> FindDC(win::HDC dc) { return Find<DeviceContext>(dc, ObjectKind::DC); }

std::shared_ptr<DeviceContext> NewDeviceContext(std::shared_ptr<Surface> surface) {
    auto context = std::make_shared<DeviceContext>();
    context->surface = std::move(surface);
    const auto stockPen = ToHandle<win::HPEN>(ToId(StockObject(win::BLACK_PEN)));
    const auto stockBrush = ToHandle<win::HBRUSH>(ToId(StockObject(win::WHITE_BRUSH)));
    const auto stockFont = ToHandle<win::HFONT>(ToId(StockObject(win::DEFAULT_GUI_FONT)));
    context->pen = {stockPen, Find<const Pen>(stockPen, ObjectKind::Pen)};
    context->brush = {stockBrush, Find<const Brush>(stockBrush, ObjectKind::Brush)};
    context->font = {stockFont, Find<const Font>(stockFont, ObjectKind::Font)};
    return context;
}

}  // namespace detail

win::HDC CreateSurfaceDC(std::shared_ptr<Surface> surface, win::POINT origin, const std::optional<Region>& clip,
                         const void* owner) {
    if (!surface) {
        return nullptr;
    }
    auto context = detail::NewDeviceContext(std::move(surface));
    context->origin = origin;
    context->clip = clip;
    context->owner = owner;
    return Register(std::move(context));
}

win::HDC CreateMovedDC(win::HDC parent, const win::RECT& bounds) {
    const auto source = detail::FindDC(parent);
    if (!source) {
        return nullptr;
    }
    auto context = std::make_shared<DeviceContext>(*source);
    context->memory = false;
    context->bitmap = nullptr;
    context->origin = {source->origin.x + bounds.left, source->origin.y + bounds.top};
    Region visible = Region(bounds).offset(source->origin.x, source->origin.y);
    if (source->clip) {
        visible = visible.intersected(*source->clip);
    }
    if (source->selectedClip) {
        visible = visible.intersected(*source->selectedClip);
    }
    context->clip = visible;
    context->selectedClip.reset();
    return Register(std::move(context));
}

const void* DCOwner(win::HDC dc) {
    const auto context = detail::FindDC(dc);
    return context ? context->owner : nullptr;
}

std::shared_ptr<Surface> DCSurface(win::HDC dc) {
    const auto context = detail::FindDC(dc);
    return context ? context->surface : nullptr;
}

void SetBitsPerPixel(int bits) { bitsPerPixel = bits; }
void SetPixelsPerInch(int dpi) { pixelsPerInch = dpi; }

int PixelsPerInch() { return pixelsPerInch; }

void ResetDisplaySettings() {
    bitsPerPixel = kDefaultBitsPerPixel;
    pixelsPerInch = kDefaultPixelsPerInch;
}

}  // namespace gdi

namespace win {

HDC CreateCompatibleDC(HDC dc) {
    if (dc && !gdi::detail::FindDC(dc)) {
        return nullptr;
    }
    // Each memory DC draws on its own 1x1 surface until a bitmap is selected; the handle reported is the
    // stock one.
    auto context = gdi::detail::NewDeviceContext(std::make_shared<gdi::Surface>(1, 1));
    context->memory = true;
    context->bitmap = gdi::detail::StockBitmap();
    return gdi::Register(std::move(context));
}

BOOL DeleteDC(HDC dc) {
    return gdi::detail::HandleTable::instance().remove(gdi::detail::ToId(dc), gdi::detail::ObjectKind::DC) ? TRUE
                                                                                                           : FALSE;
}

COLORREF SetTextColor(HDC dc, COLORREF colour) {
    const auto context = gdi::detail::FindDC(dc);
    if (!context) {
        return CLR_INVALID;
    }
    return std::exchange(context->textColor, colour);
}

COLORREF GetTextColor(HDC dc) {
    const auto context = gdi::detail::FindDC(dc);
    return context ? context->textColor : CLR_INVALID;
}

COLORREF SetBkColor(HDC dc, COLORREF colour) {
    const auto context = gdi::detail::FindDC(dc);
    if (!context) {
        return CLR_INVALID;
    }
    return std::exchange(context->bkColor, colour);
}

COLORREF GetBkColor(HDC dc) {
    const auto context = gdi::detail::FindDC(dc);
    return context ? context->bkColor : CLR_INVALID;
}

int SetBkMode(HDC dc, int mode) {
    const auto context = gdi::detail::FindDC(dc);
    if (!context || (mode != TRANSPARENT && mode != OPAQUE)) {
        return 0;
    }
    return std::exchange(context->bkMode, mode);
}

int GetBkMode(HDC dc) {
    const auto context = gdi::detail::FindDC(dc);
    return context ? context->bkMode : 0;
}

int GetDeviceCaps(HDC dc, int index) {
    if (!gdi::detail::FindDC(dc)) {
        return 0;
    }
    switch (index) {
        case BITSPIXEL:
            return gdi::bitsPerPixel;
        case LOGPIXELSX:
        case LOGPIXELSY:
            return gdi::pixelsPerInch;
        default:
            return 0;
    }
}

}  // namespace win
