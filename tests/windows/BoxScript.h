#pragma once
// Answers message boxes in tests and keeps each one shown as "text|caption". Boxes whose text is not scripted fail
// the test and are answered with OK.
#include <map>
#include <string>
#include <vector>

#include "platform/framework/forms/MessageBox.h"

class BoxScript {
  public:
    BoxScript();
    ~BoxScript();
    BoxScript(const BoxScript&) = delete;
    BoxScript& operator=(const BoxScript&) = delete;

    // Every box with this text is answered so, as often as it comes.
    void Allow(const std::string& text, int answer = win::IDOK);
    // Every box whose text begins so is answered OK: for texts that end in words of another program.
    void AllowStartingWith(const std::string& head) { heads_.push_back(head); }
    const std::vector<std::string>& Shown() const { return shown_; }
    int Count(const std::string& text) const;
    void Clear() { shown_.clear(); }

  private:
    std::map<std::string, int> answers_;
    std::vector<std::string> heads_;
    std::vector<std::string> shown_;
    framework::TMessageBoxResponder previous_;
};
