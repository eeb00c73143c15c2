#pragma once
// What the windows' stored layouts share: the dialog font, placing a control with its name, parent, bounds and
// caption in the order the layout lists them.
#include "platform/framework/controls/Control.h"
#include "platform/framework/controls/WinControl.h"
#include "platform/framework/forms/Form.h"
#include "platform/framework/graphics/Font.h"

inline constexpr win::BYTE kGB2312Charset = 134;

// "宋体" at height -12 in the GB2312 character set.
void SetDialogFont(framework::TFont& font);

template <class Control>
Control* Place(framework::TComponent* owner, framework::TWinControl* parent, const char* name, int x, int y, int width,
               int height, const char* caption = nullptr) {
    auto* control = new Control(owner);
    control->SetName(name);
    control->SetParent(parent);
    control->SetBounds(x, y, width, height);
    if (caption) control->SetCaption(caption);
    return control;
}
