#include "platform/gdi/Text.h"

#include <algorithm>
#include <string_view>

#include "platform/gdi/SysColors.h"
#include "platform/gdi/detail/DeviceContext.h"
#include "platform/gdi/detail/FontEngine.h"
#include "platform/gdi/detail/Raster.h"
#include "platform/gdi/detail/TextLayout.h"
#include "platform/gdi/detail/TextPainter.h"
#include "platform/gdi/detail/Utf8.h"

namespace win {
namespace {

using gdi::detail::FontEngine;
using gdi::detail::ScaledFont;

constexpr int kDefaultTabLength = 8;

std::string_view Span(const char* text, int length) {
    return length < 0 ? std::string_view(text) : std::string_view(text, std::size_t(length));
}

ScaledFont& FontOf(const gdi::detail::DeviceContext& context) {
    return FontEngine::instance().font(context.font.object->logfont);
}

void PaintBackground(gdi::detail::Raster& raster, const gdi::detail::DeviceContext& context, const RECT& cell) {
    if (context.bkMode == OPAQUE) {
        raster.fill(cell, gdi::ResolveColor(context.bkColor));
    }
}

}  // namespace

BOOL TextOut(HDC dc, int x, int y, const char* text, int length) {
    const auto context = gdi::detail::FindDC(dc);
    if (!context || (!text && length != 0)) {
        return FALSE;
    }
    const std::u32string line = gdi::detail::DecodeUtf8(text ? Span(text, length) : std::string_view());
    const auto guard = FontEngine::instance().lock();
    ScaledFont& font = FontOf(*context);
    const std::vector<int> offsets = gdi::detail::CharacterOffsets(font, line, 0);
    gdi::detail::Raster raster(*context);
    PaintBackground(raster, *context, {x, y, x + offsets.back(), y + font.height()});
    gdi::detail::PaintLine(raster, font, x, y, line, offsets, gdi::ResolveColor(context->textColor));
    return TRUE;
}

BOOL GetTextExtentPoint32(HDC dc, const char* text, int length, SIZE* size) {
    const auto context = gdi::detail::FindDC(dc);
    if (!context || !size || (!text && length != 0)) {
        return FALSE;
    }
    const std::u32string line = gdi::detail::DecodeUtf8(text ? Span(text, length) : std::string_view());
    const auto guard = FontEngine::instance().lock();
    ScaledFont& font = FontOf(*context);
    *size = {gdi::detail::CharacterOffsets(font, line, 0).back(), font.height()};
    return TRUE;
}

int DrawText(HDC dc, const char* text, int length, RECT* rect, UINT format) {
    return DrawTextEx(dc, text, length, rect, format, nullptr);
}

int DrawTextEx(HDC dc, const char* text, int length, RECT* rect, UINT format, DRAWTEXTPARAMS* params) {
    const auto context = gdi::detail::FindDC(dc);
    if (!context || !rect || (!text && length != 0)) {
        return 0;
    }
    const std::string_view bytes = text ? Span(text, length) : std::string_view();
    const bool singleLine = (format & DT_SINGLELINE) != 0;
    auto lines = gdi::detail::SplitLines(gdi::detail::DecodeUtf8(bytes), singleLine, (format & DT_NOPREFIX) == 0);
    if (lines.size() == 1 && lines.front().text.empty()) {
        lines.clear();  // nothing to show measures as nothing, also for a lone "&"
    }
    const int leftMargin = params ? params->iLeftMargin : 0;
    const int rightMargin = params ? params->iRightMargin : 0;
    const int tabLength = params && params->iTabLength > 0 ? params->iTabLength : kDefaultTabLength;

    const auto guard = FontEngine::instance().lock();
    ScaledFont& font = FontOf(*context);
    const int tabWidth = (format & DT_EXPANDTABS) ? tabLength * gdi::detail::AverageCharacterWidth(font) : 0;
    std::vector<std::vector<int>> offsets;
    int widest = 0;
    for (const auto& line : lines) {
        offsets.push_back(gdi::detail::CharacterOffsets(font, line.text, tabWidth));
        widest = std::max(widest, offsets.back().back());
    }
    const int lineHeight = font.height();
    const int totalHeight = lineHeight * int(lines.size());
    if (params) {
        params->uiLengthDrawn = UINT(bytes.size());
    }
    if (format & DT_CALCRECT) {
        rect->right = rect->left + leftMargin + widest + rightMargin;
        rect->bottom = rect->top + totalHeight;
        return totalHeight;
    }

    int y = rect->top;
    if (singleLine && (format & DT_VCENTER)) {
        y = rect->top + (rect->bottom - rect->top - lineHeight) / 2;
    } else if (singleLine && (format & DT_BOTTOM)) {
        y = rect->bottom - lineHeight;
    }
    gdi::detail::Raster raster(*context);
    raster.restrictTo(*rect);
    const COLORREF colour = gdi::ResolveColor(context->textColor);
    const int left = rect->left + leftMargin;
    const int room = rect->right - rightMargin - left;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int width = offsets[i].back();
        int x = left;
        if (format & DT_CENTER) {
            x = left + (room - width) / 2;
        } else if (format & DT_RIGHT) {
            x = left + room - width;
        }
        PaintBackground(raster, *context, {x, y, x + width, y + lineHeight});
        gdi::detail::PaintLine(raster, font, x, y, lines[i].text, offsets[i], colour);
        if (const int mark = lines[i].underlined; mark >= 0) {
            gdi::detail::PaintUnderline(raster, font, x + offsets[i][std::size_t(mark)],
                                        x + offsets[i][std::size_t(mark) + 1], y, colour);
        }
        y += lineHeight;
    }
    const bool placed = singleLine && (format & (DT_VCENTER | DT_BOTTOM));
    return placed ? y - rect->top : totalHeight;
}

}  // namespace win
