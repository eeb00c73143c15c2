#pragma once
// A combo box: editable (csDropDown), list-only (csDropDownList) or simple. Setting ItemIndex or the items in code
// raises nothing; a pick from the list, an arrow key or typing raises OnChange.
#include <memory>

#include "platform/framework/TStringList.h"
#include "platform/framework/controls/LineEditor.h"
#include "platform/framework/controls/WinControl.h"

namespace framework {

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList };

class TComboList;

class TComboBox : public TWinControl {
  public:
    explicit TComboBox(TComponent* owner);
    ~TComboBox() override;

    TComboBoxStyle Style() const { return style_; }
    void SetStyle(TComboBoxStyle style);
    TStringList& Items() { return items_; }
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);
    bool DroppedDown() const { return list_ != nullptr; }
    // The open drop-down list; null while it is closed.
    TComboList* DroppedList() const { return list_.get(); }
    void SetDroppedDown(bool dropped);
    int DropDownCount() const { return dropDownCount_; }
    void SetDropDownCount(int count) { dropDownCount_ = count; }
    // An editable combo's text takes what is typed.
    bool WantsCharacters() const override { return style_ != csDropDownList; }

    TNotifyEvent OnChange;

    // For the drop-down list: the user picked an item.
    void ListPicked(int index);
    // The button at the right, in client coordinates.
    win::RECT ButtonRect() const;

  protected:
    void WndProc(TMessage& message) override;
    void CreateParams(TCreateParams& params) override;
    void Paint() override;
    void KeyDown(int& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    bool FocusOnClick() const override { return true; }

  private:
    void SelectByUser(int index);
    void Edited();
    // The keys that move the highlight of an open list.
    static bool MovesInList(int key);
    void MoveInList(int key);

    TComboBoxStyle style_ = csDropDown;
    TStringList items_;
    int itemIndex_ = -1;
    int dropDownCount_ = 8;
    LineEditor editor_;
    std::unique_ptr<TComboList> list_;
    bool syncing_ = false;
};

}  // namespace framework
