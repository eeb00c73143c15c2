#pragma once
// The one style manager of the program, alive while at least one flat look exists: it keeps the flat looks in the
// order they were loaded, chooses the one whose walk and colours style every form that has no flat look of its own
// (forms are collected as the screen builds them and restyled at the next message of the application window,
// before they are first painted), hands restyled controls over when that look goes, and answers the popup frame
// requests that menu item painting posts to the application window.
#include <memory>
#include <vector>

#include "platform/framework/Message.h"

namespace framework {
class TCustomForm;
}

namespace components {

class TFlatLook;
class TRestyledForms;

class TFlatLookManager {
  public:
    // Hooks the application window, when there is an application, and listens to the screen's forms.
    TFlatLookManager();
    ~TFlatLookManager();
    TFlatLookManager(const TFlatLookManager&) = delete;
    TFlatLookManager& operator=(const TFlatLookManager&) = delete;

    const std::vector<TFlatLook*>& Menus() const { return menus_; }
    TFlatLook* ActiveMenu() const { return activeMenu_; }
    const TRestyledForms& Forms() const { return *forms_; }

    // A flat look whose stored properties have been read.
    void AddMenu(TFlatLook* menu);
    // A flat look being destroyed.
    void RemoveMenu(TFlatLook* menu);
    // Chooses another active menu when leaving goes away or stops qualifying (none: look for a first one). The
    // restylers of controls outside leaving's form move to the successor; without one every styled form is
    // restored.
    void ReplaceActiveMenu(TFlatLook* leaving);
    // The first listed menu that is Active, does not disable subclassing and is not excluded.
    TFlatLook* FindOtherMenu(TFlatLook* excluded) const;
    // Every form of the screen that is not styled yet, has no Tag 999 and owns no flat look waits for restyling.
    void CollectUnstyledForms();
    // Gives the controls of form restyled by the active menu their procedures, 3-D looks and borders back.
    void RestoreForm(framework::TCustomForm* form);

  private:
    // Sees every message of the application window and never consumes one.
    bool MainWindowHook(framework::TMessage& message);
    void FormCreated(framework::TCustomForm* form);
    void RestylePendingForms();

    std::vector<TFlatLook*> menus_;
    std::unique_ptr<TRestyledForms> forms_;
    TFlatLook* activeMenu_ = nullptr;
    bool hooked_ = false;
};

// The manager while one exists, else null.
TFlatLookManager* FlatLookManager();
// Creates the manager if there is none / frees it.
void AcquireFlatLookManager();
void ReleaseFlatLookManager();

}  // namespace components
