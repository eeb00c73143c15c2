#include "trackmill/components/MenuItemKind.h"

#include "platform/framework/menus/Menu.h"
#include "platform/framework/menus/MenuItem.h"

namespace components {

bool IsBarItem(const framework::TMenuItem& item) {
    const framework::TMenuItem* parent = item.Parent();
    const framework::TMenu* menu = item.GetParentMenu();
    return parent && !parent->Parent() && menu && menu->IsBar();
}

framework::TImageList* GlyphImages(const framework::TMenuItem& item) {
    if (item.ImageIndex() == -1) return nullptr;
    if (const framework::TMenuItem* parent = item.Parent(); parent && parent->SubMenuImages())
        return parent->SubMenuImages();
    const framework::TMenu* menu = item.GetParentMenu();
    return menu ? menu->Images() : nullptr;
}

}  // namespace components
