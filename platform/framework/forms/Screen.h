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

    // Told of every form once it is built (after OnCreate) and when its destruction begins.
    void SetFormObservers(TFormObserver created, TFormObserver destroyed);

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
    TFormObserver created_;
    TFormObserver destroyed_;
};

// The screen of the running application; null while there is none.
extern TScreen* Screen;

}  // namespace framework
