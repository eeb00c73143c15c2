#include "tests/support/HeadlessApplicationTest.h"

#include "platform/present/HeadlessPresenter.h"
#include "platform/testing/MessagePump.h"
#include "platform/testing/Settings.h"
#include "platform/user/Input.h"
#include "platform/user/Presenter.h"

using namespace framework;

void HeadlessApplicationTest::SetUp() {
    user::SetPresenter(std::make_unique<present::HeadlessPresenter>());
    testdriver::ResetSettings();
    user::ResetInputState();
    app = std::make_unique<TApplication>(nullptr);
    testdriver::PumpUntilIdle();
}

void HeadlessApplicationTest::TearDown() {
    app.reset();
    testdriver::PumpUntilIdle();
    user::ResetInputState();
    testdriver::ResetSettings();
}

TForm* HeadlessApplicationTest::ShowForm() {
    TForm* form = nullptr;
    app->CreateForm(form);
    form->SetBounds(100, 100, 400, 300);
    form->Show();
    testdriver::PumpUntilIdle();
    return form;
}

win::POINT HeadlessApplicationTest::At(const TControl& control, int x, int y) {
    return control.ClientToScreen(win::POINT{x, y});
}
