#pragma once
// The classic 3-D look of the standard controls, in one place: one paint function per control kind, taking the
// DC, the rectangle, the state and the palette (the system colours unless another is given). Controls own
// behaviour; this owns pixels. The shapes it draws with are those of platform/gdi.
#include <string>

#include "platform/gdi/Palette.h"
#include "platform/gdi/Types.h"

namespace framework::classic {

struct State {
    bool pressed = false;
    bool hot = false;
    bool checked = false;
    bool grayed = false;
    bool enabled = true;
    bool focused = false;
    bool isDefault = false;
};

enum class Bevel { None, Lowered, Raised, Space };
enum class Arrow { Up, Down, Left, Right };
enum class MessageIcon { None, Information, Error, Question, Warning };

using gdi::Palette;

void FocusRect(win::HDC dc, const win::RECT& r, const Palette& palette = Palette::System());

// Push button face and edges (default frame, pressed look, focus rectangle); the caption is drawn by the caller.
void PushButton(win::HDC dc, const win::RECT& r, const State& state, const Palette& palette = Palette::System());
// Text in the button colour, or embossed grey when disabled; "&" marks the accelerator.
void ButtonText(win::HDC dc, const std::string& text, win::RECT r, win::UINT format, bool enabled,
                const Palette& palette = Palette::System());
void CheckBox(win::HDC dc, const win::RECT& box, const State& state, const Palette& palette = Palette::System());
void RadioButton(win::HDC dc, const win::RECT& box, const State& state, const Palette& palette = Palette::System());
void PanelBevel(win::HDC dc, win::RECT& r, Bevel bevel, int width, const Palette& palette = Palette::System());
// The etched frame of a group box, its top line at textHeight / 2, interrupted for the caption [gapLeft, gapRight).
void GroupFrame(win::HDC dc, const win::RECT& r, int textHeight, int gapLeft, int gapRight,
                const Palette& palette = Palette::System());
void ProgressBar(win::HDC dc, const win::RECT& r, int filledRight, const Palette& palette = Palette::System());
void ScrollButton(win::HDC dc, const win::RECT& r, Arrow arrow, const State& state,
                  const Palette& palette = Palette::System());
// A scroll bar's track: a fine checker of face and highlight, darker where it is held down to page.
void ScrollTrack(win::HDC dc, const win::RECT& r, bool pressed, const Palette& palette = Palette::System());
// A scroll bar's thumb: raised, without a glyph.
void ScrollThumb(win::HDC dc, const win::RECT& r, const Palette& palette = Palette::System());
void TrackBar(win::HDC dc, const win::RECT& r, int minimum, int maximum, int position, int frequency, bool focused,
              const Palette& palette = Palette::System());
void StatusPanel(win::HDC dc, const win::RECT& r, const Palette& palette = Palette::System());
void SizeGrip(win::HDC dc, const win::RECT& r, const Palette& palette = Palette::System());
void HeaderSection(win::HDC dc, const win::RECT& r, bool pressed, const Palette& palette = Palette::System());
void Tab(win::HDC dc, const win::RECT& r, bool selected, const Palette& palette = Palette::System());
void TabPageFrame(win::HDC dc, const win::RECT& r, const Palette& palette = Palette::System());
void Icon(win::HDC dc, int x, int y, MessageIcon icon);
// A small check mark for check boxes of list views and menus, inside box.
void CheckMark(win::HDC dc, const win::RECT& box, win::COLORREF colour);

}  // namespace framework::classic
