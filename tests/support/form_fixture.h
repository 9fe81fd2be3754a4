#pragma once
// One shown form on the headless application, for driving the real controls
// with injected mouse, key and wheel events.

#include <string>
#include <vector>

#include "tests/support/app_fixture.h"

namespace dsp::test {

class FormTest : public AppTest {
  protected:
    FormTest() : form_(NewForm(Rect::FromOriginSize(100, 100, 640, 400))) {}
    // The controls go before the log their events write to.
    ~FormTest() override { app_.reset(); }

    void Show() {
        form_->Show();
        Process();
    }

    TForm* form_;
    std::vector<std::string> log_;
};

}  // namespace dsp::test
