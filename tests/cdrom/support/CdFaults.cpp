#include "CdFaults.h"

#include <algorithm>

namespace cdrom_test {

using platform::cdrom::CdOperation;

CdFaults::CdFaults() {
    platform::cdrom::SetOperationHook([this](CdOperation operation) { return allow(operation); });
}

CdFaults::~CdFaults() {
    openReadGate();
    platform::cdrom::SetOperationHook({});
}

void CdFaults::fail(CdOperation operation) {
    std::lock_guard lock(mutex_);
    failing_.insert(operation);
}

void CdFaults::heal(CdOperation operation) {
    std::lock_guard lock(mutex_);
    failing_.erase(operation);
}

void CdFaults::failReadNumber(int n) {
    std::lock_guard lock(mutex_);
    failingRead_ = readsSeen_ + n;
}

void CdFaults::closeReadGate() {
    std::lock_guard lock(mutex_);
    gateClosed_ = true;
}

void CdFaults::openReadGate() {
    {
        std::lock_guard lock(mutex_);
        gateClosed_ = false;
    }
    changed_.notify_all();
}

bool CdFaults::waitForReadsAtGate(int count, std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, timeout, [&] { return atGate_ >= count; });
}

int CdFaults::readsAtGate() const {
    std::lock_guard lock(mutex_);
    return atGate_;
}

int CdFaults::mostReadsInside() const {
    std::lock_guard lock(mutex_);
    return mostInside_;
}

bool CdFaults::allow(CdOperation operation) {
    std::unique_lock lock(mutex_);
    if (operation != CdOperation::ReadAudio)
        return !failing_.contains(operation);
    const int number = ++readsSeen_;
    mostInside_ = std::max(mostInside_, ++inside_);
    ++atGate_;
    changed_.notify_all();
    changed_.wait(lock, [this] { return !gateClosed_; });
    --atGate_;
    --inside_;
    return !failing_.contains(operation) && number != failingRead_;
}

}  // namespace cdrom_test
