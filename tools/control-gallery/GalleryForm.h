#pragma once
// The gallery's main window: a menu, a tool bar, every kind of standard control and a status bar.
#include "platform/framework/forms/Form.h"

namespace framework {
class TImageList;
}

class GalleryForm : public framework::TForm {
  public:
    explicit GalleryForm(framework::TComponent* owner);

  private:
    void ShowDialog(framework::TObject* sender);
    void Quit(framework::TObject* sender);

    framework::TImageList* images_;
};
