#include "CdFaults.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <set>

namespace cdrom_test {

using platform::cdrom::CdOperation;

struct CdFaults::State {
    std::mutex mutex;
    std::condition_variable changed;
    std::set<CdOperation> failing;
    int readsSeen = 0;
    int failingRead = 0;
    bool gateClosed = false;
    int atGate = 0;
    int inside = 0;
    int mostInside = 0;

    bool allow(CdOperation operation) {
        std::unique_lock lock(mutex);
        if (operation != CdOperation::ReadAudio) return !failing.contains(operation);
        const int number = ++readsSeen;
        mostInside = std::max(mostInside, ++inside);
        ++atGate;
        changed.notify_all();
        changed.wait(lock, [this] { return !gateClosed; });
        --atGate;
        --inside;
        return !failing.contains(operation) && number != failingRead;
    }
};

CdFaults::CdFaults() : state_(std::make_shared<State>()) {
    platform::cdrom::SetOperationHook([state = state_](CdOperation operation) { return state->allow(operation); });
}

CdFaults::~CdFaults() {
    platform::cdrom::SetOperationHook({});
    openReadGate();
}

void CdFaults::fail(CdOperation operation) {
    std::lock_guard lock(state_->mutex);
    state_->failing.insert(operation);
}

void CdFaults::heal(CdOperation operation) {
    std::lock_guard lock(state_->mutex);
    state_->failing.erase(operation);
}

void CdFaults::failReadNumber(int n) {
    std::lock_guard lock(state_->mutex);
    state_->failingRead = state_->readsSeen + n;
}

void CdFaults::closeReadGate() {
    std::lock_guard lock(state_->mutex);
    state_->gateClosed = true;
}

void CdFaults::openReadGate() {
    {
        std::lock_guard lock(state_->mutex);
        state_->gateClosed = false;
    }
    state_->changed.notify_all();
}

bool CdFaults::waitForReadsAtGate(int count, std::chrono::milliseconds timeout) {
    std::unique_lock lock(state_->mutex);
    return state_->changed.wait_for(lock, timeout, [&] { return state_->atGate >= count; });
}

int CdFaults::readsAtGate() const {
    std::lock_guard lock(state_->mutex);
    return state_->atGate;
}

int CdFaults::mostReadsInside() const {
    std::lock_guard lock(state_->mutex);
    return state_->mostInside;
}

}  // namespace cdrom_test
