#pragma once
// Tabbed pages: a row of tabs along the top and one visible tab sheet below them.
#include <vector>

#include "platform/framework/controls/WinControl.h"

namespace framework {

class TPageControl;

class TTabSheet : public TWinControl {
  public:
    explicit TTabSheet(TComponent* owner);
    ~TTabSheet() override;

    TPageControl* PageControl() const { return pageControl_; }
    void SetPageControl(TPageControl* pageControl);
    bool TabVisible() const { return tabVisible_; }
    void SetTabVisible(bool visible);
    int PageIndex() const;

    TNotifyEvent OnShow;
    TNotifyEvent OnHide;

  protected:
    void WndProc(TMessage& message) override;

  private:
    TPageControl* pageControl_ = nullptr;
    bool tabVisible_ = true;
};

class TPageControl : public TWinControl {
  public:
    explicit TPageControl(TComponent* owner);
    ~TPageControl() override;

    int PageCount() const { return static_cast<int>(pages_.size()); }
    TTabSheet* Pages(int index) const { return pages_[static_cast<std::size_t>(index)]; }
    TTabSheet* ActivePage() const { return activePage_; }
    void SetActivePage(TTabSheet* page);
    int ActivePageIndex() const;
    void SetActivePageIndex(int index);
    win::RECT DisplayRect() const;
    win::RECT TabRect(int index) const;

    TNotifyEvent OnChange;

    // For tab sheets.
    void InsertPage(TTabSheet* page);
    void RemovePage(TTabSheet* page);
    void TabsChanged();

  protected:
    void WndProc(TMessage& message) override;
    void Paint() override;
    void Resize() override;
    bool FocusOnClick() const override { return true; }

  private:
    int TabHeight() const;

    std::vector<TTabSheet*> pages_;
    TTabSheet* activePage_ = nullptr;
};

}  // namespace framework
