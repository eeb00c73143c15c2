#pragma once
// The colours a look paints with, by system colour index (COLOR_BTNFACE, COLOR_HIGHLIGHT...). A look is a palette
// and a painter: the classic paint functions take one, and by default the system colours as they are now.
#include <array>

#include "platform/gdi/SysColors.h"

namespace gdi {

class Palette {
  public:
    // The system colour table as it is when called.
    static Palette System();

    // 0 for an index outside the table.
    win::COLORREF operator[](int index) const;
    // Ignored outside the table.
    Palette& Set(int index, win::COLORREF colour);

  private:
    std::array<win::COLORREF, kSysColorCount> colours_{};
};

}  // namespace gdi
