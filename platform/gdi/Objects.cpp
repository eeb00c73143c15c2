#include "platform/gdi/Objects.h"

#include <algorithm>

#include "platform/gdi/Regions.h"
#include "platform/gdi/detail/DeviceContext.h"
#include "platform/gdi/detail/HandleTable.h"
#include "platform/gdi/detail/StockObjects.h"

namespace win {

using gdi::detail::Find;
using gdi::detail::ObjectKind;
using gdi::detail::Register;
using gdi::detail::ToHandle;
using gdi::detail::ToId;

HPEN CreatePen(int style, int width, COLORREF colour) {
    if (style != PS_SOLID && style != PS_NULL) {
        return nullptr;
    }
    return Register<HPEN>(ObjectKind::Pen,
                          std::make_shared<gdi::detail::Pen>(gdi::detail::Pen{style, std::max(width, 1), colour}));
}

HBRUSH CreateSolidBrush(COLORREF colour) {
    return Register<HBRUSH>(ObjectKind::Brush, std::make_shared<gdi::detail::Brush>(gdi::detail::Brush{false, colour}));
}

HFONT CreateFontIndirect(const LOGFONT* font) {
    if (!font) {
        return nullptr;
    }
    auto copy = std::make_shared<gdi::detail::Font>(gdi::detail::Font{*font});
    copy->logfont.lfFaceName[LF_FACESIZE - 1] = '\0';
    return Register<HFONT>(ObjectKind::Font, std::move(copy));
}

HGDIOBJ GetStockObject(int object) { return gdi::detail::StockObject(object); }

namespace {

template <class Handle, class Object>
HGDIOBJ Swap(gdi::detail::Selection<Handle, Object>& selection, HGDIOBJ object, ObjectKind kind) {
    auto found = Find<const Object>(object, kind);
    const Handle previous = selection.handle;
    selection = {ToHandle<Handle>(ToId(object)), std::move(found)};
    return previous;
}

}  // namespace

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object) {
    const auto context = gdi::detail::FindDC(dc);
    if (!context || !object) {
        return nullptr;
    }
    auto& table = gdi::detail::HandleTable::instance();
    const auto id = ToId(object);
    if (table.contains(id, ObjectKind::Pen)) {
        return Swap(context->pen, object, ObjectKind::Pen);
    }
    if (table.contains(id, ObjectKind::Brush)) {
        return Swap(context->brush, object, ObjectKind::Brush);
    }
    if (table.contains(id, ObjectKind::Font)) {
        return Swap(context->font, object, ObjectKind::Font);
    }
    if (auto surface = Find<gdi::Surface>(object, ObjectKind::Bitmap)) {
        if (!context->memory) {
            return nullptr;
        }
        const HBITMAP previous = context->bitmap;
        context->bitmap = ToHandle<HBITMAP>(id);
        context->surface = std::move(surface);
        return previous;
    }
    if (auto region = Find<gdi::Region>(object, ObjectKind::Region)) {
        context->selectedClip = region->offset(context->origin.x, context->origin.y);
        const std::size_t rects = context->selectedClip->rects().size();
        const int complexity = rects == 0 ? NULLREGION : rects == 1 ? SIMPLEREGION : COMPLEXREGION;
        return ToHandle<HGDIOBJ>(std::uintptr_t(complexity));
    }
    return nullptr;
}

BOOL DeleteObject(HGDIOBJ object) {
    auto& table = gdi::detail::HandleTable::instance();
    const auto id = ToId(object);
    for (ObjectKind kind :
         {ObjectKind::Pen, ObjectKind::Brush, ObjectKind::Font, ObjectKind::Bitmap, ObjectKind::Region}) {
        if (table.remove(id, kind)) {
            return TRUE;
        }
    }
    return FALSE;
}

}  // namespace win
