#pragma once
// Every top-level window is a borderless window on the display (the layer paints its own frame). Mouse, keys and
// text come from the display's events; exposed windows are redrawn from their backing stores.
#include <map>
#include <memory>

#include "platform/user/Presenter.h"

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
    void pixelsChanged(win::HWND topLevel) override;
    void present() override;
    bool needsPolling() const override { return true; }

  private:
    struct Shown {
        SDL_Window* window = nullptr;
        bool dirty = true;
    };

    SdlPresenter() = default;
    void handle(const SDL_Event& event);
    win::HWND windowOf(unsigned sdlWindowId) const;
    void draw(win::HWND hwnd, Shown& shown);

    std::map<win::HWND, Shown> windows_;
};

}  // namespace present
