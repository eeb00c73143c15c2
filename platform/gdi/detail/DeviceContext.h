#pragma once
// The state behind an HDC and the drawing objects it selects.
#include <memory>
#include <optional>

#include "platform/gdi/DC.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Region.h"
#include "platform/gdi/Surface.h"

namespace gdi::detail {

struct Pen {
    int style = win::PS_SOLID;
    int width = 1;
    win::COLORREF colour = 0;
};

struct Brush {
    bool hollow = false;
    win::COLORREF colour = 0;
};

struct Font {
    win::LOGFONT logfont;
};

// Selected objects are held by value as well as by handle, so a DC keeps drawing with an object whose handle
// was deleted while it was selected.
template <class Handle, class Object>
struct Selection {
    Handle handle = nullptr;
    std::shared_ptr<const Object> object;
};

struct DeviceContext {
    std::shared_ptr<Surface> surface;
    win::POINT origin{};
    std::optional<Region> clip;          // surface coordinates, set by whoever made the DC
    std::optional<Region> selectedClip;  // surface coordinates, from SelectObject with a region
    const void* owner = nullptr;
    bool memory = false;

    win::HBITMAP bitmap = nullptr;
    Selection<win::HPEN, Pen> pen;
    Selection<win::HBRUSH, Brush> brush;
    Selection<win::HFONT, Font> font;

    win::COLORREF textColor = 0;
    win::COLORREF bkColor = 0xFFFFFF;
    int bkMode = win::OPAQUE;
    win::POINT position{};
};

std::shared_ptr<DeviceContext> FindDC(win::HDC dc);
// A DC with the stock pen, brush and font selected.
std::shared_ptr<DeviceContext> NewDeviceContext(std::shared_ptr<Surface> surface);

}  // namespace gdi::detail
