// The status bar's size grip shows only in a window that can be sized.
#include <vector>

#include "ControlsFixture.h"
#include "platform/framework/controls/StatusBar.h"
#include "platform/testing/MessagePump.h"
#include "platform/testing/Screen.h"
#include "platform/user/Window.h"

using namespace framework;

namespace {

// The status bar's pixels, row by row.
std::vector<win::COLORREF> Picture(TStatusBar& bar, TForm& form) {
    win::RECT window{};
    win::GetWindowRect(form.Handle(), &window);
    std::vector<win::COLORREF> pixels;
    for (int y = 0; y < bar.Height(); ++y)
        for (int x = 0; x < bar.Width(); ++x) {
            const win::POINT p = bar.ClientToScreen(win::POINT{x, y});
            pixels.push_back(testdriver::WindowPixel(form.Handle(), p.x - window.left, p.y - window.top));
        }
    return pixels;
}

// The picture of a status bar on a form of that border style, with and without the grip asked for.
std::pair<std::vector<win::COLORREF>, std::vector<win::COLORREF>> WithAndWithoutGrip(TForm* form,
                                                                                     TFormBorderStyle style) {
    form->SetBorderStyle(style);
    auto* bar = new TStatusBar(form);
    bar->SetParent(form);
    bar->SetBounds(0, 100, 200, 19);
    bar->SetSimpleText("Ready");
    testdriver::PumpUntilIdle();
    const auto with = Picture(*bar, *form);
    bar->SetSizeGrip(false);
    testdriver::PumpUntilIdle();
    const auto without = Picture(*bar, *form);
    delete bar;
    return {with, without};
}

}  // namespace

TEST_F(ControlsTest, AStatusBarShowsItsSizeGripOnlyInAWindowThatCanBeSized) {
    TForm* form = ShowForm();
    const auto [sizeableWith, sizeableWithout] = WithAndWithoutGrip(form, bsSizeable);
    EXPECT_NE(sizeableWith, sizeableWithout) << "a sizeable window shows the grip";
    for (const TFormBorderStyle fixed : {TFormBorderStyle{bsSingle}, bsDialog}) {
        const auto [with, without] = WithAndWithoutGrip(form, fixed);
        EXPECT_EQ(with, without) << "border style " << fixed;
    }
}
