#pragma once
// Answers message boxes in tests: each expected box names its text and the button to press. A box that was not
// expected fails the test with its text and is cancelled.
#include <deque>
#include <string>

#include "platform/framework/forms/MessageBox.h"

class ScriptedMessageBoxes {
  public:
    ScriptedMessageBoxes();
    // Fails the test when expected boxes never came.
    ~ScriptedMessageBoxes();
    ScriptedMessageBoxes(const ScriptedMessageBoxes&) = delete;
    ScriptedMessageBoxes& operator=(const ScriptedMessageBoxes&) = delete;

    void Expect(const std::string& text, int answer);
    int Shown() const { return shown_; }

  private:
    struct Expected {
        std::string text;
        int answer;
    };

    std::deque<Expected> expected_;
    int shown_ = 0;
    framework::TMessageBoxResponder previous_;
};
