#include "platform/framework/controls/PageControl.h"

#include <algorithm>

#include "platform/framework/controls/ClassicPainter.h"
#include "platform/framework/controls/ControlMessages.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Shapes.h"
#include "platform/gdi/SysColors.h"
#include "platform/gdi/Text.h"
#include "platform/user/ClassicGeometry.h"
#include "platform/user/Messages.h"
#include "platform/user/Paint.h"

namespace framework {

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner) { SetVisible(false); }

TTabSheet::~TTabSheet() { SetPageControl(nullptr); }

void TTabSheet::SetPageControl(TPageControl* pageControl) {
    if (pageControl == pageControl_) return;
    if (pageControl_) pageControl_->RemovePage(this);
    pageControl_ = pageControl;
    if (pageControl_) {
        SetParent(pageControl_);
        pageControl_->InsertPage(this);
    }
}

void TTabSheet::WndProc(TMessage& message) {
    TWinControl::WndProc(message);
    // The caption is shown on the page control's tab.
    if (message.Msg == CM_TEXTCHANGED && pageControl_) pageControl_->TabsChanged();
}

void TTabSheet::SetTabVisible(bool visible) {
    tabVisible_ = visible;
    if (pageControl_) pageControl_->TabsChanged();
}

int TTabSheet::PageIndex() const {
    if (!pageControl_) return -1;
    for (int i = 0; i < pageControl_->PageCount(); ++i)
        if (pageControl_->Pages(i) == this) return i;
    return -1;
}

TPageControl::TPageControl(TComponent* owner) : TWinControl(owner) {
    SetTabStop(true);
    SetBounds(0, 0, 289, 193);
}

TPageControl::~TPageControl() {
    const auto pages = pages_;
    for (TTabSheet* page : pages) page->SetPageControl(nullptr);
}

int TPageControl::TabHeight() const {
    const user::classic::Geometry& g = user::classic::Current();
    return std::max(g.tabMinHeight, -Font().Height() + g.tabExtraHeight);
}

win::RECT TPageControl::DisplayRect() const {
    const win::RECT r = ClientRect();
    const int margin = user::classic::Current().tabPageMargin;
    return win::RECT{r.left + margin, r.top + TabHeight() + margin, r.right - margin, r.bottom - margin};
}

win::RECT TPageControl::TabRect(int index) const {
    const win::HDC dc = win::GetDC(nullptr);
    const win::HGDIOBJ old = win::SelectObject(dc, const_cast<TFont&>(Font()).Handle());
    int x = 2;
    win::RECT result{};
    for (int i = 0; i < PageCount(); ++i) {
        if (!Pages(i)->TabVisible()) continue;
        win::RECT measured{0, 0, 0, 0};
        win::DrawText(dc, Pages(i)->Caption().c_str(), -1, &measured, win::DT_SINGLELINE | win::DT_CALCRECT);
        const int width = measured.right + 2 * user::classic::Current().tabCaptionPadding;
        if (i == index) result = win::RECT{x, 2, x + width, 2 + TabHeight()};
        x += width;
    }
    win::SelectObject(dc, old);
    win::ReleaseDC(nullptr, dc);
    return result;
}

void TPageControl::InsertPage(TTabSheet* page) {
    pages_.push_back(page);
    page->SetBounds(DisplayRect().left, DisplayRect().top, DisplayRect().right - DisplayRect().left,
                    DisplayRect().bottom - DisplayRect().top);
    if (!activePage_) SetActivePage(page);
    Invalidate();
}

void TPageControl::RemovePage(TTabSheet* page) {
    std::erase(pages_, page);
    if (activePage_ == page) {
        activePage_ = nullptr;
        if (!pages_.empty()) SetActivePage(pages_.front());
    }
    Invalidate();
}

void TPageControl::TabsChanged() { Invalidate(); }

void TPageControl::Resize() {
    const win::RECT d = DisplayRect();
    for (TTabSheet* page : pages_) page->SetBounds(d.left, d.top, d.right - d.left, d.bottom - d.top);
}

int TPageControl::ActivePageIndex() const { return activePage_ ? activePage_->PageIndex() : -1; }

void TPageControl::SetActivePageIndex(int index) {
    if (index >= 0 && index < PageCount()) SetActivePage(Pages(index));
}

void TPageControl::SetActivePage(TTabSheet* page) {
    if (page == activePage_ || (page && page->PageControl() != this)) return;
    TTabSheet* previous = activePage_;
    activePage_ = page;
    if (previous) {
        previous->SetVisible(false);
        if (previous->OnHide) previous->OnHide(previous);
    }
    if (page) {
        page->SetVisible(true);
        if (page->OnShow) page->OnShow(page);
    }
    Invalidate();
}

void TPageControl::WndProc(TMessage& message) {
    if (message.Msg == win::WM_LBUTTONDOWN && Enabled()) {
        const win::POINT p{win::GET_X_LPARAM(message.LParam), win::GET_Y_LPARAM(message.LParam)};
        for (int i = 0; i < PageCount(); ++i) {
            const win::RECT r = TabRect(i);
            if (Pages(i)->TabVisible() && p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom &&
                Pages(i) != activePage_) {
                SetActivePage(Pages(i));
                if (OnChange) OnChange(this);
                break;
            }
        }
    }
    TWinControl::WndProc(message);
    // The tabs are as high as the font: the pages move with it.
    if (message.Msg == CM_FONTCHANGED) Resize();
}

void TPageControl::Paint() {
    const win::HDC dc = Canvas().Handle();
    const win::RECT client = ClientRect();
    gdi::FillSolid(dc, client, gdi::ResolveColor(Color()));
    classic::TabPageFrame(dc, win::RECT{client.left, client.top + TabHeight(), client.right, client.bottom});
    const win::HGDIOBJ old = win::SelectObject(dc, Font().Handle());
    win::SetBkMode(dc, win::TRANSPARENT);
    win::SetTextColor(dc, gdi::ResolveColor(Font().Color()));
    for (int i = 0; i < PageCount(); ++i) {
        if (!Pages(i)->TabVisible()) continue;
        const bool selected = Pages(i) == activePage_;
        win::RECT r = TabRect(i);
        if (selected) r = win::RECT{r.left - 2, r.top - 2, r.right + 2, r.bottom + 1};
        classic::Tab(dc, r, selected);
        win::RECT text = r;
        win::DrawText(dc, Pages(i)->Caption().c_str(), -1, &text,
                      win::DT_SINGLELINE | win::DT_VCENTER | win::DT_CENTER);
        if (selected && Focused()) classic::FocusRect(dc, win::RECT{r.left + 3, r.top + 3, r.right - 3, r.bottom - 2});
    }
    win::SelectObject(dc, old);
}

}  // namespace framework
