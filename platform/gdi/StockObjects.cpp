#include "platform/gdi/detail/StockObjects.h"

#include <cstring>
#include <map>

#include "platform/gdi/detail/DeviceContext.h"
#include "platform/gdi/detail/HandleTable.h"

namespace gdi::detail {
namespace {

template <class Object>
win::HGDIOBJ AddStock(ObjectKind kind, Object object) {
    return ToHandle<win::HGDIOBJ>(HandleTable::instance().add(kind, std::make_shared<Object>(object), true));
}

Font GuiFont() {
    Font font;
    font.logfont.lfHeight = -11;
    std::strcpy(font.logfont.lfFaceName, "Tahoma");
    return font;
}

const std::map<int, win::HGDIOBJ>& Stock() {
    static const std::map<int, win::HGDIOBJ> stock = {
        {win::WHITE_BRUSH, AddStock(ObjectKind::Brush, Brush{false, win::RGB(255, 255, 255)})},
        {win::LTGRAY_BRUSH, AddStock(ObjectKind::Brush, Brush{false, win::RGB(192, 192, 192)})},
        {win::GRAY_BRUSH, AddStock(ObjectKind::Brush, Brush{false, win::RGB(128, 128, 128)})},
        {win::DKGRAY_BRUSH, AddStock(ObjectKind::Brush, Brush{false, win::RGB(64, 64, 64)})},
        {win::BLACK_BRUSH, AddStock(ObjectKind::Brush, Brush{false, win::RGB(0, 0, 0)})},
        {win::NULL_BRUSH, AddStock(ObjectKind::Brush, Brush{true, 0})},
        {win::WHITE_PEN, AddStock(ObjectKind::Pen, Pen{win::PS_SOLID, 1, win::RGB(255, 255, 255)})},
        {win::BLACK_PEN, AddStock(ObjectKind::Pen, Pen{win::PS_SOLID, 1, win::RGB(0, 0, 0)})},
        {win::NULL_PEN, AddStock(ObjectKind::Pen, Pen{win::PS_NULL, 1, 0})},
        {win::SYSTEM_FONT, AddStock(ObjectKind::Font, GuiFont())},
        {win::DEFAULT_GUI_FONT, AddStock(ObjectKind::Font, GuiFont())},
    };
    return stock;
}

}  // namespace

win::HGDIOBJ StockObject(int index) {
    const auto& stock = Stock();
    const auto it = stock.find(index);
    return it == stock.end() ? nullptr : it->second;
}

win::HBITMAP StockBitmap() {
    static const win::HBITMAP bitmap =
        ToHandle<win::HBITMAP>(HandleTable::instance().add(ObjectKind::Bitmap, std::make_shared<Surface>(1, 1), true));
    return bitmap;
}

}  // namespace gdi::detail
