#include "controls/label.h"

#include "controls/control_fonts.h"
#include "controls/default_look.h"
#include "controls/look/skin_text.h"
#include "controls/skin_sections.h"
#include "controls/text_paint.h"
#include "platform/text/draw_text.h"
#include "skin/data_skin_panels.h"
#include "skin/skin_data.h"

namespace dsp {

TbsSkinLabel::TbsSkinLabel(TComponent* owner) : TbsSkinCustomControl(owner) {
    SetSkinDataName(SkinSectionName(SkinSection::Label));
    SetBounds(0, 0, 75, 21);
}

void TbsSkinLabel::SetAlignment(TAlignmentText a) {
    alignment_ = a;
    Invalidate();
}

void TbsSkinLabel::SetAutoSize(bool on) {
    autoSize_ = on;
    FitToText();
}

void TbsSkinLabel::SetBorderStyle(TbsSkinBorderStyle s) {
    borderStyle_ = s;
    Invalidate();
}

void TbsSkinLabel::SetEllipsType(TbsEllipsType2 t) {
    ellipsType_ = t;
    Invalidate();
}

void TbsSkinLabel::FitToText() {
    if (!autoSize_) return;
    Size extent = ControlFontEngine().TextExtent(DrawFont(), Caption());
    SetWidth(extent.cx + TextIndent() + 4);
}

void TbsSkinLabel::TextChanged() {
    FitToText();
    Repaint();
}

void TbsSkinLabel::PaintDefaultLook(Bitmap& bitmap) {
    Canvas c(bitmap);
    Rect all{0, 0, Width(), Height()};
    DrawBorderStyleBox(c, all, borderStyle_);
    Rect text{2 + TextIndent(), 0, Width() - 2, Height()};
    unsigned format = AlignFlags(alignment_) | kDtVCenter | kDtSingleLine;
    if (ellipsType_ == TbsEllipsType2::bsetEllips) format |= kDtEndEllipsis;
    Color color = EnabledThroughParents() ? DefaultFont().Color() : clGrayText;
    PaintText(c, DefaultFont(), color, Caption(), text, format);
}

TFont TbsSkinLabel::DrawFont() {
    ReadSkinData();
    const auto* s = link_.Section<TbsDataSkinLabelControl>();
    if (s == nullptr) return DefaultFont();
    TFont font = UseSkinFont() ? SectionFont(*s) : DefaultFont();
    font.SetColor(useSkinFontColor_ ? SkinColor(s->FontColor) : DefaultFont().Color());
    return font;
}

void TbsSkinLabel::PaintSkinLook(Bitmap& bitmap) {
    TbsSkinCustomControl::PaintSkinLook(bitmap);
    Canvas c(bitmap);
    const Rect area = resizeMode_ == SkinResizeMode::None
                          ? ClientRect()
                          : dsp::CalcSkinSize(anchors_, resizeMode_, Width(), Height()).clientRect;
    PaintGlyph(c, area);
    Rect text{area.left + TextIndent(), area.top, area.right, area.bottom};
    unsigned format = AlignFlags(alignment_) | kDtVCenter | kDtSingleLine;
    if (ellipsType_ == TbsEllipsType2::bsetEllips) format |= kDtEndEllipsis;
    TFont font = DrawFont();
    PaintText(c, font, font.Color(), Caption(), text, format);
}

TbsSkinStatusPanel::TbsSkinStatusPanel(TComponent* owner) : TbsSkinLabel(owner) {
    SetSkinDataName(SkinSectionName(SkinSection::StatusPanel));
    SetWidth(120);
}

void TbsSkinStatusPanel::SetGlyph(const Bitmap& glyph) {
    glyph_ = glyph;
    Invalidate();
}

void TbsSkinStatusPanel::SetNumGlyphs(int n) {
    if (n < 1 || n > 2) return;
    numGlyphs_ = n;
    Invalidate();
}

void TbsSkinStatusPanel::PaintDefaultLook(Bitmap& bitmap) {
    TbsSkinLabel::PaintDefaultLook(bitmap);
    Canvas c(bitmap);
    PaintGlyph(c, {2, 0, Width(), Height()});
}

void TbsSkinStatusPanel::PaintGlyph(Canvas& c, const Rect& area) {
    if (glyph_.Empty()) return;
    int w = glyph_.Width() / numGlyphs_;
    int state = (!EnabledThroughParents() && numGlyphs_ == 2) ? 1 : 0;
    Point at{area.left, area.top + (area.Height() - glyph_.Height()) / 2};
    c.DrawTransparent(at, glyph_, {state * w, 0, state * w + w, glyph_.Height()},
                      glyph_.GetPixel(0, glyph_.Height() - 1));
}

TbsSkinStdLabel::TbsSkinStdLabel(TComponent* owner)
    : TGraphicControl(owner), SkinLinked(SkinSectionName(SkinSection::StdLabel)) {
    SetBounds(0, 0, 65, 17);
}

void TbsSkinStdLabel::SetSkinData(TbsSkinData* data) {
    link_.SetSkinData(data);
    ApplySkinData();
}

void TbsSkinStdLabel::ForgetSkinData() {
    link_.Forget();
    Invalidate();
}

void TbsSkinStdLabel::ApplySkinData() {
    link_.Read();
    FitToText();
    Invalidate();
}

void TbsSkinStdLabel::SetDefaultFont(const TFont& f) {
    defaultFont_ = f;
    FitToText();
    Invalidate();
}

void TbsSkinStdLabel::SetFont(const TFont& f) {
    font_ = f;
    FitToText();
    Invalidate();
}

void TbsSkinStdLabel::SetUseSkinFont(bool on) {
    useSkinFont_ = on;
    Invalidate();
}

void TbsSkinStdLabel::SetUseSkinColor(bool on) {
    useSkinColor_ = on;
    Invalidate();
}

void TbsSkinStdLabel::SetEllipsType(TbsEllipsType t) {
    ellipsType_ = t;
    Invalidate();
}

void TbsSkinStdLabel::SetAlignment(TAlignmentText a) {
    alignment_ = a;
    Invalidate();
}

void TbsSkinStdLabel::SetAutoSize(bool on) {
    autoSize_ = on;
    FitToText();
}

void TbsSkinStdLabel::SetWordWrap(bool on) {
    wordWrap_ = on;
    FitToText();
    Invalidate();
}

TFont TbsSkinStdLabel::DrawFont() const {
    // Without a section the default font stands in for the skin's.
    const auto* s = link_.Section<TbsDataSkinStdLabelControl>();
    if (s == nullptr) return useSkinFont_ ? defaultFont_ : font_;
    TFont f = useSkinFont_ ? SectionFont(*s) : font_;
    f.SetColor(useSkinColor_ ? SkinColor(s->FontColor) : font_.Color());
    return f;
}

unsigned TbsSkinStdLabel::Format() const {
    unsigned f = AlignFlags(alignment_);
    if (wordWrap_) f |= kDtWordBreak;
    if (ellipsType_ == TbsEllipsType::bsetEndEllips) f |= kDtEndEllipsis;
    if (ellipsType_ == TbsEllipsType::bsetPathEllips) f |= kDtPathEllipsis;
    return f;
}

void TbsSkinStdLabel::FitToText() {
    if (!autoSize_) return;
    Rect r{0, 0, wordWrap_ ? Width() : 0, 0};
    Bitmap scratch(1, 1);
    Canvas c(scratch);
    DrawText(ControlFontEngine(), c, DrawFont(), Caption(), r, Format() | kDtCalcRect);
    SetBounds(Left(), Top(), r.Width(), std::max(r.Height(), TextHeight(DrawFont())));
}

void TbsSkinStdLabel::TextChanged() {
    FitToText();
    Repaint();
}

void TbsSkinStdLabel::PaintText(Canvas& canvas) {
    TFont f = DrawFont();
    Rect r{0, 0, Width(), Height()};
    if (!EnabledThroughParents()) {
        // Engraved: a highlight copy one pixel down and right, then the
        // shadow; a skin brings its own two shades.
        const bool skinned = link_.SectionData() != nullptr;
        const TbsSkinColors* colors = skinned ? &SkinData()->SkinColors() : nullptr;
        f.SetColor(colors ? SkinColor(colors->cBtnHighLight) : clBtnHighlight);
        Rect shifted = r.Offset(1, 1);
        DrawText(ControlFontEngine(), canvas, f, Caption(), shifted, Format());
        f.SetColor(colors ? SkinColor(colors->cBtnShadow) : clBtnShadow);
    }
    DrawText(ControlFontEngine(), canvas, f, Caption(), r, Format());
}

void TbsSkinStdLabel::Paint() {
    link_.Read();  // a std label looks its section up at each paint
    PaintText(*PaintCanvas());
}

Bitmap TbsSkinStdLabel::PaintToBitmap(Color background) {
    link_.Read();
    Bitmap b(Width(), Height(), background);
    Canvas c(b);
    PaintText(c);
    return b;
}

}  // namespace dsp
