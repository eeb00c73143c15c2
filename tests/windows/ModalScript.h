#pragma once
// Answers the modal forms a test opens, as a user would: each answer runs inside the modal loop of the next form of
// its kind once that form is the active one. Answers still waiting when the script ends fail the test.
#include <deque>
#include <functional>
#include <memory>
#include <string>

#include "platform/framework/forms/Form.h"
#include "platform/framework/forms/Screen.h"

namespace framework {
class TTimer;
}

class ModalScript {
  public:
    ModalScript();
    ~ModalScript();
    ModalScript(const ModalScript&) = delete;
    ModalScript& operator=(const ModalScript&) = delete;

    template <class Form>
    void Next(std::function<void(Form&)> answer) {
        Add(typeid(Form).name(), [answer = std::move(answer)](framework::TCustomForm* form) {
            auto* wanted = dynamic_cast<Form*>(form);
            if (wanted) answer(*wanted);
            return wanted != nullptr;
        });
    }
    std::size_t Waiting() const { return answers_.size(); }

  private:
    // True when the form was the one the answer was for, and it was answered.
    using Answer = std::function<bool(framework::TCustomForm* form)>;
    void Add(std::string kind, Answer answer);
    void Look(framework::TObject* sender);

    std::deque<std::pair<std::string, Answer>> answers_;
    std::unique_ptr<framework::TTimer> timer_;
};
