#pragma once
// The program's forms in creation order, the active form, and the screen's fonts and size.
#include <functional>
#include <vector>

#include "platform/framework/TComponent.h"
#include "platform/framework/graphics/Font.h"

namespace framework {

class TCustomForm;

using TFormObserver = std::function<void(TCustomForm* form)>;

class TScreen : public TComponent {
  public:
    explicit TScreen(TComponent* owner);
    ~TScreen() override;

    int FormCount() const { return static_cast<int>(forms_.size()); }
    TCustomForm* Forms(int index) const { return forms_[static_cast<std::size_t>(index)]; }
    TCustomForm* ActiveForm() const { return activeForm_; }

    TFont& MenuFont() { return menuFont_; }
    int PixelsPerInch() const;
    int Width() const;
    int Height() const;

    // Both are told of every form: created once it is built (after OnCreate), destroyed when its destruction
    // begins, in the order the observers were added. An observer may remove observers while it is told; those are
    // not told any more. Returns the id that removes the pair.
    int AddFormObservers(TFormObserver created, TFormObserver destroyed);
    void RemoveFormObservers(int id);

    // For forms.
    void AddForm(TCustomForm* form);
    void RemoveForm(TCustomForm* form);
    void FormCreated(TCustomForm* form);
    // The program's active form became form: OnDeactivate and OnActivate run when it changed.
    void SetActiveForm(TCustomForm* form);

  private:
    std::vector<TCustomForm*> forms_;
    TCustomForm* activeForm_ = nullptr;
    TFont menuFont_;
    struct FormObservers {
        int id;
        TFormObserver created;
        TFormObserver destroyed;
    };
    void Tell(TFormObserver FormObservers::*which, TCustomForm* form);

    std::vector<FormObservers> observers_;
    int lastObserverId_ = 0;
};

// The screen of the running application; null while there is none.
extern TScreen* Screen;

}  // namespace framework
