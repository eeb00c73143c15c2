#pragma once
// Acts as the user across the program's nested modal loops, step by step. Steps run in order, each once its
// condition holds; the conditions and the watchers are looked at every time a loop of the UI thread looks for a
// message, before it takes one (so a watcher sees a step start before that step's end is handled, which a timer
// cannot promise), and a step's action runs from a posted message, so it may open a modal window of its own. The
// application's duty of running the workers' synchronous calls is kept. ModalScript answers whole modal forms by
// kind; this follows what happens inside them.
#include <functional>
#include <string>
#include <vector>

#include "platform/user/Types.h"

class LoopScript {
  public:
    LoopScript();
    ~LoopScript();
    LoopScript(const LoopScript&) = delete;
    LoopScript& operator=(const LoopScript&) = delete;

    // Puts the script's look into the loops; again after an application is made anew, which installs its own.
    void Install();

    // Appends a step: action runs once when() holds and every step before it has run.
    void Then(std::function<bool()> when, std::function<void()> action, std::string name = "");
    // Runs on every look, before the steps.
    void Watch(std::function<void()> look);
    bool Done() const { return next_ == steps_.size() && !posted_; }
    // The first step not yet run, for a failing test's message.
    std::string Waiting() const;

    // For an action that looks at the windows: handles what is queued and the paints, then does the idle work
    // (action updates) as a loop does once its queue is empty. No further step starts meanwhile.
    static void Settle();

  private:
    struct Step {
        std::function<bool()> when;
        std::function<void()> action;
        std::string name;
    };
    void Look();
    static win::LRESULT Procedure(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);

    std::vector<Step> steps_;
    std::vector<std::function<void()>> watchers_;
    std::size_t next_ = 0;
    bool posted_ = false;
    bool looking_ = false;
    bool acting_ = false;
    win::HWND window_ = nullptr;
};
