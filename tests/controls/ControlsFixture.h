#pragma once
// The headless application of every controls test, with scripted message boxes.
#include "ScriptedMessageBoxes.h"
#include "tests/support/HeadlessApplicationTest.h"

class ControlsTest : public HeadlessApplicationTest {
  protected:
    static win::POINT Centre(const framework::TControl& control);

    ScriptedMessageBoxes boxes;
};
