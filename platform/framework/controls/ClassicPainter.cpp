#include "platform/framework/controls/ClassicPainter.h"

#include <algorithm>

#include "platform/gdi/DC.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Shapes.h"
#include "platform/gdi/SysColors.h"
#include "platform/gdi/Text.h"

namespace framework::classic {

namespace {

using gdi::FillSolid;
using gdi::Line;

void Pixel(win::HDC dc, int x, int y, win::COLORREF colour) { win::SetPixel(dc, x, y, colour); }

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

void FocusRect(win::HDC dc, const win::RECT& r, const Palette& palette) {
    gdi::DottedFrame(dc, r, palette[win::COLOR_WINDOWTEXT]);
}

void PushButton(win::HDC dc, const win::RECT& rect, const State& state, const Palette& palette) {
    win::RECT r = rect;
    FillSolid(dc, r, palette[win::COLOR_BTNFACE]);
    if (state.isDefault || state.focused)
        gdi::Bevel(dc, r, palette[win::COLOR_3DDKSHADOW], palette[win::COLOR_3DDKSHADOW], 1);
    if (state.pressed) {
        gdi::Bevel(dc, r, palette[win::COLOR_BTNSHADOW], palette[win::COLOR_BTNSHADOW], 1);
    } else {
        gdi::Bevel(dc, r, palette[win::COLOR_BTNHIGHLIGHT], palette[win::COLOR_3DDKSHADOW], 1);
        gdi::Bevel(dc, r, palette[win::COLOR_3DLIGHT], palette[win::COLOR_BTNSHADOW], 1);
    }
    if (state.focused) FocusRect(dc, win::RECT{rect.left + 4, rect.top + 4, rect.right - 4, rect.bottom - 4});
}

void ButtonText(win::HDC dc, const std::string& text, win::RECT r, win::UINT format, bool enabled,
                const Palette& palette) {
    const int oldMode = win::SetBkMode(dc, win::TRANSPARENT);
    const auto length = static_cast<int>(text.size());
    if (enabled) {
        win::SetTextColor(dc, palette[win::COLOR_BTNTEXT]);
        win::DrawText(dc, text.c_str(), length, &r, format);
    } else {
        win::RECT shifted{r.left + 1, r.top + 1, r.right + 1, r.bottom + 1};
        win::SetTextColor(dc, palette[win::COLOR_BTNHIGHLIGHT]);
        win::DrawText(dc, text.c_str(), length, &shifted, format);
        win::SetTextColor(dc, palette[win::COLOR_BTNSHADOW]);
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

void CheckBox(win::HDC dc, const win::RECT& box, const State& state, const Palette& palette) {
    win::RECT r = box;
    gdi::Bevel(dc, r, palette[win::COLOR_BTNSHADOW], palette[win::COLOR_BTNHIGHLIGHT], 1);
    gdi::Bevel(dc, r, palette[win::COLOR_3DDKSHADOW], palette[win::COLOR_3DLIGHT], 1);
    const bool faceFill = state.pressed || !state.enabled || state.grayed;
    FillSolid(dc, r, palette[faceFill ? win::COLOR_BTNFACE : win::COLOR_WINDOW]);
    if (state.checked || state.grayed) {
        const bool grey = !state.enabled || state.grayed;
        CheckMark(dc, r, palette[grey ? win::COLOR_BTNSHADOW : win::COLOR_WINDOWTEXT]);
    }
}

void RadioButton(win::HDC dc, const win::RECT& box, const State& state, const Palette& palette) {
    const bool faceFill = state.pressed || !state.enabled;
    gdi::OutlinedEllipse(dc, box, palette[win::COLOR_BTNSHADOW],
                         palette[faceFill ? win::COLOR_BTNFACE : win::COLOR_WINDOW]);
    gdi::OutlinedEllipse(dc, win::RECT{box.left + 1, box.top + 1, box.right - 1, box.bottom - 1},
                         palette[win::COLOR_3DDKSHADOW], std::nullopt);
    if (state.checked) {
        const int cx = (box.left + box.right) / 2;
        const int cy = (box.top + box.bottom) / 2;
        const win::COLORREF dot = palette[state.enabled ? win::COLOR_WINDOWTEXT : win::COLOR_BTNSHADOW];
        gdi::OutlinedEllipse(dc, win::RECT{cx - 2, cy - 2, cx + 2, cy + 2}, dot, dot);
    }
}

void PanelBevel(win::HDC dc, win::RECT& r, Bevel bevel, int width, const Palette& palette) {
    switch (bevel) {
        case Bevel::Lowered:
            gdi::Bevel(dc, r, palette[win::COLOR_BTNSHADOW], palette[win::COLOR_BTNHIGHLIGHT], width);
            break;
        case Bevel::Raised:
            gdi::Bevel(dc, r, palette[win::COLOR_BTNHIGHLIGHT], palette[win::COLOR_BTNSHADOW], width);
            break;
        case Bevel::Space:
            gdi::Bevel(dc, r, palette[win::COLOR_BTNFACE], palette[win::COLOR_BTNFACE], width);
            break;
        case Bevel::None:
            break;
    }
}

void GroupFrame(win::HDC dc, const win::RECT& r, int textHeight, int gapLeft, int gapRight, const Palette& palette) {
    win::RECT shadow{r.left, r.top + textHeight / 2, r.right - 1, r.bottom - 1};
    win::RECT light{r.left + 1, r.top + textHeight / 2 + 1, r.right, r.bottom};
    gdi::Bevel(dc, shadow, palette[win::COLOR_BTNSHADOW], palette[win::COLOR_BTNSHADOW], 1);
    gdi::Bevel(dc, light, palette[win::COLOR_BTNHIGHLIGHT], palette[win::COLOR_BTNHIGHLIGHT], 1);
    if (gapRight > gapLeft)
        FillSolid(dc, win::RECT{gapLeft, r.top + textHeight / 2, gapRight, r.top + textHeight / 2 + 2},
                  palette[win::COLOR_BTNFACE]);
}

void ProgressBar(win::HDC dc, const win::RECT& rect, int filledRight, const Palette& palette) {
    win::RECT r = rect;
    gdi::Bevel(dc, r, palette[win::COLOR_BTNSHADOW], palette[win::COLOR_BTNHIGHLIGHT], 1);
    FillSolid(dc, r, palette[win::COLOR_BTNFACE]);
    const int right = std::clamp(filledRight, r.left, r.right);
    if (right > r.left) FillSolid(dc, win::RECT{r.left, r.top, right, r.bottom}, palette[win::COLOR_HIGHLIGHT]);
}

void ScrollButton(win::HDC dc, const win::RECT& rect, Arrow arrow, const State& state, const Palette& palette) {
    win::RECT r = rect;
    FillSolid(dc, r, palette[win::COLOR_BTNFACE]);
    if (state.pressed) {
        gdi::Bevel(dc, r, palette[win::COLOR_BTNSHADOW], palette[win::COLOR_BTNSHADOW], 1);
    } else {
        gdi::Bevel(dc, r, palette[win::COLOR_3DLIGHT], palette[win::COLOR_3DDKSHADOW], 1);
        gdi::Bevel(dc, r, palette[win::COLOR_BTNHIGHLIGHT], palette[win::COLOR_BTNSHADOW], 1);
    }
    win::RECT glyph = rect;
    if (state.pressed) glyph = win::RECT{rect.left + 1, rect.top + 1, rect.right + 1, rect.bottom + 1};
    if (!state.enabled)
        ArrowGlyph(dc, win::RECT{glyph.left + 1, glyph.top + 1, glyph.right + 1, glyph.bottom + 1}, arrow,
                   palette[win::COLOR_BTNHIGHLIGHT]);
    ArrowGlyph(dc, glyph, arrow, palette[state.enabled ? win::COLOR_BTNTEXT : win::COLOR_BTNSHADOW]);
}

void ScrollTrack(win::HDC dc, const win::RECT& r, bool pressed, const Palette& palette) {
    const win::COLORREF face = palette[win::COLOR_BTNFACE];
    const win::COLORREF dot = palette[pressed ? win::COLOR_3DDKSHADOW : win::COLOR_BTNHIGHLIGHT];
    gdi::FillChecked(dc, r, dot, face);
}

void ScrollThumb(win::HDC dc, const win::RECT& rect, const Palette& palette) {
    if (rect.bottom <= rect.top) return;
    win::RECT r = rect;
    FillSolid(dc, r, palette[win::COLOR_BTNFACE]);
    gdi::Bevel(dc, r, palette[win::COLOR_3DLIGHT], palette[win::COLOR_3DDKSHADOW], 1);
    gdi::Bevel(dc, r, palette[win::COLOR_BTNHIGHLIGHT], palette[win::COLOR_BTNSHADOW], 1);
}

void TrackBar(win::HDC dc, const win::RECT& r, int minimum, int maximum, int position, int frequency, bool focused,
              const Palette& palette) {
    constexpr int kMargin = 8;  // from the ends of the control to the ends of the channel
    constexpr int kThumbWidth = 11;
    constexpr int kThumbHeight = 20;
    const int left = r.left + kMargin;
    const int right = r.right - kMargin;
    const int span = std::max(1, maximum - minimum);
    auto xOf = [&](int value) {
        return left + (right - left - 1) * (std::clamp(value, minimum, maximum) - minimum) / span;
    };
    FillSolid(dc, r, palette[win::COLOR_BTNFACE]);
    if (focused) FocusRect(dc, r);
    win::RECT channel{left, r.top + 8, right, r.top + 12};
    gdi::Bevel(dc, channel, palette[win::COLOR_BTNSHADOW], palette[win::COLOR_BTNHIGHLIGHT], 1);
    gdi::Bevel(dc, channel, palette[win::COLOR_3DDKSHADOW], palette[win::COLOR_3DLIGHT], 1);
    if (frequency > 0) {
        for (int value = minimum; value <= maximum; value += frequency) {
            const int x = xOf(value);
            Line(dc, x, r.top + kThumbHeight + 4, x, r.top + kThumbHeight + 7, palette[win::COLOR_BTNTEXT]);
        }
        const int x = xOf(maximum);
        Line(dc, x, r.top + kThumbHeight + 4, x, r.top + kThumbHeight + 7, palette[win::COLOR_BTNTEXT]);
    }
    const int cx = xOf(position);
    win::RECT thumb{cx - kThumbWidth / 2, r.top + 1, cx - kThumbWidth / 2 + kThumbWidth, r.top + 1 + kThumbHeight - 5};
    FillSolid(dc, thumb, palette[win::COLOR_BTNFACE]);
    win::RECT edge = thumb;
    gdi::Bevel(dc, edge, palette[win::COLOR_BTNHIGHLIGHT], palette[win::COLOR_3DDKSHADOW], 1);
    gdi::Bevel(dc, edge, palette[win::COLOR_3DLIGHT], palette[win::COLOR_BTNSHADOW], 1);
    // The point of the thumb, towards the ticks.
    for (int i = 0; i < kThumbWidth / 2 + 1; ++i) {
        const int y = thumb.bottom + i - 1;
        Line(dc, thumb.left + i + 1, y, thumb.right - i - 1, y, palette[win::COLOR_BTNFACE]);
        Pixel(dc, thumb.left + i, y, palette[win::COLOR_BTNHIGHLIGHT]);
        Pixel(dc, thumb.right - 1 - i, y, palette[win::COLOR_3DDKSHADOW]);
    }
}

void StatusPanel(win::HDC dc, const win::RECT& rect, const Palette& palette) {
    win::RECT r = rect;
    gdi::Bevel(dc, r, palette[win::COLOR_BTNSHADOW], palette[win::COLOR_BTNHIGHLIGHT], 1);
}

void SizeGrip(win::HDC dc, const win::RECT& r, const Palette& palette) {
    for (int i = 0; i < 3; ++i) {
        const int d = 4 * i + 2;
        Line(dc, r.right - d - 1, r.bottom - 1, r.right, r.bottom - d - 2, palette[win::COLOR_BTNHIGHLIGHT]);
        Line(dc, r.right - d, r.bottom - 1, r.right, r.bottom - d - 1, palette[win::COLOR_BTNSHADOW]);
        Line(dc, r.right - d + 1, r.bottom - 1, r.right, r.bottom - d, palette[win::COLOR_BTNSHADOW]);
    }
}

void HeaderSection(win::HDC dc, const win::RECT& rect, bool pressed, const Palette& palette) {
    win::RECT r = rect;
    FillSolid(dc, r, palette[win::COLOR_BTNFACE]);
    if (pressed) {
        gdi::Bevel(dc, r, palette[win::COLOR_BTNSHADOW], palette[win::COLOR_BTNSHADOW], 1);
    } else {
        gdi::Bevel(dc, r, palette[win::COLOR_BTNHIGHLIGHT], palette[win::COLOR_3DDKSHADOW], 1);
        gdi::Bevel(dc, r, palette[win::COLOR_BTNFACE], palette[win::COLOR_BTNSHADOW], 1);
    }
}

void Tab(win::HDC dc, const win::RECT& r, bool selected, const Palette& palette) {
    FillSolid(dc, r, palette[win::COLOR_BTNFACE]);
    const win::COLORREF light = palette[win::COLOR_BTNHIGHLIGHT];
    Line(dc, r.left, r.bottom - (selected ? 0 : 1), r.left, r.top + 2, light);
    Pixel(dc, r.left + 1, r.top + 1, light);
    Line(dc, r.left + 2, r.top, r.right - 2, r.top, light);
    Pixel(dc, r.right - 2, r.top + 1, palette[win::COLOR_3DDKSHADOW]);
    Line(dc, r.right - 1, r.top + 2, r.right - 1, r.bottom, palette[win::COLOR_3DDKSHADOW]);
    Line(dc, r.right - 2, r.top + 2, r.right - 2, r.bottom, palette[win::COLOR_BTNSHADOW]);
}

void TabPageFrame(win::HDC dc, const win::RECT& rect, const Palette& palette) {
    win::RECT r = rect;
    gdi::Bevel(dc, r, palette[win::COLOR_BTNHIGHLIGHT], palette[win::COLOR_3DDKSHADOW], 1);
    gdi::Bevel(dc, r, palette[win::COLOR_BTNFACE], palette[win::COLOR_BTNSHADOW], 1);
}

void Icon(win::HDC dc, int x, int y, MessageIcon icon) {
    const win::RECT disc{x, y, x + 32, y + 32};
    switch (icon) {
        case MessageIcon::Information:
        case MessageIcon::Question: {
            gdi::OutlinedEllipse(dc, disc, 0x000000, 0xFFFFFF);
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
            gdi::OutlinedEllipse(dc, disc, 0x000080, 0x0000FF);
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
