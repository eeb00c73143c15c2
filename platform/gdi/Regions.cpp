#include "platform/gdi/Regions.h"

#include "platform/gdi/detail/HandleTable.h"

namespace gdi {
namespace {

using detail::ObjectKind;

int Complexity(const Region& region) {
    switch (region.rects().size()) {
        case 0:
            return win::NULLREGION;
        case 1:
            return win::SIMPLEREGION;
        default:
            return win::COMPLEXREGION;
    }
}

std::shared_ptr<Region> FindRegion(win::HRGN rgn) { return detail::Find<Region>(rgn, ObjectKind::Region); }

}  // namespace

std::optional<Region> RegionOf(win::HRGN rgn) {
    const auto region = FindRegion(rgn);
    if (!region) {
        return std::nullopt;
    }
    return *region;
}

win::HRGN CreateRegionHandle(const Region& region) {
    return detail::Register<win::HRGN>(ObjectKind::Region, std::make_shared<Region>(region));
}

int SetRegionShape(win::HRGN rgn, const Region& region) {
    const auto target = FindRegion(rgn);
    if (!target) {
        return win::ERROR;
    }
    *target = region;
    return Complexity(region);
}

}  // namespace gdi

namespace win {

HRGN CreateRectRgn(int left, int top, int right, int bottom) {
    return gdi::CreateRegionHandle(gdi::Region(RECT{left, top, right, bottom}));
}

HRGN CreateRectRgnIndirect(const RECT* rect) {
    return rect ? CreateRectRgn(rect->left, rect->top, rect->right, rect->bottom) : nullptr;
}

int CombineRgn(HRGN dest, HRGN src1, HRGN src2, int mode) {
    const auto a = gdi::RegionOf(src1);
    if (!a) {
        return ERROR;
    }
    if (mode == RGN_COPY) {
        return gdi::SetRegionShape(dest, *a);
    }
    const auto b = gdi::RegionOf(src2);
    if (!b) {
        return ERROR;
    }
    switch (mode) {
        case RGN_AND:
            return gdi::SetRegionShape(dest, a->intersected(*b));
        case RGN_OR:
            return gdi::SetRegionShape(dest, a->united(*b));
        case RGN_XOR:
            return gdi::SetRegionShape(dest, a->exclusiveOr(*b));
        case RGN_DIFF:
            return gdi::SetRegionShape(dest, a->subtracted(*b));
        default:
            return ERROR;
    }
}

int GetRgnBox(HRGN rgn, RECT* box) {
    const auto region = gdi::RegionOf(rgn);
    if (!region || !box) {
        return ERROR;
    }
    *box = region->box();
    return gdi::Complexity(*region);
}

BOOL PtInRegion(HRGN rgn, int x, int y) {
    const auto region = gdi::RegionOf(rgn);
    return region && region->contains(x, y) ? TRUE : FALSE;
}

int OffsetRgn(HRGN rgn, int dx, int dy) {
    const auto region = gdi::RegionOf(rgn);
    if (!region) {
        return ERROR;
    }
    return gdi::SetRegionShape(rgn, region->offset(dx, dy));
}

}  // namespace win
