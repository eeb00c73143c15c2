// platform-demo: a window with a menu bar, an open popup menu, shapes and text (Chinese included), for a person
// to look at on a display or in a PNG dump.
//
//   platform-demo [--png FILE] [--seconds N]
//
// --png FILE   writes the composed screen to FILE once the popup menu is open, then closes everything; the exit
//              status says whether the file was written
// --seconds N  closes everything after N seconds (otherwise it runs until the window is closed)
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/gdi/DC.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/SysColors.h"
#include "platform/gdi/Text.h"
#include "platform/present/PngWriter.h"
#include "platform/present/PresenterChoice.h"
#include "platform/present/ScreenComposer.h"
#include "platform/user/Menu.h"
#include "platform/user/MessageLoop.h"
#include "platform/user/Messages.h"
#include "platform/user/Paint.h"
#include "platform/user/Presenter.h"
#include "platform/user/SystemMetrics.h"
#include "platform/user/Window.h"
#include "platform/user/WindowStyles.h"

using namespace win;

namespace {

constexpr UINT_PTR kOpenMenuTimer = 1;
constexpr UINT_PTR kSnapshotTimer = 2;
constexpr UINT_PTR kCloseTimer = 3;
constexpr UINT kOpenMenu = WM_USER + 1;

std::string pngPath;
int seconds = 0;
bool pngFailed = false;
HMENU popupMenu = nullptr;

HFONT MakeFont(const char* face, LONG height) {
    LOGFONT lf;
    lf.lfHeight = height;
    lf.lfCharSet = GB2312_CHARSET;
    std::strncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
    return CreateFontIndirect(&lf);
}

void PaintDemo(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(0, 0, 128));
    HBRUSH yellow = CreateSolidBrush(RGB(255, 220, 80));
    HBRUSH green = CreateSolidBrush(RGB(60, 170, 90));
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, yellow);
    Rectangle(dc, 20, 20, 120, 90);
    SelectObject(dc, green);
    Ellipse(dc, 140, 20, 240, 90);
    SelectObject(dc, GetStockObject(NULL_BRUSH));
    RoundRect(dc, 260, 20, 360, 90, 6, 6);
    for (int i = 0; i < 5; ++i) {
        MoveToEx(dc, 20, 110 + i * 6, nullptr);
        LineTo(dc, 360, 110 + i * 6);
    }
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(pen);
    DeleteObject(yellow);
    DeleteObject(green);

    SetBkMode(dc, TRANSPARENT);
    HFONT latin = MakeFont("Tahoma", -13);
    HFONT chinese = MakeFont("宋体", -16);
    HGDIOBJ oldFont = SelectObject(dc, latin);
    SetTextColor(dc, RGB(0, 0, 0));
    TextOut(dc, 20, 150, "Hello from the trackmill platform layer", -1);
    SelectObject(dc, chinese);
    SetTextColor(dc, RGB(160, 0, 0));
    RECT box{20, 175, 420, 200};
    DrawText(dc, "音频抓轨：请检查光驱中是否插入了音乐CD！", -1, &box, DT_LEFT | DT_SINGLELINE);
    SelectObject(dc, oldFont);
    DeleteObject(latin);
    DeleteObject(chinese);
    EndPaint(hwnd, &ps);
}

HMENU BuildMenuBar() {
    HMENU bar = CreateMenu();
    HMENU file = CreatePopupMenu();
    AppendMenu(file, MF_STRING, 101, "打开(&O)...\tCtrl+O");
    AppendMenu(file, MF_STRING, 102, "保存(&S)");
    AppendMenu(file, MF_SEPARATOR, 0, nullptr);
    AppendMenu(file, MF_STRING, 103, "退出(&X)");
    HMENU help = CreatePopupMenu();
    AppendMenu(help, MF_STRING, 201, "关于(&A)");
    AppendMenu(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "文件(&F)");
    AppendMenu(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(help), "帮助(&H)");
    return bar;
}

HMENU BuildPopup() {
    HMENU more = CreatePopupMenu();
    AppendMenu(more, MF_STRING, 311, "MP3");
    AppendMenu(more, MF_STRING, 312, "WAV");
    HMENU popup = CreatePopupMenu();
    AppendMenu(popup, MF_STRING | MF_CHECKED, 301, "Normalize\tCtrl+N");
    AppendMenu(popup, MF_STRING, 302, "抓取选中的音轨");
    AppendMenu(popup, MF_STRING | MF_GRAYED, 303, "Disabled item");
    AppendMenu(popup, MF_SEPARATOR, 0, nullptr);
    AppendMenu(popup, MF_POPUP, reinterpret_cast<UINT_PTR>(more), "Convert to");
    return popup;
}

LRESULT DemoProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_PAINT:
            PaintDemo(hwnd);
            return 0;
        case WM_TIMER:
            KillTimer(hwnd, wParam);
            if (wParam == kOpenMenuTimer) PostMessage(hwnd, kOpenMenu, 0, 0);
            if (wParam == kSnapshotTimer && !pngPath.empty()) {
                const std::string error = present::WritePng(
                    present::ComposeScreen(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)), pngPath);
                pngFailed = !error.empty();
                if (pngFailed) std::fprintf(stderr, "platform-demo: %s\n", error.c_str());
            }
            if (wParam == kCloseTimer || (wParam == kSnapshotTimer && !pngPath.empty())) {
                EndMenu();
                PostMessage(hwnd, WM_CLOSE, 0, 0);
            }
            return 0;
        case kOpenMenu: {
            RECT r;
            GetWindowRect(hwnd, &r);
            SetTimer(hwnd, kSnapshotTimer, 400, nullptr);
            const BOOL chosen = TrackPopupMenu(popupMenu, TPM_RETURNCMD, r.left + 260, r.top + 150, 0, hwnd, nullptr);
            if (chosen) std::printf("chosen: %d\n", chosen);
            return 0;
        }
        case WM_COMMAND:
            if (LOWORD(wParam) == 103) PostMessage(hwnd, WM_CLOSE, 0, 0);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProc(hwnd, msg, wParam, lParam);
    }
}

}  // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--png") == 0 && i + 1 < argc) {
            pngPath = argv[++i];
        } else if (std::strcmp(argv[i], "--seconds") == 0 && i + 1 < argc) {
            seconds = std::atoi(argv[++i]);
        } else {
            std::fprintf(stderr, "usage: platform-demo [--png FILE] [--seconds N]\n");
            return 2;
        }
    }
    const present::PresenterKind kind = present::InstallPresenter();
    std::printf("presenter: %s\n", kind == present::PresenterKind::Sdl ? "SDL2" : "headless");

    WNDCLASS wc;
    wc.lpfnWndProc = DemoProc;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<std::uintptr_t>(COLOR_WINDOW + 1));
    wc.lpszClassName = "PlatformDemo";
    RegisterClass(&wc);
    popupMenu = BuildPopup();
    HWND hwnd = CreateWindowEx(0, "PlatformDemo", "trackmill 平台演示", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 60, 40, 460,
                               300, nullptr, BuildMenuBar(), nullptr);
    if (!hwnd) {
        std::fprintf(stderr, "platform-demo: cannot create the window\n");
        return 1;
    }
    SetTimer(hwnd, kOpenMenuTimer, 200, nullptr);
    if (seconds > 0) SetTimer(hwnd, kCloseTimer, static_cast<UINT>(seconds) * 1000, nullptr);
    MSG msg;
    while (GetMessage(&msg, nullptr, 0, 0)) DispatchMessage(&msg);
    DestroyMenu(popupMenu);
    user::SetPresenter(nullptr);
    return pngFailed ? 1 : static_cast<int>(msg.wParam);
}
