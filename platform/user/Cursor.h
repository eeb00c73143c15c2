#pragma once
// The pointer's shape. A window sets it in answer to WM_SETCURSOR, which comes before each mouse move that is not
// captured; left alone, DefWindowProc asks the parent first and then shows the arrow. The presenter shows the shape.
#include "platform/user/Types.h"

namespace win {

struct HCURSOR__;
using HCURSOR = HCURSOR__*;

// The shapes by their resource numbers, as MAKEINTRESOURCE gives them.
inline const char* const IDC_ARROW = reinterpret_cast<const char*>(32512);
inline const char* const IDC_SIZEWE = reinterpret_cast<const char*>(32644);

// The system's cursors only (instance null); null for a name it does not know.
HCURSOR LoadCursor(void* instance, const char* name);
// Returns the previous cursor.
HCURSOR SetCursor(HCURSOR cursor);
HCURSOR GetCursor();

}  // namespace win

namespace user {

enum class PointerShape { Arrow, SizeWestEast };

PointerShape ShapeOf(win::HCURSOR cursor);

}  // namespace user
