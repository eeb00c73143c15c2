#include "platform/gdi/Palette.h"

namespace gdi {

namespace {

bool InTable(int index) { return index >= 0 && index < kSysColorCount; }

}  // namespace

Palette Palette::System() {
    Palette palette;
    for (int i = 0; i < kSysColorCount; ++i) palette.colours_[static_cast<std::size_t>(i)] = win::GetSysColor(i);
    return palette;
}

win::COLORREF Palette::operator[](int index) const {
    return InTable(index) ? colours_[static_cast<std::size_t>(index)] : 0;
}

Palette& Palette::Set(int index, win::COLORREF colour) {
    if (InTable(index)) colours_[static_cast<std::size_t>(index)] = ResolveColor(colour);
    return *this;
}

}  // namespace gdi
