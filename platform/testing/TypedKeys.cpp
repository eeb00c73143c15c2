#include "platform/testing/TypedKeys.h"

#include "platform/framework/TTimer.h"
#include "platform/testing/InputInjection.h"

namespace testdriver {

TypedKeys::TypedKeys(std::vector<int> keys) : keys_(std::move(keys)), timer_(new framework::TTimer(nullptr)) {
    timer_->SetInterval(20);
    timer_->SetOnTimer(framework::TNotifyEvent::Bind<&TypedKeys::TypeNext>(this));
}

TypedKeys::~TypedKeys() = default;

void TypedKeys::TypeNext(framework::TObject*) {
    if (next_ >= keys_.size()) {
        timer_->SetEnabled(false);
        return;
    }
    PressKey(keys_[next_]);
    ReleaseKey(keys_[next_]);
    ++next_;
}

}  // namespace testdriver
