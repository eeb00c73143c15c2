// Tool bar buttons in the flat look: background, selection box, drop-down arrow, image, caption, and the separator
// before the button, all painted here instead of by the tool bar.
#include <exception>

#include "platform/framework/Round.h"
#include "platform/framework/controls/ToolButton.h"
#include "platform/framework/graphics/Bitmap.h"
#include "platform/framework/graphics/Canvas.h"
#include "platform/framework/graphics/ImageList.h"
#include "platform/gdi/ImageList.h"
#include "platform/gdi/Text.h"
#include "trackmill/components/ColorRoutines.h"
#include "trackmill/components/FlatLook.h"
#include "trackmill/components/GlyphRoutines.h"

namespace components {

namespace {

using framework::TCanvas;
using framework::TImageList;
using framework::TToolButton;

constexpr TColor clBlack = 0x000000;
constexpr int kArrowPart = 14;  // the width of a drop-down button's arrow part
constexpr int kArrowRoom = 12;  // what the arrow takes from the image and the caption

bool Usable(const TImageList* list, int index) { return list && index != -1 && index < list->Count(); }

// Four lines clockwise from the top-left corner, the right and bottom edges included.
void Outline(TCanvas& canvas, int left, int top, int right, int bottom) {
    canvas.MoveTo(left, top);
    canvas.LineTo(right, top);
    canvas.LineTo(right, bottom);
    canvas.LineTo(left, bottom);
    canvas.LineTo(left, top);
}

bool RightToLeft(const TToolButton& button) { return button.BiDiMode() == framework::bdRightToLeft; }

}  // namespace

void TFlatLook::ToolbarCustomDrawButton(framework::TToolBar* sender, TToolButton* button,
                                        framework::TCustomDrawState state, bool& defaultDraw) {
    if (!sender || !button) return;
    try {
        PaintToolButton(sender, button, state);
        defaultDraw = false;
    } catch (const std::exception&) {
        // The tool bar paints the button itself.
    }
}

void TFlatLook::PaintToolButton(framework::TToolBar* toolBar, TToolButton* button, framework::TCustomDrawState state) {
    TCanvas& canvas = toolBar->Canvas();
    const bool hot = state & framework::cdsHot;
    const bool selected = state & framework::cdsSelected;
    const bool checked = state & framework::cdsChecked;
    const bool indeterminate = state & framework::cdsIndeterminate;
    const bool dropDown = button->Style() == framework::tbsDropDown;
    const bool enabled = button->Enabled();
    const bool rtl = RightToLeft(*button);
    const int index = button->ImageIndex();

    // 2. Colours.
    if (ColorsStale) UpdateWorkingColors(canvas);
    const TColor hotColor = (HighColor && !useSystemColors_) ? LightenColor(selectColor_, 68) : EffSelectColor;
    const TColor background = HighColor ? LightenColor(toolBar->Color(), 16) : toolBar->Color();

    // 3. Background.
    const win::RECT bounds = button->BoundsRect();
    win::RECT r = bounds;
    canvas.Brush().SetStyle(framework::bsSolid);
    canvas.Brush().SetColor(background);
    if (!toolBar->Transparent()) canvas.FillRect(r);

    // 4. Selection box; later rules override the brush.
    bool framed = false;
    bool filled = false;
    if (hot) {
        canvas.Brush().SetColor((checked || button->Down() || selected) ? EffSelectMidColor : hotColor);
        framed = filled = true;
    }
    if (checked && !hot) {
        canvas.Brush().SetColor(EffSelectLightColor);
        framed = filled = true;
    }
    if (indeterminate && !hot) {
        canvas.Brush().SetColor(hotColor);
        filled = true;
    }
    if (button->MenuItem() && state == 0) {
        canvas.Brush().SetColor(toolBar->Color());
        filled = !toolBar->Transparent();
    }
    r.top += 1;
    if (filled) canvas.FillRect(r);

    // 5. Frame; a drop-down button's arrow part has its own.
    if (framed) {
        canvas.Pen().SetColor(EffSelectBorderColor);
        const int right = bounds.right - 1;
        if (dropDown) {
            Outline(canvas, bounds.left, bounds.top + 1, right - kArrowPart, bounds.bottom - 1);
            Outline(canvas, right - kArrowPart, bounds.top + 1, right, bounds.bottom - 1);
        } else {
            Outline(canvas, bounds.left, bounds.top + 1, right, bounds.bottom - 1);
        }
    }

    // 6. A button that opens a menu looks like the selected bar item.
    if (selected && (button->MenuItem() || button->DropdownMenu()))
        DrawTopItemSelection(button, canvas, false, toolBar->Color(), r);

    // 7. Drop-down arrow.
    r = bounds;
    if (dropDown) {
        canvas.Pen().SetColor(clBlack);
        DrawDropArrow(canvas, r.right - 10, r.top + (r.bottom - r.top - 3) / 2 + 1);
    }

    // 8. Image: hot images while hot, disabled ones while disabled, else the plain ones.
    TImageList* list = nullptr;
    if (hot && Usable(toolBar->HotImages(), index)) {
        list = toolBar->HotImages();
    } else if (!enabled && Usable(toolBar->DisabledImages(), index)) {
        list = toolBar->DisabledImages();
    } else if (Usable(toolBar->Images(), index)) {
        list = toolBar->Images();
    }
    const int imageWidth = list ? list->Width() : 0;
    if (list) {
        framework::TBitmap glyph;
        glyph.SetSize(list->Width(), list->Height());
        glyph.Canvas().Brush().SetColor(KeyColor);
        glyph.Canvas().FillRect(win::RECT{0, 0, list->Width(), list->Height()});
        win::ImageList_DrawEx(list->Handle(), index, glyph.Canvas().Handle(), 0, 0, 0, 0, framework::clNone,
                              framework::clNone, win::ILD_TRANSPARENT);
        if (dropDown) r.right -= kArrowRoom;
        if (toolBar->List()) {
            r.left = rtl ? r.right - 3 - imageWidth : r.left + 3;
        } else {
            r.left = static_cast<int>(framework::Round((r.right - r.left - imageWidth) / 2.0 + r.left));
        }
        r.top += 2;
        r.bottom = r.top + list->Height() + 6;
        DrawGlyph(button, canvas, &glyph, r,
                  GlyphLook{.checked = checked, .enabled = enabled, .pressed = selected, .hot = hot});
    }

    // 9. Caption.
    if (toolBar->ShowCaptions()) {
        r = bounds;
        if (dropDown) r.right -= kArrowRoom;
        canvas.Font().Assign(font_);
        win::UINT format = 0;
        if (!toolBar->List()) {
            format = win::DT_CENTER;
            r.top = r.bottom - canvas.TextHeight(button->Caption()) - 6;
        } else {
            format = win::DT_VCENTER;
            if (rtl) {
                format |= win::DT_RIGHT;
                r.right -= imageWidth + 7;
            } else if (list) {
                r.left += imageWidth + 6;
            }
        }
        if (button->MenuItem()) format |= win::DT_CENTER;
        if (rtl) format |= win::DT_RTLREADING;
        if (button->Down() && !enabled) r = win::RECT{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
        DrawItemText(
            button, button->Caption(), format, font_,
            ItemTextLook{.rtl = rtl, .bar = button->MenuItem() != nullptr, .enabled = enabled, .selected = selected}, r,
            canvas, std::string());
    }

    // 10. The separator before the button.
    const int position = button->Index();
    if (position > 0) {
        TToolButton* previous = toolBar->Buttons(position - 1);
        const auto style = previous->Style();
        if (style == framework::tbsSeparator || style == framework::tbsDivider) {
            const win::RECT gap = previous->BoundsRect();
            canvas.Brush().SetStyle(framework::bsSolid);
            canvas.Brush().SetColor(background);
            if (!toolBar->Transparent()) canvas.FillRect(gap);
            if (previous->Tag() > 0) {
                const int x = gap.left + (gap.right - gap.left) / 2;
                canvas.Pen().SetColor(DarkenColor(toolBar->Color(), 30));
                canvas.MoveTo(x, gap.top + 2);
                canvas.LineTo(x, gap.bottom - 1);
            }
        }
    }
}

}  // namespace components
