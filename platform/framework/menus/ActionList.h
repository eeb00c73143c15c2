#pragma once
// A list of actions on a form, with the image list their images come from.
#include <vector>

#include "platform/framework/ShortCut.h"
#include "platform/framework/TComponent.h"

namespace framework {

class TAction;
class TImageList;

class TActionList : public TComponent {
  public:
    explicit TActionList(TComponent* owner);
    ~TActionList() override;

    int ActionCount() const { return static_cast<int>(actions_.size()); }
    TAction* Actions(int index) const { return actions_[static_cast<std::size_t>(index)]; }

    TImageList* Images() const { return images_; }
    void SetImages(TImageList* images);

    // Runs every action's OnUpdate.
    void UpdateActions();
    // Executes the enabled action with this shortcut (after updating it); whether one did.
    bool IsShortCut(TShortCut shortCut);

    void Notification(TComponent* component, TOperation operation) override;

  private:
    friend class TAction;
    void Add(TAction* action);
    void Remove(TAction* action);

    std::vector<TAction*> actions_;
    TImageList* images_ = nullptr;
};

}  // namespace framework
