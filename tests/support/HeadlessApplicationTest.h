#pragma once
// A fresh application on the headless presenter for each test, with clean input state and settings.
#include <memory>

#include <gtest/gtest.h>

#include "platform/framework/forms/Application.h"
#include "platform/framework/forms/Form.h"

class HeadlessApplicationTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // A visible form at (100, 100), 400 by 300, owned by the application; the first one is the main form.
    framework::TForm* ShowForm();
    // Screen point of a control's client point.
    static win::POINT At(const framework::TControl& control, int x, int y);

    std::unique_ptr<framework::TApplication> app;
};
