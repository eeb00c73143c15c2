#include "platform/media/AudioBackend.h"

#include <mutex>

#include "platform/media/SdlAudioBackend.h"

namespace platform::media {

namespace {

std::mutex backendMutex;
std::shared_ptr<AudioBackend> backend;

}  // namespace

std::shared_ptr<AudioBackend> CurrentAudioBackend() {
    std::lock_guard lock(backendMutex);
    if (!backend) backend = std::make_shared<SdlAudioBackend>();
    return backend;
}

void SetAudioBackend(std::shared_ptr<AudioBackend> replacement) {
    std::lock_guard lock(backendMutex);
    backend = std::move(replacement);
}

}  // namespace platform::media
