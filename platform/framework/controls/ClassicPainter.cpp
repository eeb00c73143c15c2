#include "platform/framework/controls/ClassicPainter.h"

#include <algorithm>

#include "platform/gdi/DC.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/SysColors.h"
#include "platform/gdi/Text.h"

namespace framework::classic {

namespace {

win::COLORREF Sys(int index) { return win::GetSysColor(index); }

void Pixel(win::HDC dc, int x, int y, win::COLORREF colour) { win::SetPixel(dc, x, y, colour); }

void SolidEllipse(win::HDC dc, const win::RECT& r, win::COLORREF outline, win::COLORREF fill, bool filled) {
    const win::HPEN pen = win::CreatePen(win::PS_SOLID, 1, outline);
    const win::HBRUSH brush = filled ? win::CreateSolidBrush(fill) : nullptr;
    const win::HGDIOBJ oldPen = win::SelectObject(dc, pen);
    const win::HGDIOBJ oldBrush =
        win::SelectObject(dc, filled ? static_cast<win::HGDIOBJ>(brush) : win::GetStockObject(win::NULL_BRUSH));
    win::Ellipse(dc, r.left, r.top, r.right, r.bottom);
    win::SelectObject(dc, oldPen);
    win::SelectObject(dc, oldBrush);
    win::DeleteObject(pen);
    if (brush) win::DeleteObject(brush);
}

void ArrowGlyph(win::HDC dc, const win::RECT& r, Arrow arrow, win::COLORREF colour) {
    const int cx = (r.left + r.right) / 2;
    const int cy = (r.top + r.bottom) / 2;
    for (int i = 0; i < 4; ++i) {
        switch (arrow) {
            case Arrow::Down:
                Line(dc, cx - 3 + i, cy - 2 + i, cx + 4 - i, cy - 2 + i, colour);
                break;
            case Arrow::Up:
                Line(dc, cx - 3 + i, cy + 1 - i, cx + 4 - i, cy + 1 - i, colour);
                break;
            case Arrow::Right:
                Line(dc, cx - 2 + i, cy - 3 + i, cx - 2 + i, cy + 4 - i, colour);
                break;
            case Arrow::Left:
                Line(dc, cx + 1 - i, cy - 3 + i, cx + 1 - i, cy + 4 - i, colour);
                break;
        }
    }
}

}  // namespace

void FillSolid(win::HDC dc, const win::RECT& r, win::COLORREF colour) {
    const win::HBRUSH brush = win::CreateSolidBrush(colour);
    win::FillRect(dc, &r, brush);
    win::DeleteObject(brush);
}

void Line(win::HDC dc, int x1, int y1, int x2, int y2, win::COLORREF colour) {
    const win::HPEN pen = win::CreatePen(win::PS_SOLID, 1, colour);
    const win::HGDIOBJ old = win::SelectObject(dc, pen);
    win::MoveToEx(dc, x1, y1, nullptr);
    win::LineTo(dc, x2, y2);
    win::SelectObject(dc, old);
    win::DeleteObject(pen);
}

void Frame3D(win::HDC dc, win::RECT& r, win::COLORREF topLeft, win::COLORREF bottomRight, int width) {
    for (int i = 0; i < width; ++i) {
        if (r.right - r.left < 1 || r.bottom - r.top < 1) return;
        Line(dc, r.left, r.bottom - 1, r.left, r.top, topLeft);
        Line(dc, r.left, r.top, r.right - 1, r.top, topLeft);
        Line(dc, r.right - 1, r.top, r.right - 1, r.bottom - 1, bottomRight);
        Line(dc, r.left, r.bottom - 1, r.right, r.bottom - 1, bottomRight);
        r = win::RECT{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    }
}

void FocusRect(win::HDC dc, const win::RECT& r) {
    const win::COLORREF colour = Sys(win::COLOR_WINDOWTEXT);
    for (int x = r.left; x < r.right; x += 2) {
        Pixel(dc, x, r.top, colour);
        Pixel(dc, x, r.bottom - 1, colour);
    }
    for (int y = r.top; y < r.bottom; y += 2) {
        Pixel(dc, r.left, y, colour);
        Pixel(dc, r.right - 1, y, colour);
    }
}

void PushButton(win::HDC dc, const win::RECT& rect, const State& state) {
    win::RECT r = rect;
    FillSolid(dc, r, Sys(win::COLOR_BTNFACE));
    if (state.isDefault || state.focused) Frame3D(dc, r, Sys(win::COLOR_3DDKSHADOW), Sys(win::COLOR_3DDKSHADOW), 1);
    if (state.pressed) {
        Frame3D(dc, r, Sys(win::COLOR_BTNSHADOW), Sys(win::COLOR_BTNSHADOW), 1);
    } else {
        Frame3D(dc, r, Sys(win::COLOR_BTNHIGHLIGHT), Sys(win::COLOR_3DDKSHADOW), 1);
        Frame3D(dc, r, Sys(win::COLOR_3DLIGHT), Sys(win::COLOR_BTNSHADOW), 1);
    }
    if (state.focused) FocusRect(dc, win::RECT{rect.left + 4, rect.top + 4, rect.right - 4, rect.bottom - 4});
}

void ButtonText(win::HDC dc, const std::string& text, win::RECT r, win::UINT format, bool enabled) {
    const int oldMode = win::SetBkMode(dc, win::TRANSPARENT);
    const auto length = static_cast<int>(text.size());
    if (enabled) {
        win::SetTextColor(dc, Sys(win::COLOR_BTNTEXT));
        win::DrawText(dc, text.c_str(), length, &r, format);
    } else {
        win::RECT shifted{r.left + 1, r.top + 1, r.right + 1, r.bottom + 1};
        win::SetTextColor(dc, Sys(win::COLOR_BTNHIGHLIGHT));
        win::DrawText(dc, text.c_str(), length, &shifted, format);
        win::SetTextColor(dc, Sys(win::COLOR_BTNSHADOW));
        win::DrawText(dc, text.c_str(), length, &r, format);
    }
    win::SetBkMode(dc, oldMode);
}

void CheckMark(win::HDC dc, const win::RECT& box, win::COLORREF colour) {
    // Seven columns, each three pixels tall: down two steps, then up four.
    static constexpr int kTop[7] = {2, 3, 4, 3, 2, 1, 0};
    const int x0 = box.left + (box.right - box.left - 7) / 2;
    const int y0 = box.top + (box.bottom - box.top - 7) / 2;
    for (int x = 0; x < 7; ++x)
        for (int y = 0; y < 3; ++y) Pixel(dc, x0 + x, y0 + kTop[x] + y, colour);
}

void CheckBox(win::HDC dc, const win::RECT& box, const State& state) {
    win::RECT r = box;
    Frame3D(dc, r, Sys(win::COLOR_BTNSHADOW), Sys(win::COLOR_BTNHIGHLIGHT), 1);
    Frame3D(dc, r, Sys(win::COLOR_3DDKSHADOW), Sys(win::COLOR_3DLIGHT), 1);
    const bool faceFill = state.pressed || !state.enabled || state.grayed;
    FillSolid(dc, r, Sys(faceFill ? win::COLOR_BTNFACE : win::COLOR_WINDOW));
    if (state.checked || state.grayed) {
        const bool grey = !state.enabled || state.grayed;
        CheckMark(dc, r, Sys(grey ? win::COLOR_BTNSHADOW : win::COLOR_WINDOWTEXT));
    }
}

void RadioButton(win::HDC dc, const win::RECT& box, const State& state) {
    const bool faceFill = state.pressed || !state.enabled;
    SolidEllipse(dc, box, Sys(win::COLOR_BTNSHADOW), Sys(faceFill ? win::COLOR_BTNFACE : win::COLOR_WINDOW), true);
    SolidEllipse(dc, win::RECT{box.left + 1, box.top + 1, box.right - 1, box.bottom - 1}, Sys(win::COLOR_3DDKSHADOW), 0,
                 false);
    if (state.checked) {
        const int cx = (box.left + box.right) / 2;
        const int cy = (box.top + box.bottom) / 2;
        const win::COLORREF dot = Sys(state.enabled ? win::COLOR_WINDOWTEXT : win::COLOR_BTNSHADOW);
        SolidEllipse(dc, win::RECT{cx - 2, cy - 2, cx + 2, cy + 2}, dot, dot, true);
    }
}

void PanelBevel(win::HDC dc, win::RECT& r, Bevel bevel, int width) {
    switch (bevel) {
        case Bevel::Lowered:
            Frame3D(dc, r, Sys(win::COLOR_BTNSHADOW), Sys(win::COLOR_BTNHIGHLIGHT), width);
            break;
        case Bevel::Raised:
            Frame3D(dc, r, Sys(win::COLOR_BTNHIGHLIGHT), Sys(win::COLOR_BTNSHADOW), width);
            break;
        case Bevel::Space:
            Frame3D(dc, r, Sys(win::COLOR_BTNFACE), Sys(win::COLOR_BTNFACE), width);
            break;
        case Bevel::None:
            break;
    }
}

void GroupFrame(win::HDC dc, const win::RECT& r, int textHeight, int gapLeft, int gapRight) {
    win::RECT shadow{r.left, r.top + textHeight / 2, r.right - 1, r.bottom - 1};
    win::RECT light{r.left + 1, r.top + textHeight / 2 + 1, r.right, r.bottom};
    Frame3D(dc, shadow, Sys(win::COLOR_BTNSHADOW), Sys(win::COLOR_BTNSHADOW), 1);
    Frame3D(dc, light, Sys(win::COLOR_BTNHIGHLIGHT), Sys(win::COLOR_BTNHIGHLIGHT), 1);
    if (gapRight > gapLeft)
        FillSolid(dc, win::RECT{gapLeft, r.top + textHeight / 2, gapRight, r.top + textHeight / 2 + 2},
                  Sys(win::COLOR_BTNFACE));
}

void ProgressBar(win::HDC dc, const win::RECT& rect, int filledRight) {
    win::RECT r = rect;
    Frame3D(dc, r, Sys(win::COLOR_BTNSHADOW), Sys(win::COLOR_BTNHIGHLIGHT), 1);
    FillSolid(dc, r, Sys(win::COLOR_BTNFACE));
    const int right = std::clamp(filledRight, r.left, r.right);
    if (right > r.left) FillSolid(dc, win::RECT{r.left, r.top, right, r.bottom}, Sys(win::COLOR_HIGHLIGHT));
}

void ScrollButton(win::HDC dc, const win::RECT& rect, Arrow arrow, const State& state) {
    win::RECT r = rect;
    FillSolid(dc, r, Sys(win::COLOR_BTNFACE));
    if (state.pressed) {
        Frame3D(dc, r, Sys(win::COLOR_BTNSHADOW), Sys(win::COLOR_BTNSHADOW), 1);
    } else {
        Frame3D(dc, r, Sys(win::COLOR_3DLIGHT), Sys(win::COLOR_3DDKSHADOW), 1);
        Frame3D(dc, r, Sys(win::COLOR_BTNHIGHLIGHT), Sys(win::COLOR_BTNSHADOW), 1);
    }
    win::RECT glyph = rect;
    if (state.pressed) glyph = win::RECT{rect.left + 1, rect.top + 1, rect.right + 1, rect.bottom + 1};
    if (!state.enabled)
        ArrowGlyph(dc, win::RECT{glyph.left + 1, glyph.top + 1, glyph.right + 1, glyph.bottom + 1}, arrow,
                   Sys(win::COLOR_BTNHIGHLIGHT));
    ArrowGlyph(dc, glyph, arrow, Sys(state.enabled ? win::COLOR_BTNTEXT : win::COLOR_BTNSHADOW));
}

void TrackBar(win::HDC dc, const win::RECT& r, int minimum, int maximum, int position, int frequency, bool focused) {
    constexpr int kMargin = 8;  // from the ends of the control to the ends of the channel
    constexpr int kThumbWidth = 11;
    constexpr int kThumbHeight = 20;
    const int left = r.left + kMargin;
    const int right = r.right - kMargin;
    const int span = std::max(1, maximum - minimum);
    auto xOf = [&](int value) {
        return left + (right - left - 1) * (std::clamp(value, minimum, maximum) - minimum) / span;
    };
    FillSolid(dc, r, Sys(win::COLOR_BTNFACE));
    if (focused) FocusRect(dc, r);
    win::RECT channel{left, r.top + 8, right, r.top + 12};
    Frame3D(dc, channel, Sys(win::COLOR_BTNSHADOW), Sys(win::COLOR_BTNHIGHLIGHT), 1);
    Frame3D(dc, channel, Sys(win::COLOR_3DDKSHADOW), Sys(win::COLOR_3DLIGHT), 1);
    if (frequency > 0) {
        for (int value = minimum; value <= maximum; value += frequency) {
            const int x = xOf(value);
            Line(dc, x, r.top + kThumbHeight + 4, x, r.top + kThumbHeight + 7, Sys(win::COLOR_BTNTEXT));
        }
        const int x = xOf(maximum);
        Line(dc, x, r.top + kThumbHeight + 4, x, r.top + kThumbHeight + 7, Sys(win::COLOR_BTNTEXT));
    }
    const int cx = xOf(position);
    win::RECT thumb{cx - kThumbWidth / 2, r.top + 1, cx - kThumbWidth / 2 + kThumbWidth, r.top + 1 + kThumbHeight - 5};
    FillSolid(dc, thumb, Sys(win::COLOR_BTNFACE));
    win::RECT edge = thumb;
    Frame3D(dc, edge, Sys(win::COLOR_BTNHIGHLIGHT), Sys(win::COLOR_3DDKSHADOW), 1);
    Frame3D(dc, edge, Sys(win::COLOR_3DLIGHT), Sys(win::COLOR_BTNSHADOW), 1);
    // The point of the thumb, towards the ticks.
    for (int i = 0; i < kThumbWidth / 2 + 1; ++i) {
        const int y = thumb.bottom + i - 1;
        Line(dc, thumb.left + i + 1, y, thumb.right - i - 1, y, Sys(win::COLOR_BTNFACE));
        Pixel(dc, thumb.left + i, y, Sys(win::COLOR_BTNHIGHLIGHT));
        Pixel(dc, thumb.right - 1 - i, y, Sys(win::COLOR_3DDKSHADOW));
    }
}

void StatusPanel(win::HDC dc, const win::RECT& rect) {
    win::RECT r = rect;
    Frame3D(dc, r, Sys(win::COLOR_BTNSHADOW), Sys(win::COLOR_BTNHIGHLIGHT), 1);
}

void SizeGrip(win::HDC dc, const win::RECT& r) {
    for (int i = 0; i < 3; ++i) {
        const int d = 4 * i + 2;
        Line(dc, r.right - d - 1, r.bottom - 1, r.right, r.bottom - d - 2, Sys(win::COLOR_BTNHIGHLIGHT));
        Line(dc, r.right - d, r.bottom - 1, r.right, r.bottom - d - 1, Sys(win::COLOR_BTNSHADOW));
        Line(dc, r.right - d + 1, r.bottom - 1, r.right, r.bottom - d, Sys(win::COLOR_BTNSHADOW));
    }
}

void HeaderSection(win::HDC dc, const win::RECT& rect, bool pressed) {
    win::RECT r = rect;
    FillSolid(dc, r, Sys(win::COLOR_BTNFACE));
    if (pressed) {
        Frame3D(dc, r, Sys(win::COLOR_BTNSHADOW), Sys(win::COLOR_BTNSHADOW), 1);
    } else {
        Frame3D(dc, r, Sys(win::COLOR_BTNHIGHLIGHT), Sys(win::COLOR_3DDKSHADOW), 1);
        Frame3D(dc, r, Sys(win::COLOR_BTNFACE), Sys(win::COLOR_BTNSHADOW), 1);
    }
}

void Tab(win::HDC dc, const win::RECT& r, bool selected) {
    FillSolid(dc, r, Sys(win::COLOR_BTNFACE));
    const win::COLORREF light = Sys(win::COLOR_BTNHIGHLIGHT);
    Line(dc, r.left, r.bottom - (selected ? 0 : 1), r.left, r.top + 2, light);
    Pixel(dc, r.left + 1, r.top + 1, light);
    Line(dc, r.left + 2, r.top, r.right - 2, r.top, light);
    Pixel(dc, r.right - 2, r.top + 1, Sys(win::COLOR_3DDKSHADOW));
    Line(dc, r.right - 1, r.top + 2, r.right - 1, r.bottom, Sys(win::COLOR_3DDKSHADOW));
    Line(dc, r.right - 2, r.top + 2, r.right - 2, r.bottom, Sys(win::COLOR_BTNSHADOW));
}

void TabPageFrame(win::HDC dc, const win::RECT& rect) {
    win::RECT r = rect;
    Frame3D(dc, r, Sys(win::COLOR_BTNHIGHLIGHT), Sys(win::COLOR_3DDKSHADOW), 1);
    Frame3D(dc, r, Sys(win::COLOR_BTNFACE), Sys(win::COLOR_BTNSHADOW), 1);
}

void Icon(win::HDC dc, int x, int y, MessageIcon icon) {
    const win::RECT disc{x, y, x + 32, y + 32};
    switch (icon) {
        case MessageIcon::Information:
        case MessageIcon::Question: {
            SolidEllipse(dc, disc, 0x000000, 0xFFFFFF, true);
            const win::COLORREF blue = 0x800000;
            if (icon == MessageIcon::Information) {
                FillSolid(dc, win::RECT{x + 14, y + 7, x + 18, y + 11}, blue);
                FillSolid(dc, win::RECT{x + 14, y + 13, x + 18, y + 25}, blue);
                FillSolid(dc, win::RECT{x + 12, y + 13, x + 14, y + 15}, blue);
                FillSolid(dc, win::RECT{x + 12, y + 23, x + 20, y + 25}, blue);
            } else {
                FillSolid(dc, win::RECT{x + 11, y + 7, x + 21, y + 10}, blue);
                FillSolid(dc, win::RECT{x + 10, y + 9, x + 13, y + 13}, blue);
                FillSolid(dc, win::RECT{x + 19, y + 9, x + 22, y + 16}, blue);
                FillSolid(dc, win::RECT{x + 15, y + 15, x + 20, y + 18}, blue);
                FillSolid(dc, win::RECT{x + 15, y + 17, x + 18, y + 20}, blue);
                FillSolid(dc, win::RECT{x + 15, y + 22, x + 18, y + 25}, blue);
            }
            return;
        }
        case MessageIcon::Error: {
            SolidEllipse(dc, disc, 0x000080, 0x0000FF, true);
            for (int i = 0; i < 12; ++i) {
                FillSolid(dc, win::RECT{x + 10 + i, y + 10 + i, x + 12 + i, y + 12 + i}, 0xFFFFFF);
                FillSolid(dc, win::RECT{x + 20 - i, y + 10 + i, x + 22 - i, y + 12 + i}, 0xFFFFFF);
            }
            return;
        }
        case MessageIcon::Warning: {
            for (int row = 0; row < 28; ++row) {
                const int half = row / 2 + 1;
                Line(dc, x + 16 - half, y + 2 + row, x + 16 + half, y + 2 + row, 0x00FFFF);
                Pixel(dc, x + 16 - half, y + 2 + row, 0x000000);
                Pixel(dc, x + 15 + half, y + 2 + row, 0x000000);
            }
            Line(dc, x + 1, y + 30, x + 31, y + 30, 0x000000);
            FillSolid(dc, win::RECT{x + 15, y + 10, x + 18, y + 22}, 0x000000);
            FillSolid(dc, win::RECT{x + 15, y + 24, x + 18, y + 27}, 0x000000);
            return;
        }
        case MessageIcon::None:
            return;
    }
}

}  // namespace framework::classic
