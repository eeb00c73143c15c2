#include "ControlsFixture.h"

#include "platform/present/HeadlessPresenter.h"
#include "platform/testing/MessagePump.h"
#include "platform/testing/Settings.h"
#include "platform/user/Input.h"
#include "platform/user/Presenter.h"

using namespace framework;

void ControlsTest::SetUp() {
    user::SetPresenter(std::make_unique<present::HeadlessPresenter>());
    testdriver::ResetSettings();
    user::ResetInputState();
    app = std::make_unique<TApplication>(nullptr);
    testdriver::PumpUntilIdle();
}

void ControlsTest::TearDown() {
    app.reset();
    testdriver::PumpUntilIdle();
    user::ResetInputState();
    testdriver::ResetSettings();
}

TForm* ControlsTest::ShowForm() {
    TForm* form = nullptr;
    app->CreateForm(form);
    form->SetBounds(100, 100, 400, 300);
    form->Show();
    testdriver::PumpUntilIdle();
    return form;
}

win::POINT ControlsTest::At(const TControl& control, int x, int y) { return control.ClientToScreen(win::POINT{x, y}); }

win::POINT ControlsTest::Centre(const TControl& control) {
    return At(control, control.ClientWidth() / 2, control.ClientHeight() / 2);
}
