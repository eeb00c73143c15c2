#include "platform/framework/controls/SpinEdit.h"

#include <algorithm>
#include <charconv>

#include "platform/framework/controls/ControlMessages.h"
#include "platform/user/Messages.h"

namespace framework {

TSpinEdit::TSpinEdit(TComponent* owner) : TCustomEdit(owner), arrows_(new TUpDown(this)) {
    arrows_->SetParent(this);
    arrows_->OnClick = TUDClickEvent::Bind<&TSpinEdit::ArrowClicked>(this);
    SetText("0");
    PlaceArrows();
}

void TSpinEdit::SetBounds(int left, int top, int width, int height) {
    TCustomEdit::SetBounds(left, top, width, height);
    PlaceArrows();
}

void TSpinEdit::PlaceArrows() {
    if (!arrows_) return;
    const win::RECT client = ClientRect();
    arrows_->SetBounds(client.right - 15, 0, 15, client.bottom);
}

int TSpinEdit::Value() const {
    int value = 0;
    const std::string& text = Text();
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc()) value = minValue_;
    // Unbounded when both limits are equal, as the platform's spin edit is.
    return maxValue_ == minValue_ ? value : std::clamp(value, minValue_, maxValue_);
}

void TSpinEdit::SetValue(int value) {
    if (maxValue_ != minValue_) value = std::clamp(value, minValue_, maxValue_);
    SetText(std::to_string(value));
}

void TSpinEdit::SetMinValue(int value) {
    minValue_ = value;
    SetValue(Value());
}

void TSpinEdit::SetMaxValue(int value) {
    maxValue_ = value;
    SetValue(Value());
}

void TSpinEdit::ArrowClicked(TObject*, TUDBtnType button) {
    if (ReadOnly() || !Enabled()) return;
    SetValue(Value() + (button == TUDBtnType::Next ? increment_ : -increment_));
    SetModified(true);
}

void TSpinEdit::WndProc(TMessage& message) {
    TCustomEdit::WndProc(message);
    if (message.Msg == CM_ENABLEDCHANGED) arrows_->SetEnabled(Enabled());
    if (message.Msg == CM_CTL3DCHANGED) PlaceArrows();
}

void TSpinEdit::KeyDown(int& key, TShiftState shift) {
    if (key == win::VK_UP || key == win::VK_DOWN) {
        ArrowClicked(this, key == win::VK_UP ? TUDBtnType::Next : TUDBtnType::Prev);
        return;
    }
    if (!editorEnabled_ && (key == win::VK_BACK || key == win::VK_DELETE)) return;
    TCustomEdit::KeyDown(key, shift);
}

bool TSpinEdit::Accepts(char32_t key) const {
    return editorEnabled_ && ((key >= U'0' && key <= U'9') || (key == U'-' && minValue_ < 0));
}

}  // namespace framework
