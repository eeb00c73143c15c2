#pragma once
// The one style manager of the program, alive while at least one flat look exists: it keeps the flat looks in the
// order they were loaded, chooses the one whose colours apply where a window has none of its own, and answers the
// popup frame requests that menu item painting posts to the application window.
#include <vector>

#include "platform/framework/Message.h"

namespace components {

class TFlatLook;

class TFlatLookManager {
  public:
    // Hooks the application window, when there is an application.
    TFlatLookManager();
    ~TFlatLookManager();
    TFlatLookManager(const TFlatLookManager&) = delete;
    TFlatLookManager& operator=(const TFlatLookManager&) = delete;

    const std::vector<TFlatLook*>& Menus() const { return menus_; }
    TFlatLook* ActiveMenu() const { return activeMenu_; }

    // A flat look whose stored properties have been read.
    void AddMenu(TFlatLook* menu);
    // A flat look being destroyed.
    void RemoveMenu(TFlatLook* menu);
    // Chooses another active menu when leaving goes away or stops qualifying (none: look for a first one).
    void ReplaceActiveMenu(TFlatLook* leaving);
    // The first listed menu that is Active, does not disable subclassing and is not excluded.
    TFlatLook* FindOtherMenu(TFlatLook* excluded) const;

  private:
    // Sees every message of the application window and never consumes one.
    bool MainWindowHook(framework::TMessage& message);

    std::vector<TFlatLook*> menus_;
    TFlatLook* activeMenu_ = nullptr;
    bool hooked_ = false;
};

// The manager while one exists, else null.
TFlatLookManager* FlatLookManager();
// Creates the manager if there is none / frees it.
void AcquireFlatLookManager();
void ReleaseFlatLookManager();

}  // namespace components
