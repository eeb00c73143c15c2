#include "platform/gdi/LiveObjects.h"

#include "platform/gdi/detail/HandleTable.h"

namespace gdi {

LiveObjects CountLiveObjects() { return detail::HandleTable::instance().count(); }

}  // namespace gdi
