#pragma once
// A windowed control that logs its messages and events by name.

#include <string>
#include <vector>

#include "platform/framework/application.h"
#include "platform/framework/win_control.h"

namespace dsp::test {

// A windowed control that logs its messages and events by name.
class Probe : public TCustomControl {
  public:
    Probe(TComponent* owner, TWinControl* parent, Rect bounds, std::vector<std::string>* log)
        : TCustomControl(owner), log_(log) {
        SetParent(parent);
        SetBoundsRect(bounds);
        SetTabStop(true);
        OnClick = [this](TObject*) { Log("click"); };
        OnDblClick = [this](TObject*) { Log("dblclick"); };
    }
    intptr_t dlgCode = 0;
    Color paintColor = clRed;

  protected:
    void WndProc(TMessage& m) override {
        switch (m.Msg) {
            case kWmSetFocus:
                Log("setfocus");
                break;
            case kWmKillFocus:
                Log("killfocus");
                break;
            case kWmGetDlgCode:
                m.Result = dlgCode;
                return;
            case kWmCaptureChanged:
                Log("capturelost");
                break;
            default:
                break;
        }
        TCustomControl::WndProc(m);
    }
    void MouseDown(TMouseButton, TShiftState shift, int x, int y) override {
        Log("down" + std::string(shift & ssDouble ? "2" : "") + " " + std::to_string(x) + "," +
            std::to_string(y));
    }
    void MouseUp(TMouseButton, TShiftState, int x, int y) override {
        Log("up " + std::to_string(x) + "," + std::to_string(y));
    }
    void MouseMove(TShiftState, int x, int y) override {
        Log("move " + std::to_string(x) + "," + std::to_string(y));
    }
    void MouseEnter() override { Log("enter"); }
    void MouseLeave() override { Log("leave"); }
    void KeyDown(uint16_t& key, TShiftState) override { Log("key " + std::to_string(key)); }
    void KeyPress(char32_t& ch) override { Log("char " + std::to_string(static_cast<uint32_t>(ch))); }
    bool DoMouseWheel(TShiftState, int delta, Point) override {
        Log("wheel " + std::to_string(delta));
        return wheelHandled_;
    }
    void TimerFired(uint32_t id) override {
        Log("timer " + std::to_string(id) + " @" + std::to_string(Application->GetClock().Now()));
    }
    void Paint() override { PaintCanvas()->FillRect(ClientRect(), paintColor); }

  public:
    bool wheelHandled_ = true;
    void Log(const std::string& what) {
        if (log_) log_->push_back(Name() + ":" + what);
    }

  private:
    std::vector<std::string>* log_;
};

}  // namespace dsp::test
