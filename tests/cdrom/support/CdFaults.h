#pragma once
// Faults in the CD layer for the life of the object: failing operations, a read that fails at a chosen count, and
// a gate that holds reads until the test lets them through.
#include "platform/cdrom/TestHooks.h"

#include <chrono>
#include <memory>

namespace cdrom_test {

class CdFaults {
  public:
    CdFaults();
    ~CdFaults();
    CdFaults(const CdFaults&) = delete;
    CdFaults& operator=(const CdFaults&) = delete;

    // Every call of this kind fails until healed.
    void fail(platform::cdrom::CdOperation operation);
    void heal(platform::cdrom::CdOperation operation);
    // The n-th audio read from now (1-based) fails; the others go through.
    void failReadNumber(int n);

    // While closed, audio reads wait inside the library until it opens again.
    void closeReadGate();
    void openReadGate();
    // True once count reads are waiting at the closed gate.
    bool waitForReadsAtGate(int count, std::chrono::milliseconds timeout);
    int readsAtGate() const;
    // The most reads that were inside the library at one time.
    int mostReadsInside() const;

  private:
    struct State;

    // Shared with the installed hook, so a call still inside it outlives this object safely.
    std::shared_ptr<State> state_;
};

}  // namespace cdrom_test
