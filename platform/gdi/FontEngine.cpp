#include "platform/gdi/detail/FontEngine.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SYNTHESIS_H

#include <algorithm>
#include <cmath>
#include <cstring>
#include <stdexcept>

namespace gdi::detail {
namespace {

constexpr int kDefaultPixelHeight = 12;
const char* const kCjkFamily = "WenQuanYi Zen Hei";
const char* const kSansFamily = "DejaVu Sans";

// The application's face names and the installed faces that stand in for them.
std::string InstalledFamily(const std::string& face) {
    static const char* const cjk[] = {"宋体", "SimSun", "新宋体", "NSimSun"};
    static const char* const sans[] = {"Tahoma", "MS Sans Serif", "MS Shell Dlg", "MS Shell Dlg 2", ""};
    for (const char* name : cjk) {
        if (face == name) {
            return kCjkFamily;
        }
    }
    for (const char* name : sans) {
        if (face == name) {
            return kSansFamily;
        }
    }
    return face;
}

struct FaceFile {
    std::string path;
    int index = 0;
    bool needsBold = false;
    bool needsSlant = false;
};

FaceFile MatchFace(const std::string& family, bool bold, bool italic) {
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    FaceFile file;
    if (!match) {
        return file;
    }
    FcChar8* path = nullptr;
    int weight = FC_WEIGHT_REGULAR;
    int slant = FC_SLANT_ROMAN;
    if (FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch) {
        file.path = reinterpret_cast<const char*>(path);
    }
    FcPatternGetInteger(match, FC_INDEX, 0, &file.index);
    FcPatternGetInteger(match, FC_WEIGHT, 0, &weight);
    FcPatternGetInteger(match, FC_SLANT, 0, &slant);
    FcPatternDestroy(match);
    file.needsBold = bold && weight < FC_WEIGHT_DEMIBOLD;
    file.needsSlant = italic && slant == FC_SLANT_ROMAN;
    return file;
}

int CeilPixels(FT_Pos value) { return int((value + 63) >> 6); }

}  // namespace

// One FreeType face at one pixel size, with the synthetic styles the installed file lacks.
class FaceAtSize {
  public:
    FaceAtSize(FT_Face face, bool emboldened, bool slanted) : face_(face), emboldened_(emboldened), slanted_(slanted) {}
    ~FaceAtSize() { FT_Done_Face(face_); }
    FaceAtSize(const FaceAtSize&) = delete;
    FaceAtSize& operator=(const FaceAtSize&) = delete;

    int ascent() const { return CeilPixels(face_->size->metrics.ascender); }
    int descent() const { return CeilPixels(-face_->size->metrics.descender); }
    bool has(char32_t character) const { return FT_Get_Char_Index(face_, character) != 0; }

    Glyph render(char32_t character) const {
        Glyph glyph;
        const FT_UInt index = FT_Get_Char_Index(face_, character);
        if (FT_Load_Glyph(face_, index, FT_LOAD_DEFAULT) != 0) {
            return glyph;
        }
        FT_GlyphSlot slot = face_->glyph;
        if (slanted_) {
            FT_GlyphSlot_Oblique(slot);
        }
        if (emboldened_) {
            FT_GlyphSlot_Embolden(slot);
        }
        if (slot->format != FT_GLYPH_FORMAT_BITMAP && FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) {
            return glyph;
        }
        glyph.advance = int((slot->advance.x + 32) >> 6);
        const FT_Bitmap& bitmap = slot->bitmap;
        if (bitmap.pitch < 0 || (bitmap.pixel_mode != FT_PIXEL_MODE_GRAY && bitmap.pixel_mode != FT_PIXEL_MODE_MONO)) {
            return glyph;
        }
        glyph.left = slot->bitmap_left;
        glyph.top = slot->bitmap_top;
        glyph.width = int(bitmap.width);
        glyph.height = int(bitmap.rows);
        glyph.coverage.resize(std::size_t(glyph.width) * std::size_t(glyph.height));
        for (int y = 0; y < glyph.height; ++y) {
            const unsigned char* row = bitmap.buffer + std::ptrdiff_t(y) * bitmap.pitch;
            for (int x = 0; x < glyph.width; ++x) {
                const bool mono = bitmap.pixel_mode == FT_PIXEL_MODE_MONO;
                const std::uint8_t value = mono ? ((row[x >> 3] & (0x80 >> (x & 7))) ? 255 : 0) : row[x];
                glyph.coverage[std::size_t(y) * std::size_t(glyph.width) + std::size_t(x)] = value;
            }
        }
        return glyph;
    }

  private:
    FT_Face face_;
    bool emboldened_;
    bool slanted_;
};

ScaledFont::ScaledFont(std::vector<std::unique_ptr<FaceAtSize>> faces, bool underline, bool strikeOut)
    : faces_(std::move(faces)), underline_(underline), strikeOut_(strikeOut) {}

ScaledFont::~ScaledFont() = default;

int ScaledFont::ascent() const { return faces_.front()->ascent(); }
int ScaledFont::descent() const { return faces_.front()->descent(); }

const Glyph& ScaledFont::glyph(char32_t character) {
    const auto cached = glyphs_.find(character);
    if (cached != glyphs_.end()) {
        return cached->second;
    }
    const FaceAtSize* source = faces_.front().get();
    for (const auto& face : faces_) {
        if (face->has(character)) {
            source = face.get();
            break;
        }
    }
    return glyphs_.emplace(character, source->render(character)).first->second;
}

FontEngine& FontEngine::instance() {
    static FontEngine engine;
    return engine;
}

FontEngine::FontEngine() {
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0) {
        throw std::runtime_error("FreeType could not be initialised");
    }
    library_ = library;
}

FontEngine::~FontEngine() {
    fonts_.clear();
    FT_Done_FreeType(static_cast<FT_Library>(library_));
    FcFini();  // fontconfig's caches would otherwise outlive the program's last font
}

std::unique_ptr<FaceAtSize> FontEngine::openFace(const std::string& family, int pixelHeight, bool bold, bool italic) {
    const FaceFile file = MatchFace(family, bold, italic);
    FT_Face face = nullptr;
    if (file.path.empty() ||
        FT_New_Face(static_cast<FT_Library>(library_), file.path.c_str(), file.index, &face) != 0) {
        return nullptr;
    }
    int emPixels = pixelHeight;
    if (pixelHeight > 0 && FT_IS_SCALABLE(face) && face->ascender - face->descender > 0) {
        // A positive height is the cell height: ascent plus descent.
        emPixels = int(std::lround(double(pixelHeight) * face->units_per_EM / (face->ascender - face->descender)));
    } else if (pixelHeight < 0) {
        emPixels = -pixelHeight;
    }
    if (FT_Set_Pixel_Sizes(face, 0, FT_UInt(std::max(emPixels, 1))) != 0) {
        FT_Done_Face(face);
        return nullptr;
    }
    return std::make_unique<FaceAtSize>(face, file.needsBold, file.needsSlant);
}

ScaledFont& FontEngine::font(const win::LOGFONT& logfont) {
    const std::string face(logfont.lfFaceName, strnlen(logfont.lfFaceName, win::LF_FACESIZE));
    const int height = logfont.lfHeight == 0 ? -kDefaultPixelHeight : logfont.lfHeight;
    const bool bold = logfont.lfWeight >= 600;
    const bool italic = logfont.lfItalic != 0;
    const Key key{face, height, bold, italic, logfont.lfUnderline != 0, logfont.lfStrikeOut != 0};
    auto& slot = fonts_[key];
    if (!slot) {
        std::vector<std::unique_ptr<FaceAtSize>> faces;
        std::vector<std::string> families = {InstalledFamily(face)};
        for (const char* fallback : {kCjkFamily, kSansFamily}) {
            if (families.front() != fallback) {
                families.push_back(fallback);
            }
        }
        for (const std::string& family : families) {
            if (auto opened = openFace(family, height, bold, italic)) {
                faces.push_back(std::move(opened));
            }
        }
        if (faces.empty()) {
            throw std::runtime_error("no font face is installed for \"" + face + "\"");
        }
        slot = std::make_unique<ScaledFont>(std::move(faces), logfont.lfUnderline != 0, logfont.lfStrikeOut != 0);
    }
    return *slot;
}

}  // namespace gdi::detail
