#include "platform/framework/Sleep.h"

#include <chrono>
#include <thread>

namespace framework {

void Sleep(std::uint32_t milliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds)); }

}  // namespace framework
