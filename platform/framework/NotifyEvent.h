#pragma once
// The plain event of the framework: the object that raised it is its only argument.
#include "platform/framework/TMethod.h"

namespace framework {

class TObject;
using TNotifyEvent = TMethod<void(TObject* sender)>;

}  // namespace framework
