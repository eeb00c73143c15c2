#pragma once
// The headless application of every components test.
#include "tests/support/HeadlessApplicationTest.h"

class ComponentsTest : public HeadlessApplicationTest {
  protected:
    // A control of kind C owned by form and placed on it.
    template <class C>
    static C* Place(framework::TForm* form, int left, int top, int width, int height) {
        auto* control = new C(form);
        control->SetParent(form);
        control->SetBounds(left, top, width, height);
        return control;
    }
};
