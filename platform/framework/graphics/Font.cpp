#include "platform/framework/graphics/Font.h"

#include <cstring>

#include "platform/gdi/DC.h"
#include "platform/gdi/Objects.h"
#include "platform/user/Paint.h"

namespace framework {

TFont::TFont() = default;

TFont::~TFont() {
    if (handle_) win::DeleteObject(handle_);
}

void TFont::Assign(const TFont& source) {
    if (&source == this) return;
    name_ = source.name_;
    height_ = source.height_;
    color_ = source.color_;
    style_ = source.style_;
    charset_ = source.charset_;
    Changed();
}

void TFont::SetName(const std::string& name) {
    if (name == name_) return;
    name_ = name;
    Changed();
}

void TFont::SetHeight(int height) {
    if (height == height_) return;
    height_ = height;
    Changed();
}

int TFont::PixelsPerInch() const {
    const win::HDC dc = win::GetDC(nullptr);
    const int dpi = win::GetDeviceCaps(dc, win::LOGPIXELSY);
    win::ReleaseDC(nullptr, dc);
    // Never 0: sizes are divided by it.
    return dpi > 0 ? dpi : 96;
}

int TFont::Size() const {
    const int dpi = PixelsPerInch();
    return (-height_ * 72 + dpi / 2) / dpi;
}

void TFont::SetSize(int points) { SetHeight(-((points * PixelsPerInch() + 36) / 72)); }

void TFont::SetColor(TColor color) {
    if (color == color_) return;
    color_ = color;
    // The colour is not part of the GDI font.
    if (OnChange) OnChange();
}

void TFont::SetStyle(TFontStyles style) {
    if (style == style_) return;
    style_ = style;
    Changed();
}

void TFont::SetCharset(win::BYTE charset) {
    if (charset == charset_) return;
    charset_ = charset;
    Changed();
}

win::HFONT TFont::Handle() const {
    if (!handle_) {
        win::LOGFONT lf;
        lf.lfHeight = height_;
        lf.lfWeight = (style_ & fsBold) ? win::FW_BOLD : win::FW_NORMAL;
        lf.lfItalic = (style_ & fsItalic) ? 1 : 0;
        lf.lfUnderline = (style_ & fsUnderline) ? 1 : 0;
        lf.lfStrikeOut = (style_ & fsStrikeOut) ? 1 : 0;
        lf.lfCharSet = charset_;
        std::strncpy(lf.lfFaceName, name_.c_str(), win::LF_FACESIZE - 1);
        handle_ = win::CreateFontIndirect(&lf);
    }
    return handle_;
}

void TFont::Changed() {
    if (handle_) {
        win::DeleteObject(handle_);
        handle_ = nullptr;
    }
    if (OnChange) OnChange();
}

}  // namespace framework
