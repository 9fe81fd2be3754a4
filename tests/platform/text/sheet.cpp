#include "tests/platform/text/sheet.h"

#include "platform/graphics/canvas.h"
#include "platform/graphics/mask_region.h"
#include "platform/text/draw_text.h"

namespace dsp {
namespace {

// A 12 x 8 skin-like source: a bevelled tile with a magenta key colour.
Bitmap SourcePicture() {
    Bitmap b(12, 8, 0x6080A0);
    Canvas c(b);
    c.Draw3DRect(b.Bounds(), clWhite, 0x303030);
    c.FillRect({3, 2, 9, 6}, 0x20C0F0);
    c.FillRect({5, 3, 7, 5}, clFuchsia);
    c.SetPixel({1, 1}, clRed);
    return b;
}

Bitmap MaskPicture() {
    Bitmap m(40, 30, clWhite);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) {
            const int dx = x - 20, dy = y - 15;
            if (dx * dx * 9 + dy * dy * 16 < 3600 && (x / 5 + y / 5) % 3 != 0) m.SetPixel(x, y, clBlack);
        }
    return m;
}

void Shapes(Canvas& c) {
    c.FillRect({10, 10, 60, 40}, clBtnFace);
    c.FrameRect({10, 10, 60, 40}, clBtnShadow);
    c.FillRect({70, 10, 120, 40}, clBtnFace);
    c.Draw3DRect({70, 10, 120, 40}, clBtnHighlight, clBtnShadow);
    c.Draw3DRect({71, 11, 119, 39}, cl3DLight, cl3DDkShadow);
    c.FillRect({130, 10, 180, 40}, clHighlight);
    c.DrawFocusRect({133, 13, 177, 37});
    c.DrawFocusRect({190, 10, 240, 40});
    for (int i = 0; i < 8; ++i)
        c.DrawLine({250, 25}, {250 + (i % 4 - 1) * 14 + 10, 10 + (i / 4) * 30}, 0x0060C0 + i * 0x101000);
    c.SetPenColor(clNavy);
    c.MoveTo({300, 10});
    c.LineTo({340, 40});
    c.LineTo({340, 10});
    c.LineTo({300, 10});
}

void Pictures(Canvas& c) {
    const Bitmap src = SourcePicture();
    c.Draw({10, 50}, src);
    c.StretchDraw({30, 50, 78, 82}, src, src.Bounds());  // x4
    c.StretchDraw({85, 50, 93, 55}, src, src.Bounds());  // shrink
    c.FillRect({100, 50, 150, 82}, clLime);
    c.DrawTransparent({105, 55}, src, src.Bounds(), clFuchsia);
    c.StretchTransparent({120, 55, 146, 80}, src, src.Bounds(), clFuchsia);
    c.TileDraw({160, 50, 240, 82}, src, {1, 1, 11, 7});
    c.CopyRect({250, 50}, src, {2, 1, 10, 7});
}

void Regions(Canvas& c) {
    const Bitmap mask = MaskPicture();
    const Region shape = RegionFromMask(mask, mask.Bounds(), {300, 50});
    c.FillRegion(shape, clMaroon);
    Region two = Region(Rect{350, 50, 380, 80}).Union(Region(Rect{365, 65, 400, 90}));
    two = two.Subtract(Region(Rect{370, 55, 375, 85}));
    ClipScope clip(c, two);
    for (int i = 0; i < 60; i += 4) c.DrawLine({340 + i, 50}, {340 + i + 30, 95}, clBlue);
}

void Box(Canvas& c, const Rect& r) { c.FrameRect(r.Inflate(1, 1), 0xD0D0D0); }

void Text(FontEngine& e, Canvas& c) {
    const TFont ui("MS Sans Serif", -11);
    TFont arial("Arial", 14);
    TFont bold("Arial", 14, fsBold);
    TFont italic("Arial", 14, fsItalic | fsUnderline);
    TFont strike("Arial", -13, fsStrikeOut, clMaroon);
    TFont big("Arial", 20, fsBold, clNavy);
    int y = 100;
    auto line = [&](const TFont& f, const char* s) {
        e.TextOut(c, f, {10, y}, s);
        y += e.Metrics(f).height + 2;
    };
    line(ui, "MS Sans Serif -11: INPUT: AUTO BGM VCR DVD TV  0123456789");
    line(arial, "Arial 14: The quick brown fox jumps over the lazy dog.");
    line(bold, "Arial 14 bold: MIC+MUSIC  KEY b-5 #+5");
    line(italic, "Arial 14 italic underlined");
    line(strike, "Arial -13 struck out");
    line(big, "专业DSP前级效果器");
    TFont zh("Arial", 14);
    line(zh, "连接  断开  语言  调用  保存  中文 / english");
    line(ui, "音乐最大声：50  话筒最大声：38  超低音频点：100");
    line(bold, "粗体：音量调节 音乐音调 话筒音调");

    // Alignment in boxes, vertically centred.
    const char* captions[] = {"Left", "Centre", "Right"};
    const unsigned aligns[] = {kDtLeft, kDtCenter, kDtRight};
    for (int i = 0; i < 3; ++i) {
        Rect r = Rect::FromOriginSize(10 + i * 110, y + 4, 100, 24);
        Box(c, r);
        DrawText(e, c, arial, captions[i], r, aligns[i] | kDtSingleLine | kDtVCenter);
    }
    Rect zhBox = Rect::FromOriginSize(340, y + 4, 82, 25);
    c.FillRect(zhBox, clBtnFace);
    c.Draw3DRect(zhBox, clBtnHighlight, clBtnShadow);
    DrawText(e, c, arial, "连接", zhBox, kDtCenter | kDtSingleLine | kDtVCenter);
    y += 34;

    Rect end = Rect::FromOriginSize(10, y, 120, 16);
    Box(c, end);
    DrawText(e, c, ui, "A status text that is much too long", end, kDtSingleLine | kDtEndEllipsis);
    Rect path = Rect::FromOriginSize(140, y, 150, 16);
    Box(c, path);
    DrawText(e, c, ui, "/usr/share/dsp-panel/skins/skin1/skin.ini", path, kDtSingleLine | kDtPathEllipsis);
    Rect accel = Rect::FromOriginSize(300, y, 140, 16);
    Box(c, accel);
    DrawText(e, c, ui, "&Connect  R&&D  &语言", accel, kDtSingleLine);
    y += 22;

    Rect wrap = Rect::FromOriginSize(10, y, 150, 70);
    Box(c, wrap);
    DrawText(e, c, ui,
             "Word wrap keeps words whole and breaks lines at spaces; 中文文本在任意两个汉字之间换行。", wrap,
             kDtWordBreak);
    Rect tabs = Rect::FromOriginSize(170, y, 160, 40);
    Box(c, tabs);
    DrawText(e, c, ui, "MAIN\t31\tdB\nMIC\t42\tdB", tabs, kDtExpandTabs);
    Rect opaque = Rect::FromOriginSize(340, y, 100, 16);
    DrawText(e, c, ui, "opaque 背景", opaque, kDtSingleLine, clYellow);
}

}  // namespace

Bitmap RenderSheet(FontEngine& engine) {
    Bitmap sheet(450, 400, clWhite);
    Canvas canvas(sheet);
    Shapes(canvas);
    Pictures(canvas);
    Regions(canvas);
    Text(engine, canvas);
    return sheet;
}

}  // namespace dsp
