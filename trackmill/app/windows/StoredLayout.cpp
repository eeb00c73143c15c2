#include "trackmill/app/windows/StoredLayout.h"

void SetDialogFont(framework::TFont& font) {
    font.SetName("宋体");
    font.SetHeight(-12);
    font.SetCharset(kGB2312Charset);
}
