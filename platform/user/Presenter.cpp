#include "platform/user/Presenter.h"

#include <utility>

namespace user {

namespace {
std::unique_ptr<Presenter>& current() {
    static std::unique_ptr<Presenter> presenter;
    return presenter;
}
}  // namespace

std::unique_ptr<Presenter> SetPresenter(std::unique_ptr<Presenter> presenter) {
    return std::exchange(current(), std::move(presenter));
}

Presenter* CurrentPresenter() { return current().get(); }

}  // namespace user
