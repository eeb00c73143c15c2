#pragma once
// Text rasterising through FreeType, with faces found by fontconfig. Callers hold lock() while they use fonts
// and glyphs; glyphs stay valid for the whole run.
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <tuple>
#include <vector>

#include "platform/gdi/Objects.h"

namespace gdi::detail {

struct Glyph {
    int advance = 0;
    int left = 0;  // bitmap position relative to the pen position on the baseline
    int top = 0;   // rows above the baseline
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> coverage;  // width * height, 0..255
};

class FaceAtSize;

// A LOGFONT made concrete: its face and, for characters the face lacks, fallback faces, all at one pixel
// size.
class ScaledFont {
  public:
    ScaledFont(std::vector<std::unique_ptr<FaceAtSize>> faces, bool underline, bool strikeOut);
    ~ScaledFont();

    int ascent() const;
    int descent() const;
    int height() const { return ascent() + descent(); }
    bool underline() const { return underline_; }
    bool strikeOut() const { return strikeOut_; }
    const Glyph& glyph(char32_t character);

  private:
    std::vector<std::unique_ptr<FaceAtSize>> faces_;
    std::map<char32_t, Glyph> glyphs_;
    bool underline_;
    bool strikeOut_;
};

class FontEngine {
  public:
    static FontEngine& instance();
    ~FontEngine();

    std::unique_lock<std::mutex> lock() { return std::unique_lock(mutex_); }
    // Needs lock().
    ScaledFont& font(const win::LOGFONT& logfont);

  private:
    FontEngine();
    std::unique_ptr<FaceAtSize> openFace(const std::string& family, int pixelHeight, bool bold, bool italic);

    using Key = std::tuple<std::string, int, bool, bool, bool, bool>;
    std::mutex mutex_;
    void* library_ = nullptr;  // FT_Library, kept out of this header
    std::map<Key, std::unique_ptr<ScaledFont>> fonts_;
};

}  // namespace gdi::detail
