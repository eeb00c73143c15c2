#include "platform/user/Clipboard.h"

#include <mutex>

#include "platform/user/Presenter.h"

namespace user {

namespace {

// Without a presenter the text stays in the window layer.
struct KeptText {
    std::mutex mutex;
    std::string text;
};

KeptText& Kept() {
    static KeptText kept;
    return kept;
}

}  // namespace

std::string ClipboardText() {
    if (Presenter* presenter = CurrentPresenter()) return presenter->clipboardText();
    std::lock_guard lock(Kept().mutex);
    return Kept().text;
}

void SetClipboardText(const std::string& text) {
    if (Presenter* presenter = CurrentPresenter()) return presenter->setClipboardText(text);
    std::lock_guard lock(Kept().mutex);
    Kept().text = text;
}

}  // namespace user
