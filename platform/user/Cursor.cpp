#include "platform/user/Cursor.h"

#include <atomic>
#include <cstdint>

#include "platform/user/Presenter.h"

namespace win {

namespace {

// A system cursor's handle is its resource number: stock, never freed.
std::atomic<HCURSOR> current{reinterpret_cast<HCURSOR>(const_cast<char*>(IDC_ARROW))};

}  // namespace

HCURSOR LoadCursor(void* instance, const char* name) {
    if (instance || (name != IDC_ARROW && name != IDC_SIZEWE)) return nullptr;
    return reinterpret_cast<HCURSOR>(const_cast<char*>(name));
}

HCURSOR SetCursor(HCURSOR cursor) {
    const HCURSOR previous = current.exchange(cursor);
    if (cursor != previous) {
        if (user::Presenter* presenter = user::CurrentPresenter()) presenter->cursorChanged(user::ShapeOf(cursor));
    }
    return previous;
}

HCURSOR GetCursor() { return current.load(); }

}  // namespace win

namespace user {

PointerShape ShapeOf(win::HCURSOR cursor) {
    return reinterpret_cast<const char*>(cursor) == win::IDC_SIZEWE ? PointerShape::SizeWestEast : PointerShape::Arrow;
}

}  // namespace user
