#include "platform/framework/controls/ScrollBarPainting.h"

#include "platform/framework/controls/ClassicPainter.h"

namespace framework {

void PaintVerticalScrollBar(win::HDC dc, const VerticalScrollBar& bar, VerticalScrollBar::Part pressed, bool enabled) {
    using Part = VerticalScrollBar::Part;
    const win::RECT thumb = bar.Thumb();
    const win::RECT track = bar.Track();
    classic::ScrollTrack(dc, win::RECT{track.left, track.top, track.right, thumb.top}, pressed == Part::PageUp);
    classic::ScrollTrack(dc, win::RECT{track.left, thumb.bottom, track.right, track.bottom}, pressed == Part::PageDown);
    classic::ScrollThumb(dc, thumb);
    classic::State up;
    up.pressed = pressed == Part::UpArrow;
    up.enabled = enabled && bar.Position() > 0;
    classic::ScrollButton(dc, bar.UpArrow(), classic::Arrow::Up, up);
    classic::State down;
    down.pressed = pressed == Part::DownArrow;
    down.enabled = enabled && bar.Position() < bar.MaxPosition();
    classic::ScrollButton(dc, bar.DownArrow(), classic::Arrow::Down, down);
}

}  // namespace framework
