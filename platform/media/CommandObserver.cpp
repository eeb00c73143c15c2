#include "platform/media/CommandObserver.h"

#include <mutex>

#include "platform/media/detail/CommandText.h"

namespace platform::media {

namespace {

std::mutex observerMutex;
CommandObserver observer;

}  // namespace

CommandObserver SetCommandObserver(CommandObserver replacement) {
    std::lock_guard lock(observerMutex);
    std::swap(observer, replacement);
    return replacement;
}

namespace detail {

void TellCommand(win::UINT message, win::DWORD_PTR flags, win::DWORD_PTR parms) {
    CommandObserver current;
    {
        std::lock_guard lock(observerMutex);
        current = observer;
    }
    if (current) current(CommandText(message, flags, parms));
}

}  // namespace detail

}  // namespace platform::media
