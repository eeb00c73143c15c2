#include "trackmill/app/windows/StoredLayout.h"

namespace {

constexpr win::BYTE GB2312_CHARSET = 134;

}  // namespace

void SetDialogFont(framework::TFont& font) {
    font.SetName("宋体");
    font.SetHeight(-12);
    font.SetCharset(GB2312_CHARSET);
}

void FinishLoading(framework::TCustomForm& form) {
    for (int i = 0; i < form.ComponentCount(); ++i) form.Components(i)->Loaded();
    form.Loaded();
}
