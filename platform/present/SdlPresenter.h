#pragma once
// Every top-level window is a borderless window on the display (the layer paints its own frame). Pixels reach the
// screen through the window surface (shared memory on X11), never through OpenGL: the layer draws every pixel
// itself. Mouse, keys and text come from the display's events; exposed windows are redrawn from their backing
// stores. Owned windows are marked transient for their owner, so a window manager keeps them above it; without one
// the presenter raises them itself. While idle the UI thread sleeps on the display connection.
#include <map>
#include <memory>
#include <vector>

#include "platform/user/Presenter.h"

struct SDL_Cursor;
struct SDL_Window;
union SDL_Event;

namespace present {

class SdlPresenter : public user::Presenter {
  public:
    // Null when the display cannot be opened.
    static std::unique_ptr<SdlPresenter> Open();
    ~SdlPresenter() override;

    void windowChanged(win::HWND topLevel) override;
    void windowDestroyed(win::HWND topLevel) override;
    void pixelsChanged(win::HWND topLevel, const win::RECT& area) override;
    void windowActivated(win::HWND topLevel) override;
    void present() override;
    bool waitForInput(std::optional<Clock::time_point> deadline) override;
    void wake() override;
    void setClipboardText(const std::string& text) override;
    std::string clipboardText() override;
    void cursorChanged(user::PointerShape shape) override;

  private:
    // Gives the keyboard back to the active window after a menu or list window that held it went away.
    void focusActiveWindow();

    struct Shown {
        SDL_Window* window = nullptr;
        win::HWND owner = nullptr;
        std::vector<win::RECT> dirty;  // window coordinates; empty and clean when nothing changed
        bool allDirty = true;
    };

    explicit SdlPresenter(int wakeFd);
    void handle(const SDL_Event& event);
    win::HWND windowOf(unsigned sdlWindowId) const;
    void draw(win::HWND hwnd, Shown& shown);
    void raiseOwnedWindows(win::HWND owner);
    // Menus, lists and hints above every other window of the program, the frontmost on top.
    void raiseTopmostWindows();
    // The display connection's descriptor, -1 when the driver has none to wait on.
    int displayDescriptor();

    std::map<win::HWND, Shown> windows_;
    int wakeFd_;
    int displayFd_ = -1;
    // The display's cursors, made when first shown.
    std::map<user::PointerShape, SDL_Cursor*> cursors_;
};

}  // namespace present
