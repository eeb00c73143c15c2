#include "platform/user/detail/MenuTracker.h"

#include <utility>
#include <vector>

#include "platform/gdi/DC.h"
#include "platform/user/ClassicGeometry.h"
#include "platform/user/Menu.h"
#include "platform/user/MenuMnemonic.h"
#include "platform/user/MessageLoop.h"
#include "platform/user/Messages.h"
#include "platform/user/Paint.h"
#include "platform/user/Window.h"
#include "platform/user/WindowStyles.h"
#include "platform/user/detail/Dispatch.h"
#include "platform/user/detail/InputState.h"
#include "platform/user/detail/MenuBar.h"
#include "platform/user/detail/MenuRecord.h"
#include "platform/user/detail/MessageLoopCore.h"
#include "platform/user/detail/PopupMenuWindow.h"

namespace user::detail {

namespace {

bool IsMouseMessage(UINT m) {
    return (m >= WM_MOUSEMOVE && m <= WM_RBUTTONUP) || (m >= WM_NCMOUSEMOVE && m <= WM_NCRBUTTONUP);
}

// Non-client mouse messages carry screen coordinates, client ones client coordinates.
bool IsNonClient(UINT m) { return m >= WM_NCMOUSEMOVE && m <= WM_NCRBUTTONUP; }

// Keys, characters and the system keys Alt gives them.
// The item of a menu whose mnemonic is the character: from the items' text, else, for owner-drawn items, as the
// owner answers WM_MENUCHAR (MNC_EXECUTE with the index). -1 when there is none.
int MnemonicItem(HWND owner, HMENU handle, char32_t character, bool popup) {
    auto menu = FindMenu(handle);
    const char32_t wanted = user::FoldedMnemonic(character);
    if (!menu || !wanted) return -1;
    for (std::size_t i = 0; i < menu->items.size(); ++i) {
        const MenuItem& item = menu->items[i];
        if (!item.separator() && !item.ownerDrawn() && user::MenuMnemonic(item.text) == wanted)
            return static_cast<int>(i);
    }
    const LRESULT answer = SendMessage(owner, WM_MENUCHAR, (WPARAM{popup ? MF_POPUP : 0} << 16) | (wanted & 0xFFFF),
                                       reinterpret_cast<LPARAM>(handle));
    const int index = LOWORD(answer);
    if (HIWORD(answer) != MNC_EXECUTE || index >= GetMenuItemCount(handle)) return -1;
    return index;
}

bool IsKeyMessage(UINT m) { return m >= WM_KEYDOWN && m <= WM_SYSCHAR; }

class MenuTracker {
  public:
    MenuTracker(HWND owner, HMENU bar) : owner_(owner), bar_(bar) {}

    // Returns whether an item was chosen, and which.
    bool runPopup(HMENU menu, POINT at, UINT flags, UINT* chosen) {
        if (!open(menu, at, flags, 0)) return false;
        loop();
        *chosen = chosen_;
        return chose_;
    }

    // From the mouse the bar item drops its menu at once; from the keyboard (F10, Alt) the bar is only selected
    // until Down or Enter, unless a mnemonic chose the item, which drops it with its first item selected.
    bool runBar(int index, BarEntry entry, UINT* chosen) {
        dropped_ = entry != BarEntry::Selected;
        byMouse_ = entry == BarEntry::Dropped;
        selectBar(index);
        if (entry == BarEntry::Mnemonic) selectFirstInLast();
        if (dropped_ && levels_.empty() && !done_) {
            // A bar item without a sub-menu is a command of its own.
            chooseBarItem(index);
        } else {
            loop();
        }
        selectBar(-1);
        *chosen = chosen_;
        return chose_;
    }

    void dismiss() { done_ = true; }

  private:
    struct Level {
        HMENU menu;
        HWND window;
    };

    bool open(HMENU menu, POINT at, UINT flags, int indexInParent) {
        SendMessage(owner_, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), MAKELPARAM(indexInParent, 0));
        if (GetMenuItemCount(menu) <= 0) return false;
        HWND window = CreatePopupMenuWindow(owner_, menu, at, flags);
        if (!window) return false;
        levels_.push_back(Level{menu, window});
        ShowWindow(window, SW_SHOWNOACTIVATE);
        return true;
    }

    void closeFrom(std::size_t level) {
        while (levels_.size() > level) {
            const HWND window = levels_.back().window;
            levels_.pop_back();
            DestroyPopupMenuWindow(window);
        }
    }

    void openSubmenu(std::size_t level, int index) {
        auto menu = FindMenu(levels_[level].menu);
        if (!menu || index < 0 || static_cast<std::size_t>(index) >= menu->items.size()) return;
        const MenuItem& item = menu->items[static_cast<std::size_t>(index)];
        if (!item.submenu || item.disabled()) return;
        RECT r;
        GetMenuItemRect(nullptr, levels_[level].menu, static_cast<UINT>(index), &r);
        open(item.submenu,
             POINT{r.right - classic::Current().submenuOverlap + classic::Current().popupMargin,
                   r.top - classic::Current().popupMargin},
             0, index);
    }

    void selectBar(int index) {
        if (!bar_ || index == barSelected_) return;
        closeFrom(0);
        HDC dc = GetWindowDC(owner_);
        if (barSelected_ >= 0) PaintMenuBarItem(owner_, dc, barSelected_, false, ODA_SELECT);
        barSelected_ = index;
        if (index >= 0) PaintMenuBarItem(owner_, dc, index, true, ODA_SELECT);
        ReleaseDC(owner_, dc);
        if (index < 0 || !dropped_) return;
        const HMENU sub = GetSubMenu(bar_, index);
        RECT r;
        if (sub && GetMenuItemRect(owner_, bar_, static_cast<UINT>(index), &r))
            open(sub, POINT{r.left, r.bottom}, 0, index);
    }

    void chooseBarItem(int index) {
        const UINT id = GetMenuItemID(bar_, index);
        auto menu = FindMenu(bar_);
        if (id != 0xFFFFFFFF && menu && !menu->items[static_cast<std::size_t>(index)].disabled()) finish(id);
        done_ = true;
    }

    void finish(UINT id) {
        chosen_ = id;
        chose_ = true;
        done_ = true;
    }

    void loop() {
        while (!done_) {
            if (!IsWindow(owner_)) break;
            MSG m;
            if (!Retrieve(&m, MessageFilter{}, true)) {
                WaitForMessages();
                continue;
            }
            if (m.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(m.wParam));
                break;
            }
            if (IsMouseMessage(m.message))
                onMouse(m);
            else if (IsKeyMessage(m.message))
                onKey(m);
            else
                Dispatch(m);  // everything else reaches its window while the menu is open
        }
        closeFrom(0);
    }

    POINT ScreenPoint(const MSG& m) const {
        POINT p{GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam)};
        if (!IsNonClient(m.message)) ClientToScreen(m.hwnd, &p);
        return p;
    }

    void onMouse(const MSG& m) {
        const POINT p = ScreenPoint(m);
        const UINT id = m.message;
        const bool press = id == WM_LBUTTONDOWN || id == WM_RBUTTONDOWN || id == WM_LBUTTONDBLCLK ||
                           id == WM_NCLBUTTONDOWN || id == WM_NCRBUTTONDOWN || id == WM_NCLBUTTONDBLCLK;
        const bool release = id == WM_LBUTTONUP || id == WM_RBUTTONUP || id == WM_NCLBUTTONUP || id == WM_NCRBUTTONUP;
        const bool move = id == WM_MOUSEMOVE || id == WM_NCMOUSEMOVE;
        for (std::size_t level = levels_.size(); level-- > 0;) {
            const HWND window = levels_[level].window;
            if (!PopupContains(window, p)) continue;
            const int index = PopupItemAt(window, p);
            if (move || press) {
                if (index != PopupSelection(window)) {
                    closeFrom(level + 1);
                    SelectPopupItem(window, index);
                    if (index >= 0) openSubmenu(level, index);
                }
            } else if (release && index >= 0) {
                // The menu may have been changed or destroyed by a handler meanwhile.
                auto menu = FindMenu(levels_[level].menu);
                if (!menu || static_cast<std::size_t>(index) >= menu->items.size()) return;
                const MenuItem& item = menu->items[static_cast<std::size_t>(index)];
                if (item.selectable() && !item.submenu) finish(item.id);
            }
            return;
        }
        if (bar_) {
            const int barIndex = MenuBarItemAt(owner_, p);
            if (barIndex >= 0) {
                if (press && !dropped_) {
                    // The bar was selected from the keyboard: a press drops the item's menu.
                    selectBar(barIndex);
                    drop();
                    return;
                }
                if (move && barIndex != barSelected_) selectBar(barIndex);
                if (press && barIndex == barSelected_) done_ = true;  // a second press closes the bar's menu
                return;
            }
        }
        // The click that dismisses the menu is swallowed: neither press nor release reaches the window under it.
        if (press) {
            done_ = true;
            SwallowRelease(id == WM_RBUTTONDOWN || id == WM_NCRBUTTONDOWN ? VK_RBUTTON : VK_LBUTTON);
        }
    }

    static void SwallowRelease(int button) {
        const UINT up = button == VK_RBUTTON ? WM_RBUTTONUP : WM_LBUTTONUP;
        const UINT ncUp = button == VK_RBUTTON ? WM_NCRBUTTONUP : WM_NCLBUTTONUP;
        MSG queued;
        if (Retrieve(&queued, MessageFilter{nullptr, up, up}, true)) return;
        if (Retrieve(&queued, MessageFilter{nullptr, ncUp, ncUp}, true)) return;
        if (Input().physical[static_cast<std::size_t>(button)]) Input().swallowRelease = button;
    }

    void onKey(const MSG& m) {
        const int key = static_cast<int>(m.wParam);
        if (m.message == WM_CHAR || m.message == WM_SYSCHAR) {
            onMnemonic(static_cast<char32_t>(m.wParam));
            return;
        }
        // F10 or a lone Alt again closes the menu, as they opened it.
        if ((m.message == WM_SYSKEYDOWN && key == VK_F10) ||
            (m.message == WM_SYSKEYUP && key == VK_MENU && Input().altAlone)) {
            done_ = true;
            return;
        }
        if (m.message != WM_KEYDOWN) return;
        if (levels_.empty()) {
            onBarKey(key);
            return;
        }
        const std::size_t depth = levels_.size();
        const HWND window = levels_.back().window;
        auto menu = FindMenu(levels_.back().menu);
        const int selected = PopupSelection(window);
        const MenuItem* current = menu && selected >= 0 && static_cast<std::size_t>(selected) < menu->items.size()
                                      ? &menu->items[static_cast<std::size_t>(selected)]
                                      : nullptr;
        switch (key) {
            case VK_ESCAPE:
                if (depth > 1) {
                    closeFrom(depth - 1);
                } else if (bar_ && !byMouse_) {
                    // Back to the bar with its item still selected; a menu the mouse opened closes altogether.
                    closeFrom(0);
                    dropped_ = false;
                } else {
                    done_ = true;
                }
                break;
            case VK_UP:
            case VK_DOWN:
                if (menu) SelectPopupItem(window, Step(*menu, selected, key == VK_DOWN ? 1 : -1));
                break;
            case VK_RIGHT:
                if (current && current->submenu) {
                    openSubmenu(depth - 1, selected);
                    if (levels_.size() > depth) selectFirstInLast();
                } else if (bar_) {
                    moveOnBar(1);
                }
                break;
            case VK_LEFT:
                if (depth > 1)
                    closeFrom(depth - 1);
                else if (bar_)
                    moveOnBar(-1);
                break;
            case VK_RETURN:
                choose(depth - 1, selected);
                break;
            default:
                break;
        }
    }

    // The bar is selected and no menu is dropped.
    void onBarKey(int key) {
        switch (key) {
            case VK_ESCAPE:
                done_ = true;
                break;
            case VK_LEFT:
            case VK_RIGHT:
                selectBar(BarStep(key == VK_RIGHT ? 1 : -1));
                break;
            case VK_UP:
            case VK_DOWN:
            case VK_RETURN:
                drop();
                break;
            default:
                break;
        }
    }

    // A letter chooses the item whose mnemonic it is: a command runs, a sub-menu opens with its first item selected.
    void onMnemonic(char32_t character) {
        if (levels_.empty()) {
            const int index = bar_ ? MnemonicItem(owner_, bar_, character, false) : -1;
            if (index < 0) return;
            if (index != barSelected_) selectBar(index);
            drop();
            return;
        }
        const int index = MnemonicItem(owner_, levels_.back().menu, character, true);
        if (index < 0) return;
        SelectPopupItem(levels_.back().window, index);
        choose(levels_.size() - 1, index);
    }

    void choose(std::size_t level, int index) {
        auto menu = FindMenu(levels_[level].menu);
        if (!menu || index < 0 || static_cast<std::size_t>(index) >= menu->items.size()) return;
        const MenuItem& item = menu->items[static_cast<std::size_t>(index)];
        if (item.submenu) {
            openSubmenu(level, index);
            if (levels_.size() > level + 1) selectFirstInLast();
        } else if (item.selectable()) {
            finish(item.id);
        }
    }

    // Drops the selected bar item's menu with its first item selected; a bar item without one is chosen.
    void drop() {
        if (barSelected_ < 0) return;
        dropped_ = true;
        const int index = std::exchange(barSelected_, -1);
        selectBar(index);
        if (levels_.empty())
            chooseBarItem(index);
        else
            selectFirstInLast();
    }

    void moveOnBar(int direction) {
        selectBar(BarStep(direction));
        selectFirstInLast();
    }

    void selectFirstInLast() {
        if (levels_.empty()) return;
        if (auto menu = FindMenu(levels_.back().menu)) SelectPopupItem(levels_.back().window, Step(*menu, -1, 1));
    }

    // The next item that is not a separator, wrapping around; -1 when there is none.
    static int Step(const MenuRecord& menu, int from, int direction) {
        const int n = static_cast<int>(menu.items.size());
        int i = from >= 0 ? from : (direction > 0 ? -1 : n);
        for (int tries = 0; tries < n; ++tries) {
            i = (i + direction + n) % n;
            if (!menu.items[static_cast<std::size_t>(i)].separator()) return i;
        }
        return -1;
    }

    int BarStep(int direction) const {
        const int n = GetMenuItemCount(bar_);
        return n > 0 ? (barSelected_ + direction + n) % n : -1;
    }

    HWND owner_;
    HMENU bar_;
    int barSelected_ = -1;
    bool dropped_ = true;
    bool byMouse_ = false;
    std::vector<Level> levels_;
    bool done_ = false;
    bool chose_ = false;
    UINT chosen_ = 0;
};

thread_local MenuTracker* runningTracker = nullptr;

// Runs one tracker at a time per thread, as the platform allows one open menu.
template <typename Run>
bool RunTracker(MenuTracker& tracker, Run run) {
    if (runningTracker) return false;
    runningTracker = &tracker;
    const bool chose = run();
    runningTracker = nullptr;
    return chose;
}

}  // namespace

void TrackMenuBar(HWND hwnd, POINT screen) {
    const int index = MenuBarItemAt(hwnd, screen);
    if (index >= 0) TrackMenuBarItem(hwnd, index, BarEntry::Dropped);
}

void TrackMenuBarItem(HWND hwnd, int index, BarEntry entry) {
    if (index < 0 || index >= GetMenuItemCount(GetMenu(hwnd))) return;
    MenuTracker tracker(hwnd, GetMenu(hwnd));
    UINT id = 0;
    if (RunTracker(tracker, [&] { return tracker.runBar(index, entry, &id); })) PostMessage(hwnd, WM_COMMAND, id, 0);
}

void TrackMenuBarKey(HWND hwnd, char32_t character) {
    const HWND top = GetAncestor(hwnd, GA_ROOT);
    const HMENU bar = GetMenu(top);
    if (GetMenuItemCount(bar) <= 0) return;
    if (!character) {
        TrackMenuBarItem(top, 0, BarEntry::Selected);
        return;
    }
    if (const int index = MnemonicItem(top, bar, character, false); index >= 0)
        TrackMenuBarItem(top, index, BarEntry::Mnemonic);
}

}  // namespace user::detail

namespace win {

using namespace user::detail;

BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int, HWND owner, const RECT*) {
    if (!IsMenu(menu) || !IsWindow(owner)) return FALSE;
    MenuTracker tracker(owner, nullptr);
    UINT id = 0;
    const bool chose = RunTracker(tracker, [&] { return tracker.runPopup(menu, POINT{x, y}, flags, &id); });
    if (flags & TPM_RETURNCMD) return chose ? static_cast<BOOL>(id) : 0;
    if (chose) PostMessage(owner, WM_COMMAND, id, 0);
    return chose ? TRUE : FALSE;
}

BOOL EndMenu() {
    if (!runningTracker) return FALSE;
    runningTracker->dismiss();
    return TRUE;
}

}  // namespace win
