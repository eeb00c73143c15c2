#include "platform/framework/controls/Image.h"

#include <optional>

#include "platform/framework/graphics/Canvas.h"
#include "platform/framework/graphics/ScaledBitmap.h"
#include "platform/gdi/SysColors.h"

namespace framework {

TImage::TImage(TComponent* owner) : TGraphicControl(owner) { SetBounds(0, 0, 105, 105); }

void TImage::PictureChanged() {
    picture_.Bitmap().SetTransparent(transparent_);
    if (autoSize_ && !picture_.Empty()) SetBounds(Left(), Top(), picture_.Width(), picture_.Height());
    Invalidate();
}

void TImage::ChangeScale(int multiplier, int divisor) {
    if (multiplier == divisor) return;
    TGraphicControl::ChangeScale(multiplier, divisor);
    TBitmap& bitmap = picture_.Bitmap();
    const std::optional<win::COLORREF> key =
        transparent_ && !bitmap.Empty() ? std::optional(gdi::ResolveColor(bitmap.TransparentColor())) : std::nullopt;
    ScaleBitmapCells(bitmap, 1, multiplier, divisor, key);
    PictureChanged();
}

void TImage::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    PictureChanged();
}

void TImage::SetTransparent(bool transparent) {
    transparent_ = transparent;
    PictureChanged();
}

void TImage::SetStretch(bool stretch) {
    stretch_ = stretch;
    Invalidate();
}

void TImage::SetCenter(bool center) {
    center_ = center;
    Invalidate();
}

void TImage::Paint() {
    if (picture_.Empty()) return;
    picture_.Bitmap().SetTransparent(transparent_);
    if (stretch_) {
        Canvas().StretchDraw(ClientRect(), picture_.Bitmap());
        return;
    }
    const int x = center_ ? (Width() - picture_.Width()) / 2 : 0;
    const int y = center_ ? (Height() - picture_.Height()) / 2 : 0;
    Canvas().Draw(x, y, picture_.Bitmap());
}

}  // namespace framework
