#pragma once
// A tiny form with a few plain controls, for trying the window framework by
// hand, in the headless tests and under Xvfb: two buttons (one on a panel that
// the first button disables and enables), a cut corner made with a window
// region, a popup on the right button, and Escape to close. Clicks, a double-click, the wheel and typed
// characters on Button1 are reported through OnReport.

#include <functional>
#include <string>

#include "platform/framework/form.h"

namespace dsp {

// A flat push button: raised frame, sunken while pressed, grey when it (or a
// parent) is disabled.
class TDemoButton : public TCustomControl {
  public:
    TDemoButton(TComponent* owner, TWinControl* parent, Rect bounds, Color face);

  protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void WndProc(TMessage& message) override;

  private:
    Color face_;
    bool down_ = false;
};

class TDemoForm : public TForm {
  public:
    explicit TDemoForm(TComponent* owner);
    ~TDemoForm() override;

    std::function<void(const std::string&)> OnReport;

    TDemoButton* Button1 = nullptr;
    TCustomControl* Panel1 = nullptr;
    TDemoButton* Button2 = nullptr;
    // A right click on the form opens this popup at the pointer; it never
    // takes the keyboard from the form.
    TForm* Popup1 = nullptr;
    TDemoButton* Item1 = nullptr;
    TDemoButton* Item2 = nullptr;

    static constexpr int kCornerCut = 20;

  protected:
    bool DialogKey(uint16_t key, TShiftState shift) override;

  private:
    void Report(const std::string& what) {
        if (OnReport) OnReport(what);
    }
};

}  // namespace dsp
