#pragma once
// A font description that makes its GDI font on demand and tells its owner when it changes.
#include <functional>
#include <string>

#include "platform/framework/graphics/Colors.h"

namespace framework {

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = unsigned;

class TFont {
  public:
    TFont();
    ~TFont();
    TFont(const TFont&) = delete;
    TFont& operator=(const TFont&) = delete;

    void Assign(const TFont& source);

    const std::string& Name() const { return name_; }
    void SetName(const std::string& name);
    // Negative: character height in pixels.
    int Height() const { return height_; }
    void SetHeight(int height);
    // The screen's, which sizes in points are converted with.
    int PixelsPerInch() const;
    // Points at the screen's pixels per inch.
    int Size() const;
    void SetSize(int points);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    TFontStyles Style() const { return style_; }
    void SetStyle(TFontStyles style);
    win::BYTE Charset() const { return charset_; }
    void SetCharset(win::BYTE charset);

    win::HFONT Handle() const;

    std::function<void()> OnChange;

  private:
    void Changed();

    std::string name_ = "Tahoma";
    int height_ = -11;
    TColor color_ = clWindowText;
    TFontStyles style_ = 0;
    win::BYTE charset_ = 1;
    mutable win::HFONT handle_ = nullptr;
};

}  // namespace framework
