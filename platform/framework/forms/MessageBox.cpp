#include "platform/framework/forms/MessageBox.h"

#include <memory>

#include "platform/framework/forms/MessageForm.h"

namespace framework {

namespace {

TMessageBoxResponder& Responder() {
    static TMessageBoxResponder responder;
    return responder;
}

}  // namespace

TMessageBoxResponder SetMessageBoxResponder(TMessageBoxResponder responder) {
    return std::exchange(Responder(), std::move(responder));
}

}  // namespace framework

namespace win {

int MessageBox(HWND, const char* text, const char* caption, UINT type) {
    using namespace framework;
    auto box = std::make_unique<TMessageForm>(text ? text : "", caption ? caption : "", type);
    if (Responder()) box->PostAnswer(Responder()(text ? text : "", caption ? caption : "", type));
    const TModalResult result = box->ShowModal();
    return result == mrNone ? IDCANCEL : result;
}

}  // namespace win
