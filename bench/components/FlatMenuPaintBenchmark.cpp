// Painting one popup menu of ten items on the headless presenter: in the classic look, and in the flat look with
// its frame (the request each item posts taken off the queue as the application window would). Target: the flat
// menu costs at most four times the classic one.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "platform/framework/forms/Application.h"
#include "platform/framework/forms/Form.h"
#include "platform/framework/graphics/Canvas.h"
#include "platform/framework/menus/MenuItem.h"
#include "platform/framework/menus/PopupMenu.h"
#include "platform/present/HeadlessPresenter.h"
#include "platform/testing/MessagePump.h"
#include "platform/user/MessageLoop.h"
#include "platform/user/Messages.h"
#include "platform/user/Paint.h"
#include "platform/user/Presenter.h"
#include "platform/user/Window.h"
#include "platform/user/WindowStyles.h"
#include "trackmill/components/FlatLook.h"
#include "trackmill/components/PopupMenuFrame.h"

namespace {

using namespace framework;

constexpr int kItems = 10;
constexpr int kItemHeight = 23;
constexpr int kWidth = 180;

win::LRESULT PlainPopup(win::HWND window, win::UINT message, win::WPARAM wParam, win::LPARAM lParam) {
    return win::DefWindowProc(window, message, wParam, lParam);
}

// A form with a ten-item popup menu (a separator, a checked item, shortcuts) and a popup window to paint it in.
struct Menu {
    std::unique_ptr<TApplication> app;
    TForm* form = nullptr;
    TPopupMenu* popup = nullptr;
    components::TFlatLook* look = nullptr;
    win::HWND window = nullptr;

    explicit Menu(bool flat) {
        user::SetPresenter(std::make_unique<present::HeadlessPresenter>());
        app = std::make_unique<TApplication>(nullptr);
        app->CreateForm(form);
        form->Show();
        popup = new TPopupMenu(form);
        for (int i = 0; i < kItems; ++i) {
            auto* item = new TMenuItem(form);
            item->SetCaption(i == 4 ? "-" : "菜单项 " + std::to_string(i));
            if (i % 3 == 0) item->SetShortCut(ShortCut('A' + i, ssCtrl));
            item->SetChecked(i == 2);
            popup->Items()->Add(item);
        }
        popup->SetOwnerDraw(true);
        if (flat) {
            look = new components::TFlatLook(form);
            look->SetFlatMenu(true);
            look->SetActive(true);
        }
        win::WNDCLASS wc;
        wc.lpfnWndProc = &PlainPopup;
        wc.lpszClassName = "MenuBenchPopup";
        win::RegisterClass(&wc);
        window = win::CreateWindowEx(0, "MenuBenchPopup", "", win::WS_POPUP | win::WS_VISIBLE, 100, 100, kWidth + 6,
                                     kItems * kItemHeight + 6, nullptr, nullptr, nullptr);
        testdriver::PumpUntilIdle();
    }
    ~Menu() { win::DestroyWindow(window); }

    void Paint() {
        const win::HDC dc = win::GetWindowDC(window);
        TCanvas canvas(dc);
        for (int i = 0; i < kItems; ++i) {
            const win::RECT r{3, 3 + i * kItemHeight, 3 + kWidth, 3 + (i + 1) * kItemHeight};
            popup->Items()->Items(i)->DrawItem(canvas, r, i == 1);
        }
        win::ReleaseDC(window, dc);
        if (!look) return;
        win::MSG request;
        while (win::PeekMessage(&request, app->Handle(), components::kFrameRequestItem, components::kFrameRequestWindow,
                                win::PM_REMOVE))
            components::DrawPopupFrame(*look, reinterpret_cast<win::HWND>(request.lParam), false);
    }
};

void PaintMenu(benchmark::State& state, bool flat) {
    Menu menu(flat);
    for (auto _ : state) menu.Paint();
    state.counters["menus_per_s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_ClassicPopupMenu(benchmark::State& state) { PaintMenu(state, false); }
void BM_FlatPopupMenuWithFrame(benchmark::State& state) { PaintMenu(state, true); }

}  // namespace

BENCHMARK(BM_ClassicPopupMenu)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FlatPopupMenuWithFrame)->Unit(benchmark::kMicrosecond);
