#include "ControlsFixture.h"

win::POINT ControlsTest::Centre(const framework::TControl& control) {
    return At(control, control.ClientWidth() / 2, control.ClientHeight() / 2);
}
