#pragma once
// A list view in report style: a header of columns, rows of items with sub-items, optional check boxes, single or
// multiple selection (Ctrl+click toggles, Shift+click extends), and the control's popup menu on a right click.
// More rows than fit scroll: a vertical scroll bar at the right (arrows, track, thumb to drag), the wheel (three
// rows a notch), and the arrow, Page and Home/End keys, which keep the focused row in view. A column's width is
// dragged at its divider in the header, where the pointer shows the sizing shape.
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "platform/framework/TStringList.h"
#include "platform/framework/controls/VerticalScrollBar.h"
#include "platform/framework/controls/WinControl.h"

namespace framework {

class TListView;

class TListColumn {
  public:
    explicit TListColumn(TListView* owner) : owner_(owner) {}
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    int Width() const { return width_; }
    void SetWidth(int width);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);

  private:
    TListView* owner_;
    std::string caption_;
    int width_ = 50;
    TAlignment alignment_ = taLeftJustify;
};

class TListItem {
  public:
    explicit TListItem(TListView* owner) : owner_(owner) {}
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    // Sub-item i shows in column i + 1.
    TStringList& SubItems() { return subItems_; }
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    bool Selected() const { return selected_; }
    void SetSelected(bool selected);
    int Index() const;
    void* Data() const { return data_; }
    void SetData(void* data) { data_ = data; }

  private:
    TListView* owner_;
    std::string caption_;
    TStringList subItems_;
    bool checked_ = false;
    bool selected_ = false;
    void* data_ = nullptr;
};

enum TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };

class TListView : public TWinControl {
  public:
    explicit TListView(TComponent* owner);
    ~TListView() override;

    // Column widths are scaled with the rest.
    void ChangeScale(int multiplier, int divisor) override;

    // Columns
    TListColumn* AddColumn();
    int ColumnCount() const { return static_cast<int>(columns_.size()); }
    TListColumn* Columns(int index) const { return columns_[static_cast<std::size_t>(index)].get(); }

    // Items
    TListItem* AddItem();
    void DeleteItem(int index);
    void ClearItems();
    int ItemCount() const { return static_cast<int>(items_.size()); }
    TListItem* Items(int index) const { return items_[static_cast<std::size_t>(index)].get(); }
    int SelCount() const;
    // The first selected item, or null.
    TListItem* Selected() const;
    TListItem* ItemFocused() const {
        return focusedIndex_ >= 0 && focusedIndex_ < ItemCount() ? Items(focusedIndex_) : nullptr;
    }

    TViewStyle ViewStyle() const { return viewStyle_; }
    void SetViewStyle(TViewStyle style) { viewStyle_ = style; }
    bool Checkboxes() const { return checkboxes_; }
    void SetCheckboxes(bool checkboxes);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }
    bool RowSelect() const { return rowSelect_; }
    void SetRowSelect(bool rowSelect);
    bool MultiSelect() const { return multiSelect_; }
    void SetMultiSelect(bool multiSelect) { multiSelect_ = multiSelect; }
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle style);

    int HeaderHeight() const;
    int RowHeight() const;
    // The item under a client point, -1 for none.
    int ItemAt(int x, int y) const;
    // The column whose divider (its right edge in the header) is under a client point, -1 for none.
    int DividerAt(int x, int y) const;
    // The first row shown.
    int TopIndex() const { return topIndex_; }
    void SetTopIndex(int index);
    // Rows that fit below the header.
    int VisibleRows() const;
    bool ScrollBarShown() const { return ItemCount() > VisibleRows(); }
    // The scroll bar as it stands, in client coordinates (zero width when not shown).
    VerticalScrollBar ScrollBar() const;

    // For items and columns.
    void Changed() { Invalidate(); }

  protected:
    void WndProc(TMessage& message) override;
    void CreateParams(TCreateParams& params) override;
    void Paint() override;
    void KeyDown(int& key, TShiftState shift) override;
    bool FocusOnClick() const override { return true; }
    // Paint covers the whole client area, rows and scroll bar.
    bool ErasesBackground() const override { return false; }

  private:
    void PressItem(int index, int x, TShiftState shift);
    void MoveFocus(int index);
    void ScrollIntoView(int index);
    int MaxTopIndex() const { return std::max(ItemCount() - VisibleRows(), 0); }
    // Where the rows end: the client's right edge, or the scroll bar's left one.
    int RowsRight() const;
    void PressScrollBar(int y);
    void PaintScrollBar(win::HDC dc);

    std::vector<std::unique_ptr<TListColumn>> columns_;
    std::vector<std::unique_ptr<TListItem>> items_;
    TViewStyle viewStyle_ = vsReport;
    bool checkboxes_ = false;
    bool readOnly_ = false;
    bool rowSelect_ = false;
    bool multiSelect_ = false;
    TBorderStyle borderStyle_ = bsSingle;
    int focusedIndex_ = -1;
    int anchorIndex_ = -1;
    int topIndex_ = 0;
    // The scroll bar part held down with the left button; with the thumb, where on it the pointer took it.
    VerticalScrollBar::Part pressedPart_ = VerticalScrollBar::Part::None;
    int thumbGrip_ = 0;
    // A wheel turn not yet worth a whole notch.
    int wheelRemainder_ = 0;
    // The column whose divider is being dragged, and how far right of its edge the pointer took it.
    int sizedColumn_ = -1;
    int sizingGrip_ = 0;
};

}  // namespace framework
