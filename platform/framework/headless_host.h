#pragma once
// The headless window host: an in-memory screen for tests and for running
// without a display. Windows are composed onto the screen bitmap in z-order
// on request; tests inject mouse, key and wheel input at screen coordinates,
// read pixels back and save the screen as a PNG. Message boxes are laid out
// and recorded (and printed on stderr); nobody waits for them to be closed.

#include <deque>
#include <string>
#include <vector>

#include "platform/framework/host.h"

namespace dsp {

class MessageBoxLook;
class HeadlessWindow;

class HeadlessHost final : public WindowHost {
  public:
    explicit HeadlessHost(Rect workArea = kFallbackWorkArea);
    ~HeadlessHost() override;

    std::unique_ptr<HostWindow> CreateWindow(TForm& form) override;
    Rect WorkArea() const override { return workArea_; }
    void SetWorkArea(const Rect& r) { workArea_ = r; }
    // One display from (0, 0) to the work area's far corner, unless set.
    std::vector<MonitorInfo> Monitors() const override;
    void SetMonitors(std::vector<MonitorInfo> monitors) { monitors_ = std::move(monitors); }
    void MessageBox(const std::string& caption, const std::string& text, const Rect& owner) override;
    Waitable EventWaitable() const override { return kNoWaitable; }
    int PumpEvents(HostEventSink& sink) override;
    bool HasPendingEvents() override { return !queue_.empty(); }

    // Input, delivered at the application's next ProcessMessages. Mouse
    // events go to the topmost window under the point.
    void MouseMove(Point screen, TShiftState shift = 0);
    void MouseDown(Point screen, TMouseButton button = TMouseButton::mbLeft, TShiftState shift = 0);
    void MouseUp(Point screen, TMouseButton button = TMouseButton::mbLeft, TShiftState shift = 0);
    void Click(Point screen, TMouseButton button = TMouseButton::mbLeft);
    void Wheel(Point screen, int delta, TShiftState shift = 0);
    void KeyDown(uint16_t key, TShiftState shift = 0, bool repeat = false);
    void KeyUp(uint16_t key, TShiftState shift = 0);
    void PressKey(uint16_t key, TShiftState shift = 0);
    void Type(const std::string& utf8);
    void Post(HostEvent event) { queue_.push_back(std::move(event)); }

    // The screen: every visible window's last presented frame, bottom to top,
    // cut to its shape, over a black desktop.
    Bitmap Screen() const;
    Color PixelAt(Point screen) const;
    // Writes the screen as a PNG; throws PictureError naming the path when
    // the file cannot be written.
    void SavePng(const std::string& path) const;

    struct Box {
        std::string caption;
        std::string text;
        Rect bounds;  // where it would stand on the screen
    };
    const std::vector<Box>& MessageBoxes() const { return boxes_; }
    void ClearMessageBoxes() { boxes_.clear(); }
    // The screen as the last message box came up, the box drawn on it.
    const Bitmap& LastMessageBoxScreen() const { return boxScreen_; }
    // Whether message boxes are also printed on stderr (default true).
    void SetEcho(bool echo) { echo_ = echo; }

    int PresentCount() const { return presents_; }
    // Whether the form's window has been shrunk to its icon (it is then not
    // drawn on the screen).
    bool Iconic(const TForm& form) const;
    // Window opacity: unsupported (as on a display without a compositor)
    // unless switched on; then each window keeps the last opacity set
    // (255 at first), and the changes are counted.
    void SetOpacitySupported(bool on) { opacitySupported_ = on; }
    int Opacity(const TForm& form) const;
    int OpacityChanges() const { return opacityChanges_; }
    // The pointer shape last set for the form's window (an arrow at first).
    TCursor CursorOf(const TForm& form) const;

  private:
    friend class HeadlessWindow;
    void Remove(HeadlessWindow* w);

    Rect workArea_;
    std::vector<MonitorInfo> monitors_;
    std::deque<HostEvent> queue_;
    std::vector<HeadlessWindow*> windows_;  // creation order; z-order comes from the application
    std::vector<Box> boxes_;
    std::unique_ptr<MessageBoxLook> boxLook_;  // made with the first box
    Bitmap boxScreen_;
    bool echo_ = true;
    int presents_ = 0;
    bool opacitySupported_ = false;
    int opacityChanges_ = 0;
};

}  // namespace dsp
