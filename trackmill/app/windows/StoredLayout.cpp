#include "trackmill/app/windows/StoredLayout.h"

namespace {

constexpr win::BYTE GB2312_CHARSET = 134;

}  // namespace

void SetDialogFont(framework::TFont& font) {
    font.SetName("宋体");
    font.SetHeight(-12);
    font.SetCharset(GB2312_CHARSET);
}
