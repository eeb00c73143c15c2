// Measuring and drawing the owner-drawn items of a flat look's menus. Each item is composed in an off-screen bitmap
// and copied to the menu at once; a popup item then asks for its window's flat frame.
#include <exception>

#include "platform/framework/Round.h"
#include "platform/framework/ShortCut.h"
#include "platform/framework/StringRoutines.h"
#include "platform/framework/forms/Application.h"
#include "platform/framework/forms/Form.h"
#include "platform/framework/graphics/Bitmap.h"
#include "platform/framework/graphics/Canvas.h"
#include "platform/framework/graphics/ImageList.h"
#include "platform/framework/menus/MainMenu.h"
#include "platform/framework/menus/MenuItem.h"
#include "platform/gdi/Blit.h"
#include "platform/gdi/ImageList.h"
#include "platform/gdi/Text.h"
#include "platform/user/MessageLoop.h"
#include "platform/user/Messages.h"
#include "platform/user/Paint.h"
#include "trackmill/components/FlatLook.h"
#include "trackmill/components/MenuItemKind.h"
#include "trackmill/components/PopupMenuFrame.h"

namespace components {

namespace {

using framework::TBitmap;
using framework::TCanvas;
using framework::TMenuItem;

int Width(const win::RECT& r) { return r.right - r.left; }
int Height(const win::RECT& r) { return r.bottom - r.top; }

void Fill(TCanvas& canvas, const win::RECT& r, TColor color) {
    canvas.Brush().SetStyle(framework::bsSolid);
    canvas.Brush().SetColor(color);
    canvas.FillRect(r);
}

// The item's glyph composed on a bitmap filled with the key colour; an empty bitmap when the item has none.
void ComposeGlyph(TMenuItem& item, TColor keyColor, TBitmap& glyph) {
    auto start = [&glyph, keyColor](int width, int height) {
        glyph.SetSize(width, height);
        Fill(glyph.Canvas(), win::RECT{0, 0, width, height}, keyColor);
    };
    if (item.HasBitmap() && item.Bitmap().Width() > 0) {
        TBitmap& own = item.Bitmap();
        own.SetTransparentColor(framework::clNone);
        own.SetTransparent(true);
        start(own.Width(), own.Height());
        glyph.Canvas().Draw(0, 0, own);
    }
    if (framework::TImageList* list = GlyphImages(item)) {
        start(list->Width(), list->Height());
        win::ImageList_DrawEx(list->Handle(), item.ImageIndex(), glyph.Canvas().Handle(), 0, 0, 0, 0, framework::clNone,
                              framework::clNone, win::ILD_TRANSPARENT);
    }
}

std::string ShortCutText(const TMenuItem& item) {
    return item.ShortCut() ? framework::Trim(framework::ShortCutToText(item.ShortCut())) : std::string();
}

}  // namespace

void TFlatLook::MenuMeasureItem(framework::TObject* sender, TCanvas* canvas, int& width, int& height) {
    auto* item = dynamic_cast<TMenuItem*>(sender);
    if (!active_ || !item || !canvas) return;
    try {
        const bool separator = item->IsLine();
        std::string text = separator ? std::string() : item->Caption();
        const std::string shortcut = ShortCutText(*item);
        // The three letters reserve the gap between caption and shortcut.
        if (!shortcut.empty()) text += shortcut + "WWW";
        canvas->Font().Assign(font_);
        int w = canvas->TextWidth(text) + 5;
        if (text.find('&') != std::string::npos) w -= canvas->TextWidth("&");
        const bool bar = IsBarItem(*item);
        if (!bar && item->Count() > 0) w += 6;
        const win::SIZE glyph = GetGlyphSize(item, bar ? item->GetParentMenu() : nullptr);
        w += glyph.cx;
        if (w > width) width = w;
        if (separator) {
            height = 4;
            return;
        }
        const int textHeight = canvas->TextHeight(text);
        const int h = std::max(textHeight + static_cast<int>(framework::Round(textHeight * 0.75)), glyph.cy + 6);
        if (h > height) height = h;
    } catch (const std::exception&) {
        // Measuring never fails the menu: the framework's own measure stands.
    }
}

win::SIZE TFlatLook::GetGlyphSize(TMenuItem* item, framework::TMenu* barMenu) {
    win::SIZE size{0, 0};
    if (framework::TImageList* list = GlyphImages(*item)) {
        size = win::SIZE{list->Width(), list->Height()};
    } else if (item->HasBitmap() && item->Bitmap().Width() > 0) {
        size = win::SIZE{item->Bitmap().Width(), item->Bitmap().Height()};
    }
    if (!barMenu && size.cx < iconWidth_) size.cx = iconWidth_;
    return size;
}

void TFlatLook::MenuDrawItem(framework::TObject* sender, TCanvas* canvas, const win::RECT& rect, bool selected) {
    auto* item = dynamic_cast<TMenuItem*>(sender);
    if (!active_ || !item || !canvas) return;
    try {
        DrawMenuItem(item, *canvas, selected, rect);
    } catch (const std::exception&) {
        // What was made for the item is freed on the way out; the menu keeps what it showed.
    }
}

void TFlatLook::DrawMenuItem(TMenuItem* item, TCanvas& canvas, bool selected, win::RECT rect) {
    const bool bar = IsBarItem(*item);
    const framework::TMenu* menu = item->GetParentMenu();
    const bool rtl = menu && menu->IsRightToLeft();
    const bool enabled = item->Enabled();

    // 1. Geometry: popup items also cover the four pixels of the native margin left of their rectangle.
    TBitmap offscreen;
    win::RECT local;
    win::POINT at;
    if (bar) {
        offscreen.SetSize(Width(rect), Height(rect));
        at = win::POINT{rect.left, rect.top};
        local = win::RECT{0, 0, Width(rect), Height(rect)};
    } else {
        offscreen.SetSize(Width(rect) + 4, Height(rect));
        at = win::POINT{rect.left - 4, rect.top};
        local = win::RECT{4, 0, Width(rect) + 4, Height(rect) + 1};
    }
    TCanvas& b = offscreen.Canvas();

    // 2. Colours, font and text.
    if (ColorsStale) UpdateWorkingColors(b);
    b.Font().Assign(font_);
    const std::string text = " " + item->Caption();
    const bool separator = item->IsLine();

    // 3. Glyph.
    TBitmap glyph;
    ComposeGlyph(*item, KeyColor, glyph);
    const bool hasGlyph = glyph.Width() > 0;

    // 4. Icon column.
    const win::RECT icon = rtl ? win::RECT{local.right - iconWidth_, local.top, local.right, local.bottom}
                               : win::RECT{local.left, local.top, local.left + iconWidth_, local.bottom};

    // 5. Check mark box.
    win::RECT check;
    if (hasGlyph) {
        check = win::RECT{icon.left + 1, icon.top + 2, icon.right - 3, icon.bottom - 2};
    } else {
        const int x = icon.left + (Width(icon) - 10) / 2;
        const int y = icon.top + (Height(icon) - 10) / 2;
        check = win::RECT{x, y, x + 10, y + 10};
    }
    if (glyph.Width() > iconWidth_) {
        if (rtl) {
            check.left = check.right - glyph.Width();
        } else {
            check.right = check.left + glyph.Width();
        }
    }
    if (bar) {
        --check.top;
        --check.bottom;
    }

    // 6. Text area.
    win::RECT textRect{local.left, local.top, local.right, local.bottom};
    const int inset = bar ? 4 : iconWidth_;
    if (rtl) {
        textRect.right = local.right - inset;
        if (textRect.right > local.right - glyph.Width()) textRect.right = local.right - glyph.Width() - 8;
    } else {
        textRect.left = local.left + inset;
        if (textRect.left < local.left + glyph.Width()) textRect.left = local.left + glyph.Width() + 4;
    }
    if (bar && !hasGlyph) {
        textRect = local;
    } else if (bar) {
        if (rtl) {
            textRect.right += 5;
        } else {
            textRect.left -= 5;
        }
    }

    // 7. Background.
    if (bar) {
        if (drawMenuBar_) EffMenuBarColor = menuBarColor_;
        Fill(b, local, EffMenuBarColor);
    } else if (HighColor && gradient_) {
        FillGradient(b, win::RECT{local.left, local.top, local.right + 2, local.bottom}, rtl);
    } else {
        Fill(b, win::RECT{0, local.top, local.right, local.bottom}, EffColor);
        Fill(b, icon, EffIconBackColor);
    }

    // 8. Selection, and hot tracking of bar items.
    bool hot = false;
    b.Brush().SetStyle(framework::bsSolid);
    if (selected && drawSelect_) {
        if (bar) {
            DrawTopItemSelection(item, b, rtl, menuBarColor_, local);
        } else if (enabled) {
            const win::RECT frame{local.left, local.top + 1, local.right - (flatMenu_ ? 1 : 0), local.bottom - 1};
            b.Brush().SetColor(EffSelectColor);
            b.Pen().SetColor(EffSelectBorderColor);
            b.Rectangle(frame);
        }
        hot = true;
    } else if (bar && enabled && IsWinNT) {
        auto* owner = menu ? dynamic_cast<framework::TCustomForm*>(menu->Owner()) : nullptr;
        if (IsMouseOverItem(owner, rect)) {
            b.Brush().SetColor(EffSelectColor);
            b.Pen().SetColor(EffSelectBorderColor);
            b.Rectangle(local.left, local.top, local.right - 7, local.bottom);
            hot = true;
        }
    }

    // 9. Check and radio marks.
    if (item->Checked() || item->RadioItem()) DrawItemCheck(item, selected, check, b, hasGlyph, enabled);

    // 10. Glyph.
    if (glyph.Width() > 0)
        DrawGlyph(item, b, &glyph, icon,
                  GlyphLook{.rtl = rtl, .bar = bar, .checked = item->Checked(), .enabled = enabled, .hot = hot});

    if (separator) {
        // 11. Separator line; separators draw no text.
        const int y = textRect.top + static_cast<int>(framework::Round(Height(textRect) / 2.0));
        b.Pen().SetColor(EffSeparatorColor);
        b.MoveTo(rtl ? textRect.left : textRect.left + 7, y);
        b.LineTo(rtl ? textRect.right - 7 : textRect.right, y);
    } else {
        // 12. Text.
        const win::UINT format = rtl ? (win::DT_RIGHT | win::DT_RTLREADING) : win::DT_LEFT;
        if (rtl) {
            textRect.right -= 3;
        } else {
            textRect.left += 3;
        }
        textRect.top += (Height(textRect) - b.TextHeight("W")) / 2;
        DrawItemText(
            item, text, format, font_,
            ItemTextLook{
                .rtl = rtl, .bar = bar, .isDefault = item->Default(), .enabled = enabled, .selected = selected},
            textRect, b, ShortCutText(*item));
    }

    // 13. One copy to the menu.
    win::BitBlt(canvas.Handle(), at.x, at.y, offscreen.Width(), offscreen.Height(), b.Handle(), 0, 0, win::SRCCOPY);

    // 14. The popup window's frame.
    if (flatMenu_ && !bar) RequestPopupFrame(item, canvas.Handle(), rtl);
}

void TFlatLook::RequestPopupFrame(TMenuItem* item, win::HDC target, bool rtl) {
    if (!framework::Application) return;
    const win::HWND application = framework::Application->Handle();
    win::MSG waiting;
    if (win::PeekMessage(&waiting, application, kFrameRequestItem, kFrameRequestWindow, win::PM_NOREMOVE)) return;
    const win::HWND window = win::WindowFromDC(target);
    if (!window) {
        // The item's command id, not the item: the request is answered later, when the item may be gone.
        win::PostMessage(application, kFrameRequestItem, 0, static_cast<win::LPARAM>(item->Command()));
    } else if (!(form_ && form_->HandleAllocated() && window == form_->Handle())) {
        win::PostMessage(application, kFrameRequestWindow, rtl ? 1 : 0, reinterpret_cast<win::LPARAM>(window));
    }
}

}  // namespace components
