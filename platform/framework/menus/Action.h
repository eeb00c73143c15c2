#pragma once
// Actions: a command with its caption, shortcut, hint, enabled state and image, shared by the controls and menu
// items linked to it. OnUpdate runs when the application goes idle.
#include <string>
#include <vector>

#include "platform/framework/ControlTypes.h"
#include "platform/framework/ShortCut.h"
#include "platform/framework/TComponent.h"

namespace framework {

class TAction;
class TActionList;

// Which of an action's properties changed; a linked control takes over only that one, so a caption set on the
// control after linking survives the action's enabled state changing.
enum class TActionChange { All, Caption, ShortCut, Hint, Enabled, Checked, ImageIndex };

// The part of a control or menu item that links it to an action: registered with the action while linked, told
// of each change, which the client takes over in ActionChanged, and unlinked when the action goes. A client unlinks
// itself (SetAction(nullptr)) when it is destroyed.
class TActionClient {
  public:
    TAction* Action() const { return action_; }
    // Links to action (null: to none) and takes over all of its properties.
    void SetAction(TAction* action);

    virtual void ActionChanged(TActionChange change) = 0;
    void ActionDestroyed() { action_ = nullptr; }

  protected:
    ~TActionClient() = default;

  private:
    TAction* action_ = nullptr;
};

class TAction : public TComponent {
  public:
    explicit TAction(TComponent* owner);
    ~TAction() override;

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    TShortCut ShortCut() const { return shortCut_; }
    void SetShortCut(TShortCut shortCut);
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);

    TActionList* ActionList() const { return actionList_; }
    void SetActionList(TActionList* list);

    // Runs OnExecute; false when there is none or the action is disabled.
    bool Execute();
    // Runs OnUpdate; false when there is none.
    bool Update();

    void RegisterClient(TActionClient* client);
    void UnregisterClient(TActionClient* client);

    TNotifyEvent OnExecute;
    TNotifyEvent OnUpdate;

  private:
    void Changed(TActionChange change);

    std::string caption_;
    TShortCut shortCut_ = 0;
    std::string hint_;
    bool enabled_ = true;
    bool checked_ = false;
    int imageIndex_ = -1;
    TActionList* actionList_ = nullptr;
    std::vector<TActionClient*> clients_;
};

}  // namespace framework
