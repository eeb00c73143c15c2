#pragma once
// What a menu item is to the flat look: an item of a window's menu bar or of a popup menu, and where its glyph
// comes from.
namespace framework {
class TImageList;
class TMenuItem;
}  // namespace framework

namespace components {

// A top-level item of a main menu.
bool IsBarItem(const framework::TMenuItem& item);
// The image list the item's glyph comes from when its image index is set: the parent's sub-menu images before the
// menu's images. Null when the item shows no list image.
framework::TImageList* GlyphImages(const framework::TMenuItem& item);

}  // namespace components
