#include "tools/skingen/preview_window.h"

#include <cmath>
#include <string>

#include "platform/graphics/canvas.h"
#include "platform/text/draw_text.h"
#include "tools/skingen/geometry.h"
#include "tools/skingen/paint.h"
#include "tools/skingen/theme.h"

namespace dsp::skingen {

namespace {

using geo::Anchors;

// Copies `src` into `dst` in nine pieces: corners unchanged, edges and middle
// repeated between the anchors `lt` and `rb` (relative to `src`).
void Slice9(Canvas& c, const Rect& dst, const Bitmap& pic, const Rect& src, Point lt, Point rb) {
    const int sx[4] = {0, lt.x, rb.x, src.Width()};
    const int sy[4] = {0, lt.y, rb.y, src.Height()};
    const int dx[4] = {0, lt.x, dst.Width() - (src.Width() - rb.x), dst.Width()};
    const int dy[4] = {0, lt.y, dst.Height() - (src.Height() - rb.y), dst.Height()};
    for (int j = 0; j < 3; ++j)
        for (int i = 0; i < 3; ++i) {
            const Rect s{src.left + sx[i], src.top + sy[j], src.left + sx[i + 1], src.top + sy[j + 1]};
            const Rect d{dst.left + dx[i], dst.top + dy[j], dst.left + dx[i + 1], dst.top + dy[j + 1]};
            if (!s.IsEmpty() && !d.IsEmpty()) c.TileDraw(d, pic, s);
        }
}

// The anchors of a section as Slice9 wants them, by the section's resize mode.
void Fit(Canvas& c, const Rect& dst, const Bitmap& pic, const Rect& src, const Anchors& a) {
    if (a.rightBottom.x && a.rightBottom.y)
        Slice9(c, dst, pic, src, a.leftTop, a.rightBottom);
    else if (a.rightTop.x || a.rightTop.y)
        Slice9(c, {dst.left, dst.top, dst.right, dst.top + src.Height()}, pic, src, {a.leftTop.x, 0},
               {a.rightTop.x, src.Height()});
    else
        Slice9(c, {dst.left, dst.top, dst.left + src.Width(), dst.bottom}, pic, src, {0, a.leftTop.y},
               {src.Width(), a.leftBottom.y});
}

class Mock {
  public:
    explicit Mock(const std::vector<SkinFolder>& skins)
        : t1_(MakeTheme(1)),
          t2_(MakeTheme(2)),
          t3_(MakeTheme(3)),
          frame_(skins[0].pictures[0].second),
          mask_(skins[0].pictures[1].second),
          c1_(skins[0].pictures[2].second),
          bg1_(skins[0].pictures[3].second),
          c2_(skins[1].pictures[2].second),
          c3_(skins[2].pictures[2].second),
          window_(kW, kH, 0x303030),
          canvas_(window_) {}

    Bitmap Draw() {
        Frame();
        canvas_.SetOrigin({geo::frame::kClient.left, geo::frame::kClient.top});
        canvas_.TileDraw({0, 0, 692, 473}, bg1_, bg1_.Bounds());
        Banner();
        SystemGroup();
        EffectGroup();
        MicGroup();
        Selectors();
        Faders();
        StatusBar();
        return window_;
    }

  private:
    static constexpr int kW = 692 + 12, kH = 473 + 36;

    void Text(const Rect& r, const std::string& s, Rgb colour, unsigned format, bool bold = false,
              int height = 14, const char* face = "Arial") {
        TFont font(face, height, bold ? FontStyles(fsBold) : FontStyles(0), ToColor(colour));
        Rect box = r;
        DrawText(fonts_, canvas_, font, s, box, format | kDtSingleLine | kDtVCenter | kDtNoPrefix);
    }
    void Label(int x, int y, const std::string& s, Point origin) {
        Text(Rect::FromOriginSize(origin.x + x, origin.y + y, 90, 13), s, Shade(t1_.text, -0.08), kDtLeft,
             false, -11, "MS Sans Serif");
    }

    void Frame() {
        namespace f = geo::frame;
        Slice9(canvas_, {0, 0, kW, kH}, frame_, frame_.Bounds(), f::kLeftTop, f::kRightBottom);
        Bitmap shape(kW, kH, clBlack);
        Canvas sc(shape);
        Slice9(sc, {0, 0, kW, kH}, mask_, mask_.Bounds(), f::kLeftTop, f::kRightBottom);
        for (int y = 0; y < kH; ++y)
            for (int x = 0; x < kW; ++x)
                if (shape.GetPixel(x, y) != clBlack) window_.SetPixel(x, y, 0x303030);
        const int dx = kW - f::kWidth;
        const Rect text = geo::frame::kCaptionText.Offset(f::kCaption.left, f::kCaption.top);
        const Rect moved{text.left, text.top, text.right + dx, text.bottom};
        Text(moved.Offset(1, 1), "专业DSP前级效果器", t1_.rim, kDtLeft, true);
        Text(moved, "专业DSP前级效果器", t1_.text, kDtLeft, true);
    }

    void Banner() {
        const Rect r{0, 0, 692, 38};
        Bitmap banner(r.Width(), r.Height());
        FillRect(banner, banner.Bounds(), HGradient(0, r.Width(), {20, 22, 40}, {80, 30, 20}));
        canvas_.Draw({0, 0}, banner);
        Text({10, 0, 600, 38}, "(banner picture)", {200, 200, 210}, kDtLeft, true, 18);
    }

    void Group(const Rect& r, const std::string& caption) {
        namespace g = geo::groupbox;
        Fit(canvas_, r, c1_, g::kBody, g::kAnchors);
        const int dw = r.Width() - g::kBody.Width();
        const Rect cap = g::kCaption.Offset(r.left, r.top);
        Text({cap.left, cap.top, cap.right + dw, cap.bottom}, caption, t1_.text, kDtLeft, true);
    }

    void Button(const Bitmap& pic, const Theme& t, const Rect& r, const std::string& caption, int state) {
        namespace g = geo::button;
        const Rect src[] = {g::kNormal, g::kHot, g::kDown, g::kDisabled};
        const Rgb colours[] = {
            t.text, {255, 255, 255}, t.ledKeys ? Shade(t.led, 0.3) : t.text, Mix(t.dimText, t.chassis, 0.3)};
        Fit(canvas_, r, pic, src[state], g::kAnchors);
        Rect client = g::kAnchors.client.Offset(r.left, r.top);
        client.right += r.Width() - g::kNormal.Width();
        if (state == 2) client = client.Offset(1, 1);
        Text(client, caption, colours[state], kDtCenter, false, t.buttonFontHeight);
    }

    void Combo(const Rect& r, const std::string& text, bool status = false) {
        const Rect body = status ? geo::statuscombobox::kBody : geo::combobox::kBody;
        const Anchors a = status ? geo::statuscombobox::kAnchors : geo::combobox::kAnchors;
        Fit(canvas_, r, c1_, body, a);
        Rect area = a.client.Offset(r.left, r.top);
        area.right += r.Width() - body.Width();
        Text(area.Offset(2, 0), text, t1_.fieldText, kDtLeft);
    }

    void Spin(const Rect& r, const std::string& text) {
        Fit(canvas_, r, c1_, geo::spinedit::kBody, geo::spinedit::kAnchors);
        Rect area = geo::spinedit::kAnchors.client.Offset(r.left, r.top);
        area.right += r.Width() - geo::spinedit::kBody.Width();
        Text(area.Offset(2, 0), text, t1_.fieldText, kDtLeft);
    }

    void ReadOut(const Rect& r, int value) {
        Fit(canvas_, r, c2_, geo::edit::kBody, geo::edit::kAnchors);
        const Rect inner{r.left + 2, r.top + 2, r.right - 2, r.bottom - 2};
        canvas_.FillRect(inner, ToColor(t2_.field));
        Text(inner, std::to_string(value), {0, 0, 0}, kDtCenter);
    }

    void SystemGroup() {
        const Point o{0, 38};
        Group(Rect::FromOriginSize(0, 38, 221, 197), "系统");
        Button(c1_, t1_, Rect::FromOriginSize(o.x + 4, o.y + 31, 82, 25), "连接", 0);
        Combo(Rect::FromOriginSize(o.x + 88, o.y + 29, 120, 20), "COM1");
        Button(c1_, t1_, Rect::FromOriginSize(o.x + 4, o.y + 63, 82, 25), "调用", 1);
        Spin(Rect::FromOriginSize(o.x + 88, o.y + 61, 120, 20), "0");
        Button(c1_, t1_, Rect::FromOriginSize(o.x + 4, o.y + 94, 82, 25), "保存", 2);
        Spin(Rect::FromOriginSize(o.x + 88, o.y + 92, 120, 20), "0");
        Label(3, 130, "音乐最大声：", o);
        Spin(Rect::FromOriginSize(o.x + 88, o.y + 125, 120, 20), "50");
        Label(3, 163, "话筒最大声：", o);
        Spin(Rect::FromOriginSize(o.x + 88, o.y + 158, 120, 20), "38");
    }

    void EffectGroup() {
        const Point o{222, 38};
        Group(Rect::FromOriginSize(222, 38, 203, 197), "音效选项");
        const char* labels[] = {"中置通道：", "消音：", "防啸叫：", "变调："};
        const char* values[] = {"MUSIC", "L+R", "0", "#+2"};
        const int ys[] = {27, 58, 90, 124};
        for (int i = 0; i < 4; ++i) {
            Label(6, ys[i] + 2, labels[i], o);
            Combo(Rect::FromOriginSize(o.x + 77, o.y + ys[i], 120, 20), values[i]);
        }
        Label(4, 163, "超低音频点：", o);
        Spin(Rect::FromOriginSize(o.x + 76, o.y + 158, 120, 20), "100");
    }

    void Slider(const Rect& r, int value, int max) {
        namespace g = geo::slider;
        canvas_.FillRect(r, ToColor(t1_.chassis));
        const int tw = g::kHThumb.Width() / 2, th = g::kHThumb.Height(), rh = g::kHRuler.Height();
        const int rw = r.Width() - 12;
        Bitmap ruler(rw, rh);
        Canvas rc(ruler);
        Slice9(rc, ruler.Bounds(), c1_, g::kHRuler, {g::kEdgeSize, 0},
               {g::kHRuler.Width() - g::kEdgeSize, rh});
        canvas_.DrawTransparent({r.left + 6, r.top + 6 + (th - rh) / 2}, ruler, ruler.Bounds(),
                                ruler.GetPixel(0, rh - 1));
        const int travel = rw - g::kHThumb.Width() / 2;
        auto pos = [&](int v) { return 6 + int(std::lround(double(travel) * v / max)); };
        for (int v = 0; v <= max; v += 10) {
            const int len = (v == 0 || v == max) ? 5 : 3;
            const int x = r.left + pos(v) + tw / 2;
            canvas_.DrawLine({x, r.top + th + 7}, {x, r.top + th + 7 + len},
                             ToColor(Mix(t1_.chassis, t1_.dimText, 0.85)));
        }
        const Rect thumb{g::kHThumb.left, g::kHThumb.top, g::kHThumb.left + tw, g::kHThumb.bottom};
        canvas_.DrawTransparent({r.left + pos(value), r.top + 6}, c1_, thumb, kKeyColor);
    }

    void MicGroup() {
        const Point o{426, 38};
        Group(Rect::FromOriginSize(426, 38, 270, 197), "话筒选项");
        const char* labels[] = {"延时：", "重复：", "回声：", "混响时间：", "混响电平："};
        const int labelY[] = {32, 64, 96, 128, 160}, sliderY[] = {24, 53, 88, 121, 150};
        const int readY[] = {30, 61, 94, 127, 156}, values[] = {120, 30, 56, 24, 70},
                  max[] = {250, 80, 80, 80, 80};
        for (int i = 0; i < 5; ++i) {
            Label(6, labelY[i], labels[i], o);
            Slider(Rect::FromOriginSize(o.x + 71, o.y + sliderY[i], 150, 40), values[i], max[i]);
        }
        for (int i = 0; i < 5; ++i)
            ReadOut(Rect::FromOriginSize(o.x + 223, o.y + readY[i], 33, 18), values[i]);
    }

    void Selectors() {
        Fit(canvas_, Rect::FromOriginSize(0, 236, 415, 24), c2_, geo::panel::kBody, geo::panel::kAnchors);
        Fit(canvas_, Rect::FromOriginSize(417, 236, 275, 24), c1_, geo::panel::kBody, geo::panel::kAnchors);
        Label(5, 6, "INPUT:", {0, 236});
        const char* names[] = {"AUTO", "BGM", "VCR", "DVD", "TV"};
        const int states[] = {2, 0, 1, 0, 3};
        for (int i = 0; i < 5; ++i)
            Button(c3_, t3_, Rect::FromOriginSize(54 + 72 * i, 236, 71, 25), names[i], states[i]);
        Label(13, 6, "辅助：", {417, 236});
        Button(c3_, t3_, Rect::FromOriginSize(417 + 64, 236, 67, 25), "MIC", 0);
        Button(c3_, t3_, Rect::FromOriginSize(417 + 132, 236, 67, 25), "MUSIC", 2);
        Button(c3_, t3_, Rect::FromOriginSize(417 + 200, 236, 75, 25), "MIC+MUSIC", 0);
    }

    void Fader(const Rect& r, int value, int max) {
        namespace g = geo::trackbar;
        Fit(canvas_, r, c2_, g::kBody, g::kAnchors);
        const int w = g::kThumb.Width(), h = g::kThumb.Height();
        const Rect area{r.left + g::kTrackArea.left, r.top + g::kTrackArea.top, r.left + g::kTrackArea.right,
                        r.top + g::kTrackArea.bottom + r.Height() - g::kBody.Height()};
        const int start = area.top + h / 2, end = area.bottom - h / 2;
        const int offset = int(std::lround(double(end - start) * value / max));
        const int top = end - offset - h / 2, left = area.left + area.Width() / 2 - w / 2;
        Bitmap lit(r.Width(), r.Height());
        Canvas lc(lit);
        Fit(lc, lit.Bounds(), c2_, g::kActive, g::kAnchors);
        const int from = top + h / 2 - r.top;
        canvas_.CopyRect({r.left, r.top + from}, lit, {0, from, lit.Width(), lit.Height()});
        canvas_.DrawTransparent({left, top}, c2_, g::kThumb, kKeyColor);
    }

    void Faders() {
        const Point o{0, 261};
        Fit(canvas_, Rect::FromOriginSize(0, 261, 696, 190), c1_, geo::panel::kBody, geo::panel::kAnchors);
        struct F {
            int x, y, h, value, max, readX;
            const char* label;
            int labelX;
        };
        const F faders[] = {
            {34, 47, 112, 50, 63, 32, "主音量", 26},  {88, 47, 112, 40, 63, 86, "辅助", 84},
            {144, 47, 112, 22, 63, 142, "超底", 141}, {254, 47, 112, 14, 20, 253, "低音", 252},
            {314, 47, 112, 10, 20, 312, "中音", 314}, {375, 47, 112, 6, 20, 374, "高音", 372},
            {446, 47, 112, 12, 20, 445, "低音", 443}, {498, 47, 112, 10, 20, 497, "中音", 496},
            {550, 47, 112, 16, 20, 548, "高单", 546}, {608, 41, 118, 30, 42, 606, "话筒", 604},
            {653, 42, 117, 42, 80, 651, "效果", 648}};
        for (const F& f : faders) {
            Fader(Rect::FromOriginSize(o.x + f.x, o.y + f.y, 20, f.h), f.value, f.max);
            ReadOut(Rect::FromOriginSize(o.x + f.readX, o.y + 161, 23, 18),
                    f.max == 20 ? f.value - 10 : f.value);
            Label(f.labelX, f.y > 45 ? 26 : 8, f.label, o);
        }
        Label(77, 4, "音量调节", o);
        Label(282, 4, "音乐音调", o);
        Label(478, 4, "话筒音调", o);
        const Color light = ToColor(Mix(t1_.chassis, t1_.bevelLight, 0.8)), dark = ToColor(t1_.rim);
        ClipScope clip(canvas_, Rect::FromOriginSize(0, 261, 696, 190));
        for (int x : {221, 425, 586})
            canvas_.Draw3DRect(Rect::FromOriginSize(o.x + x, o.y + 1, 2, 225), light, dark);
    }

    void StatusBar() {
        const Rect bar = Rect::FromOriginSize(0, 452, 692, 21);
        Fit(canvas_, bar, c1_, geo::statusbar::kBody, geo::statusbar::kAnchors);
        const Rect p1 = Rect::FromOriginSize(0, 452, 509, 21), p2 = Rect::FromOriginSize(509, 452, 59, 21);
        for (const Rect& p : {p1, p2})
            Fit(canvas_, p, c1_, geo::statuspanel::kBody, geo::statuspanel::kAnchors);
        Text({p1.left + 6, p1.top + 2, p1.right - 4, p1.bottom - 2}, "未连接", t1_.text, kDtLeft);
        Text({p2.left + 5, p2.top + 2, p2.right - 4, p2.bottom - 2}, "language:", t1_.text, kDtLeft);
        Combo(Rect::FromOriginSize(568, 452, 120, 21), "中文", true);
    }

    Theme t1_, t2_, t3_;
    const Bitmap &frame_, &mask_, &c1_, &bg1_, &c2_, &c3_;
    Bitmap window_;
    Canvas canvas_;
    FontEngine fonts_;
};

}  // namespace

Bitmap PreviewWindow(const std::vector<SkinFolder>& skins) { return Mock(skins).Draw(); }

}  // namespace dsp::skingen
