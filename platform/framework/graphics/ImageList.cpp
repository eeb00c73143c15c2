#include "platform/framework/graphics/ImageList.h"

#include "platform/framework/MulDiv.h"
#include "platform/framework/graphics/Bitmap.h"
#include "platform/framework/graphics/Canvas.h"
#include "platform/framework/graphics/ScaledBitmap.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/ImageList.h"
#include "platform/gdi/SysColors.h"

namespace framework {

TImageList::TImageList(TComponent* owner)
    : TComponent(owner), handle_(win::ImageList_Create(width_, height_, win::ILC_MASK | win::ILC_COLOR32, 4, 4)) {}

TImageList::~TImageList() { win::ImageList_Destroy(handle_); }

void TImageList::SetSize(int width, int height) {
    if (width == width_ && height == height_) return;
    width_ = width;
    height_ = height;
    Clear();
}

void TImageList::ChangeScale(int multiplier, int divisor) {
    if (multiplier == divisor) return;
    const int count = Count();
    TBitmap strip;
    if (count > 0) {
        strip.SetSize(width_ * count, height_);
        strip.Canvas().Brush().SetColor(clFuchsia);
        strip.Canvas().FillRect(win::RECT{0, 0, strip.Width(), strip.Height()});
        for (int i = 0; i < count; ++i)
            win::ImageList_DrawEx(handle_, i, strip.Canvas().Handle(), i * width_, 0, 0, 0, win::CLR_NONE,
                                  win::CLR_NONE, win::ILD_TRANSPARENT);
        ScaleBitmapCells(strip, count, multiplier, divisor, gdi::ResolveColor(clFuchsia));
    }
    width_ = MulDiv(width_, multiplier, divisor);
    height_ = MulDiv(height_, multiplier, divisor);
    Clear();
    if (count > 0) AddMasked(strip, clFuchsia);
}

int TImageList::Count() const { return win::ImageList_GetImageCount(handle_); }

int TImageList::Add(const TBitmap& image, const TBitmap* mask) {
    return win::ImageList_Add(handle_, image.Handle(), mask ? mask->Handle() : nullptr);
}

int TImageList::AddMasked(const TBitmap& image, TColor maskColor) {
    return win::ImageList_AddMasked(handle_, image.Handle(), gdi::ResolveColor(maskColor));
}

void TImageList::Clear() {
    win::ImageList_Destroy(handle_);
    handle_ = win::ImageList_Create(width_, height_, win::ILC_MASK | win::ILC_COLOR32, 4, 4);
}

void TImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) const {
    if (enabled) {
        win::ImageList_DrawEx(handle_, index, canvas.Handle(), x, y, 0, 0, win::CLR_NONE, win::CLR_NONE,
                              win::ILD_TRANSPARENT);
        return;
    }
    // Greyed: the image's shape embossed in the highlight and shadow colours, as disabled glyphs look.
    TBitmap shape;
    shape.SetSize(width_, height_);
    shape.Canvas().Brush().SetColor(clFuchsia);
    shape.Canvas().FillRect(win::RECT{0, 0, width_, height_});
    win::ImageList_DrawEx(handle_, index, shape.Canvas().Handle(), 0, 0, 0, 0, win::CLR_NONE, win::CLR_NONE,
                          win::ILD_TRANSPARENT);
    const win::COLORREF highlight = win::GetSysColor(win::COLOR_BTNHIGHLIGHT);
    const win::COLORREF shadow = win::GetSysColor(win::COLOR_BTNSHADOW);
    for (int pass = 0; pass < 2; ++pass) {
        const int offset = pass == 0 ? 1 : 0;
        for (int py = 0; py < height_; ++py)
            for (int px = 0; px < width_; ++px) {
                const win::COLORREF c = win::GetPixel(shape.Canvas().Handle(), px, py);
                if (c == clFuchsia) continue;
                // Dark pixels of the image make the embossed shape; light ones vanish into the face.
                const int luma = (win::GetRValue(c) * 3 + win::GetGValue(c) * 6 + win::GetBValue(c)) / 10;
                if (luma >= 192) continue;
                win::SetPixel(canvas.Handle(), x + px + offset, y + py + offset, pass == 0 ? highlight : shadow);
            }
    }
}

}  // namespace framework
