#include "platform/framework/headless_host.h"

#include <algorithm>
#include <cstdio>

#include "platform/framework/application.h"
#include "platform/framework/form.h"
#include "platform/framework/message_box_look.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/png_file.h"

namespace dsp {

class HeadlessWindow final : public HostWindow {
  public:
    HeadlessWindow(HeadlessHost& host, TForm& form) : host_(host), form_(form) {}
    ~HeadlessWindow() override { host_.Remove(this); }

    void SetBounds(const Rect& r) override { bounds_ = r; }
    void SetVisible(bool visible) override { visible_ = visible; }
    void SetTitle(const std::string& title) override { title_ = title; }
    // Like a real window, the screen takes only the presented pixels: a
    // change painted but left out of the region stays unseen here too.
    // A whole new frame is not copied at once: the screen shows from the
    // form's bitmap until the form paints again, and takes its copy then
    // (BeforePaint). A program that shows its window and ends never copies.
    void Present(const Bitmap& frame, const Region& dirty) override {
        if (frame_.Width() != frame.Width() || frame_.Height() != frame.Height()) {
            shown_ = &frame;
        } else {
            Canvas canvas(frame_);
            for (const Rect& r : dirty.Rects()) canvas.CopyRect(r.TopLeft(), frame, r);
        }
        ++host_.presents_;
    }
    void BeforePaint() override {
        if (shown_ == nullptr) return;
        frame_ = *shown_;
        shown_ = nullptr;
    }
    void SetShape(const Region* shape) override {
        hasShape_ = shape != nullptr;
        if (shape) shape_ = *shape;
    }
    void Activate() override {}
    void SetCapture(bool) override {}
    void Minimize() override { iconic_ = true; }
    void Restore() override { iconic_ = false; }
    bool BeginSystemMove(Point) override { return false; }
    bool SetOpacity(int alpha) override {
        if (!host_.opacitySupported_) return false;
        opacity_ = alpha;
        ++host_.opacityChanges_;
        return true;
    }
    int Opacity() const { return opacity_; }
    bool Iconic() const { return iconic_; }
    void SetCursor(TCursor cursor) override { cursor_ = cursor; }
    TCursor Cursor() const { return cursor_; }

    TForm& Form() const { return form_; }
    void DrawOn(Canvas& canvas) const {
        const Bitmap& frame = shown_ ? *shown_ : frame_;
        if (!visible_ || iconic_ || frame.Empty()) return;
        if (hasShape_) {
            Region r = shape_;
            r.Offset(bounds_.left, bounds_.top);
            canvas.PushClip(r);
        }
        canvas.Draw(bounds_.TopLeft(), frame);
        if (hasShape_) canvas.PopClip();
    }

  private:
    HeadlessHost& host_;
    TForm& form_;
    Rect bounds_;
    bool visible_ = false;
    std::string title_;
    Bitmap frame_;
    // The form's own frame bitmap while the screen still shows from it.
    const Bitmap* shown_ = nullptr;
    bool hasShape_ = false;
    Region shape_;
    bool iconic_ = false;
    int opacity_ = 255;
    TCursor cursor_ = TCursor::crArrow;
};

HeadlessHost::HeadlessHost(Rect workArea) : workArea_(workArea) {}

std::vector<MonitorInfo> HeadlessHost::Monitors() const {
    if (!monitors_.empty()) return monitors_;
    return {{{0, 0, workArea_.right, workArea_.bottom}, workArea_}};
}

HeadlessHost::~HeadlessHost() = default;

std::unique_ptr<HostWindow> HeadlessHost::CreateWindow(TForm& form) {
    auto w = std::make_unique<HeadlessWindow>(*this, form);
    windows_.push_back(w.get());
    return w;
}

void HeadlessHost::Remove(HeadlessWindow* w) { std::erase(windows_, w); }

void HeadlessHost::MessageBox(const std::string& caption, const std::string& text, const Rect& owner) {
    if (!boxLook_) boxLook_ = std::make_unique<MessageBoxLook>();
    const MessageBoxLayout layout = boxLook_->LayOut(caption, text, owner, WorkAreaAround(owner, Monitors()));
    boxScreen_ = Screen();
    Bitmap box(layout.bounds.Width(), layout.bounds.Height());
    Canvas boxCanvas(box);
    boxLook_->Paint(boxCanvas, layout, caption, text, false);
    Canvas(boxScreen_).Draw(layout.bounds.TopLeft(), box);
    boxes_.push_back({caption, text, layout.bounds});
    if (echo_) std::fprintf(stderr, "[%s] %s\n", caption.c_str(), text.c_str());
}

int HeadlessHost::PumpEvents(HostEventSink& sink) {
    int n = 0;
    while (!queue_.empty()) {
        HostEvent e = std::move(queue_.front());
        queue_.pop_front();
        if (Application && !e.form) e.form = Application->FormAtScreen(e.screen);
        sink.HandleHostEvent(e);
        ++n;
    }
    return n;
}

namespace {

HostEvent PointerEvent(HostEvent::Kind kind, Point screen, TShiftState shift,
                       TMouseButton button = TMouseButton::mbLeft) {
    HostEvent e;
    e.kind = kind;
    e.screen = screen;
    e.button = button;
    e.shift = shift;
    return e;
}

HostEvent KeyEvent(HostEvent::Kind kind, uint16_t key, TShiftState shift, bool repeat = false) {
    HostEvent e;
    e.kind = kind;
    e.key = key;
    e.shift = shift;
    e.repeat = repeat;
    return e;
}

}  // namespace

void HeadlessHost::MouseMove(Point screen, TShiftState shift) {
    Post(PointerEvent(HostEvent::Kind::MouseMove, screen, shift));
}

void HeadlessHost::MouseDown(Point screen, TMouseButton button, TShiftState shift) {
    MouseMove(screen, shift);
    Post(PointerEvent(HostEvent::Kind::MouseDown, screen, shift, button));
}

void HeadlessHost::MouseUp(Point screen, TMouseButton button, TShiftState shift) {
    Post(PointerEvent(HostEvent::Kind::MouseUp, screen, shift, button));
}

void HeadlessHost::Click(Point screen, TMouseButton button) {
    MouseDown(screen, button);
    MouseUp(screen, button);
}

void HeadlessHost::Wheel(Point screen, int delta, TShiftState shift) {
    HostEvent e = PointerEvent(HostEvent::Kind::Wheel, screen, shift);
    e.wheelDelta = delta;
    Post(e);
}

void HeadlessHost::KeyDown(uint16_t key, TShiftState shift, bool repeat) {
    Post(KeyEvent(HostEvent::Kind::KeyDown, key, shift, repeat));
}

void HeadlessHost::KeyUp(uint16_t key, TShiftState shift) {
    Post(KeyEvent(HostEvent::Kind::KeyUp, key, shift));
}

void HeadlessHost::PressKey(uint16_t key, TShiftState shift) {
    KeyDown(key, shift);
    KeyUp(key, shift);
}

void HeadlessHost::Type(const std::string& utf8) {
    HostEvent e;
    e.kind = HostEvent::Kind::Text;
    e.text = utf8;
    Post(e);
}

Bitmap HeadlessHost::Screen() const {
    Bitmap screen(workArea_.right, workArea_.bottom, clBlack);
    Canvas canvas(screen);
    // Bottom to top as the application stacks its forms, popups last.
    std::vector<const HeadlessWindow*> order;
    if (Application) {
        for (bool popups : {false, true})
            for (TForm* f : Application->Forms())
                for (const HeadlessWindow* w : windows_)
                    if (&w->Form() == f && f->IsPopup() == popups) order.push_back(w);
    } else {
        order.assign(windows_.begin(), windows_.end());
    }
    for (const HeadlessWindow* w : order) w->DrawOn(canvas);
    return screen;
}

Color HeadlessHost::PixelAt(Point screen) const { return Screen().GetPixel(screen.x, screen.y); }

bool HeadlessHost::Iconic(const TForm& form) const {
    for (const HeadlessWindow* w : windows_)
        if (&w->Form() == &form) return w->Iconic();
    return false;
}

int HeadlessHost::Opacity(const TForm& form) const {
    for (const HeadlessWindow* w : windows_)
        if (&w->Form() == &form) return w->Opacity();
    return 255;
}

TCursor HeadlessHost::CursorOf(const TForm& form) const {
    for (const HeadlessWindow* w : windows_)
        if (&w->Form() == &form) return w->Cursor();
    return TCursor::crArrow;
}

}  // namespace dsp

namespace dsp {

void HeadlessHost::SavePng(const std::string& path) const { WritePngFile(path, Screen()); }

}  // namespace dsp
