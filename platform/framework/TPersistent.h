#pragma once
// Base of objects that belong to the framework's object family but are not components.
#include "platform/framework/TObject.h"

namespace framework {

class TPersistent : public TObject {};

}  // namespace framework
