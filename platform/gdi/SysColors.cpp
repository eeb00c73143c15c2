#include "platform/gdi/SysColors.h"

#include <array>
#include <atomic>

namespace gdi {
namespace {

using win::RGB;

// The classic standard scheme; index 25 has no colour.
constexpr std::array<win::COLORREF, kSysColorCount> kStandardScheme = {
    RGB(212, 208, 200),  // scrollbar
    RGB(58, 110, 165),   // background
    RGB(10, 36, 106),    // active caption
    RGB(128, 128, 128),  // inactive caption
    RGB(212, 208, 200),  // menu
    RGB(255, 255, 255),  // window
    RGB(0, 0, 0),        // window frame
    RGB(0, 0, 0),        // menu text
    RGB(0, 0, 0),        // window text
    RGB(255, 255, 255),  // caption text
    RGB(212, 208, 200),  // active border
    RGB(212, 208, 200),  // inactive border
    RGB(128, 128, 128),  // application workspace
    RGB(10, 36, 106),    // highlight
    RGB(255, 255, 255),  // highlight text
    RGB(212, 208, 200),  // button face
    RGB(128, 128, 128),  // button shadow
    RGB(128, 128, 128),  // grey text
    RGB(0, 0, 0),        // button text
    RGB(212, 208, 200),  // inactive caption text
    RGB(255, 255, 255),  // button highlight
    RGB(64, 64, 64),     // 3-D dark shadow
    RGB(212, 208, 200),  // 3-D light
    RGB(0, 0, 0),        // info text
    RGB(255, 255, 225),  // info background
    RGB(0, 0, 0),        // (unused)
    RGB(0, 0, 128),      // hot-tracked item
    RGB(166, 202, 240),  // gradient active caption
    RGB(192, 192, 192),  // gradient inactive caption
    RGB(10, 36, 106),    // menu highlight
    RGB(212, 208, 200),  // menu bar
};

// Painting may read the table from any thread while a test replaces entries.
struct SysColorTable {
    SysColorTable() {
        for (int i = 0; i < kSysColorCount; ++i) {
            entries[std::size_t(i)] = kStandardScheme[std::size_t(i)];
        }
    }
    std::array<std::atomic<win::COLORREF>, kSysColorCount> entries;
};

std::array<std::atomic<win::COLORREF>, kSysColorCount>& Table() {
    static SysColorTable table;
    return table.entries;
}

bool InTable(int index) { return index >= 0 && index < kSysColorCount; }

}  // namespace

void SetSysColor(int index, win::COLORREF colour) {
    if (InTable(index)) {
        Table()[std::size_t(index)] = colour & 0xFFFFFF;
    }
}

void ResetSysColors() {
    for (int i = 0; i < kSysColorCount; ++i) {
        Table()[std::size_t(i)] = kStandardScheme[std::size_t(i)];
    }
}

win::COLORREF ResolveColor(win::COLORREF colour) {
    if ((colour & 0xFFFFFF00) == 0xFF000000) {
        return win::GetSysColor(int(colour & 0xFF));
    }
    return colour & 0xFFFFFF;
}

}  // namespace gdi

namespace win {

COLORREF GetSysColor(int index) { return gdi::InTable(index) ? gdi::Table()[std::size_t(index)].load() : 0; }

}  // namespace win
