#include "BoxScript.h"

#include <gtest/gtest.h>
#include <algorithm>

BoxScript::BoxScript() {
    previous_ =
        framework::SetMessageBoxResponder([this](const std::string& text, const std::string& caption, win::UINT) {
            shown_.push_back(text + "|" + caption);
            const auto answer = answers_.find(text);
            if (answer != answers_.end()) return answer->second;
            for (const std::string& head : heads_)
                if (text.rfind(head, 0) == 0) return win::IDOK;
            ADD_FAILURE() << "unexpected box: " << text << " (" << caption << ")";
            return win::IDOK;
        });
}

BoxScript::~BoxScript() { framework::SetMessageBoxResponder(previous_); }

void BoxScript::Allow(const std::string& text, int answer) { answers_[text] = answer; }

int BoxScript::Count(const std::string& text) const {
    return static_cast<int>(std::count_if(shown_.begin(), shown_.end(), [&](const std::string& shown) {
        return shown.compare(0, text.size() + 1, text + "|") == 0;
    }));
}
