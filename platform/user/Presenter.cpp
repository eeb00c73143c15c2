#include "platform/user/Presenter.h"

#include <atomic>
#include <utility>

namespace user {

namespace {

std::unique_ptr<Presenter>& owned() {
    static std::unique_ptr<Presenter> presenter;
    return presenter;
}

// Workers read it to wake the UI thread; the UI thread alone replaces it.
std::atomic<Presenter*> current{nullptr};

}  // namespace

std::unique_ptr<Presenter> SetPresenter(std::unique_ptr<Presenter> presenter) {
    current = presenter.get();
    return std::exchange(owned(), std::move(presenter));
}

Presenter* CurrentPresenter() { return current.load(); }

}  // namespace user
