#include "controls/label.h"

#include "controls/look/label_look.h"
#include "controls/look/skin_text.h"
#include "controls/look/std_label_look.h"
#include "controls/look/text_paint.h"
#include "controls/skin_sections.h"
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
    Size extent = Fonts().TextExtent(DrawFont(), Caption());
    SetWidth(extent.cx + TextIndent() + 4);
}

void TbsSkinLabel::TextChanged() {
    FitToText();
    Repaint();
}

LabelVisual TbsSkinLabel::Visual(const Rect& area, const TFont& font) const {
    LabelVisual v;
    v.width = Width();
    v.height = Height();
    v.border = borderStyle_;
    v.area = area;
    v.indent = TextIndent();
    v.caption = Caption();
    v.font = font;
    v.format = AlignFlags(alignment_) | kDtVCenter | kDtSingleLine;
    if (ellipsType_ == TbsEllipsType2::bsetEllips) v.format |= kDtEndEllipsis;
    AddGlyph(v);
    return v;
}

void TbsSkinLabel::PaintDefaultLook(LookContext& look) {
    TFont font = DefaultFont();
    if (!EnabledThroughParents()) font.SetColor(clGrayText);
    PaintLabelDefault(look, Visual({2, 0, Width() - 2, Height()}, font));
}

TFont TbsSkinLabel::DrawFont() {
    const auto* s = link_.Section<TbsDataSkinLabelControl>();
    if (s == nullptr) return DefaultFont();
    TFont font = UseSkinFont() ? SectionFont(*s) : DefaultFont();
    font.SetColor(useSkinFontColor_ ? SkinColor(s->FontColor) : DefaultFont().Color());
    return font;
}

void TbsSkinLabel::PaintSkinLook(LookContext& look) {
    TbsSkinCustomControl::PaintSkinLook(look);
    const Rect area = resizeMode_ == SkinResizeMode::None
                          ? ClientRect()
                          : dsp::CalcSkinSize(anchors_, resizeMode_, Width(), Height()).clientRect;
    const LabelVisual v = Visual(area, DrawFont());
    PaintLabelSkin(look, v);
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

void TbsSkinStatusPanel::AddGlyph(LabelVisual& v) const {
    if (glyph_.Empty()) return;
    const int w = glyph_.Width() / numGlyphs_;
    const int state = (!EnabledThroughParents() && numGlyphs_ == 2) ? 1 : 0;
    v.glyph = &glyph_;
    v.glyphCell = {state * w, 0, state * w + w, glyph_.Height()};
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
    DrawText(Fonts(), c, DrawFont(), Caption(), r, Format() | kDtCalcRect);
    SetBounds(Left(), Top(), r.Width(), std::max(r.Height(), TextHeight(Fonts(), DrawFont())));
}

void TbsSkinStdLabel::TextChanged() {
    FitToText();
    Repaint();
}

StdLabelVisual TbsSkinStdLabel::Visual() const {
    StdLabelVisual v;
    v.width = Width();
    v.height = Height();
    v.caption = Caption();
    v.font = DrawFont();
    v.format = Format();
    v.enabled = EnabledThroughParents();
    // A skin brings its own two shades for the engraved caption.
    if (link_.SectionData() != nullptr) {
        const TbsSkinColors& colors = SkinData()->SkinColors();
        v.highlight = SkinColor(colors.cBtnHighLight);
        v.shadow = SkinColor(colors.cBtnShadow);
    }
    return v;
}

void TbsSkinStdLabel::PaintText(Canvas& canvas) {
    LookContext look{canvas, Fonts()};
    PaintStdLabel(look, Visual());
}

// Most repaints of the window draw a label's same caption over the same
// pixels again: the memo copies the picture back then.
void TbsSkinStdLabel::Paint() {
    Canvas& canvas = *PaintCanvas();
    const StdLabelVisual v = Visual();
    const bool same = memoLook_ && SameStdLabelLook(*memoLook_, v);
    const bool kept = memo_.Paint(canvas, {Width(), Height()}, same, [&] {
        LookContext look{canvas, Fonts()};
        PaintStdLabel(look, v);
    });
    if (!kept) return;
    memoCaption_ = std::string(v.caption);
    memoLook_ = v;
    memoLook_->caption = memoCaption_;
}

Bitmap TbsSkinStdLabel::PaintToBitmap(Color background) {
    Bitmap b(Width(), Height(), background);
    Canvas c(b);
    PaintText(c);
    return b;
}

}  // namespace dsp
