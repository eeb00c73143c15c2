#pragma once
// The gallery's modal dialog: options in a group box, OK and Cancel.
#include "platform/framework/forms/Form.h"

class GalleryDialog : public framework::TForm {
  public:
    explicit GalleryDialog(framework::TComponent* owner);
};
