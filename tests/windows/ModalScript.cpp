#include "ModalScript.h"

#include <gtest/gtest.h>

#include "platform/framework/TTimer.h"

ModalScript::ModalScript() : timer_(std::make_unique<framework::TTimer>(nullptr)) {
    timer_->SetEnabled(false);
    timer_->SetInterval(5);
    timer_->SetOnTimer(framework::TNotifyEvent::Bind<&ModalScript::Look>(this));
}

ModalScript::~ModalScript() {
    for (const auto& [kind, answer] : answers_) ADD_FAILURE() << "no modal form of kind " << kind << " came";
}

void ModalScript::Add(std::string kind, Answer answer) {
    answers_.emplace_back(std::move(kind), std::move(answer));
    timer_->SetEnabled(true);
}

void ModalScript::Look(framework::TObject*) {
    if (answers_.empty() || !framework::Screen) return;
    framework::TCustomForm* active = framework::Screen->ActiveForm();
    if (!active || !active->Modal()) return;
    // Taken off first: the answer may open the next modal form, whose loop runs inside it.
    auto [kind, answer] = std::move(answers_.front());
    answers_.pop_front();
    timer_->SetEnabled(!answers_.empty());
    if (!answer(active)) {
        answers_.emplace_front(std::move(kind), std::move(answer));
        timer_->SetEnabled(true);
    }
}
