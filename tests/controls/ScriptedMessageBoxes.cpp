#include "ScriptedMessageBoxes.h"

#include <gtest/gtest.h>

ScriptedMessageBoxes::ScriptedMessageBoxes() {
    previous_ = framework::SetMessageBoxResponder([this](const std::string& text, const std::string&, win::UINT) {
        ++shown_;
        if (expected_.empty()) {
            ADD_FAILURE() << "unexpected message box: " << text;
            return win::IDCANCEL;
        }
        const Expected next = expected_.front();
        expected_.pop_front();
        EXPECT_EQ(text, next.text);
        return next.answer;
    });
}

ScriptedMessageBoxes::~ScriptedMessageBoxes() {
    framework::SetMessageBoxResponder(previous_);
    for (const Expected& missing : expected_) ADD_FAILURE() << "expected message box never shown: " << missing.text;
}

void ScriptedMessageBoxes::Expect(const std::string& text, int answer) { expected_.push_back({text, answer}); }
