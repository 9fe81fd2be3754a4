#pragma once
// TbsSkinLabel and TbsSkinStatusPanel (windowed text cells of the skin), and
// TbsSkinStdLabel (a transparent windowless label). Setting the caption
// repaints at once.

#include <optional>
#include <string>

#include "controls/look/label_look.h"
#include "controls/look/paint_memo.h"
#include "controls/look/std_label_look.h"
#include "controls/model/panel_model.h"
#include "controls/skin_custom_control.h"
#include "controls/skin_link.h"
#include "controls/text_align.h"
#include "platform/framework/control.h"
#include "platform/text/font.h"

namespace dsp {

enum class TbsEllipsType2 { bsetNoneEllips, bsetEllips };
enum class TbsEllipsType { bsetNone, bsetEndEllips, bsetPathEllips };

class TbsSkinLabel : public TbsSkinCustomControl {
  public:
    explicit TbsSkinLabel(TComponent* owner);

    TAlignmentText Alignment() const { return alignment_; }
    void SetAlignment(TAlignmentText a);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool on);
    TbsSkinBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TbsSkinBorderStyle s);
    TbsEllipsType2 EllipsType() const { return ellipsType_; }
    void SetEllipsType(TbsEllipsType2 t);
    bool UseSkinFontColor() const { return useSkinFontColor_; }
    void SetUseSkinFontColor(bool on) { useSkinFontColor_ = on; }

    // The font and colour the caption is drawn with now, by the skin rules.
    TFont DrawFont();

  protected:
    void PaintDefaultLook(LookContext& look) override;
    // The section's body, and the caption in its client rectangle.
    void PaintSkinLook(LookContext& look) override;
    bool SkinLookCoversAll() const override { return BodyCoversAll(); }
    void TextChanged() override;
    // Room kept left of the text (the status panel's glyph).
    virtual int TextIndent() const { return 0; }
    // The glyph, if any, to draw at the left of the caption's area.
    virtual void AddGlyph(LabelVisual&) const {}

  private:
    void FitToText();
    // The caption in `font` (with its colour) in `area`.
    LabelVisual Visual(const Rect& area, const TFont& font) const;

    TAlignmentText alignment_ = TAlignmentText::Left;
    bool autoSize_ = false;
    TbsSkinBorderStyle borderStyle_ = TbsSkinBorderStyle::bvNone;
    TbsEllipsType2 ellipsType_ = TbsEllipsType2::bsetNoneEllips;
    bool useSkinFontColor_ = true;
};

class TbsSkinStatusPanel : public TbsSkinLabel {
  public:
    explicit TbsSkinStatusPanel(TComponent* owner);
    const Bitmap& Glyph() const { return glyph_; }
    void SetGlyph(const Bitmap& glyph);
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int n);

  protected:
    void AddGlyph(LabelVisual& v) const override;
    int TextIndent() const override { return glyph_.Empty() ? 0 : glyph_.Width() / numGlyphs_ + 3; }

  private:
    Bitmap glyph_;
    int numGlyphs_ = 1;
};

class TbsSkinStdLabel : public TGraphicControl, public SkinLinked {
  public:
    explicit TbsSkinStdLabel(TComponent* owner);

    void SetSkinData(TbsSkinData* data) override;
    void ForgetSkinData() override;
    // Reads the section again, fits the size to the text and repaints.
    void ApplySkinData() override;
    const TFont& DefaultFont() const { return defaultFont_; }
    void SetDefaultFont(const TFont& f);
    const TFont& Font() const { return font_; }
    void SetFont(const TFont& f);
    bool UseSkinFont() const { return useSkinFont_; }
    void SetUseSkinFont(bool on);
    bool UseSkinColor() const { return useSkinColor_; }
    void SetUseSkinColor(bool on);
    TbsEllipsType EllipsType() const { return ellipsType_; }
    void SetEllipsType(TbsEllipsType t);
    TAlignmentText Alignment() const { return alignment_; }
    void SetAlignment(TAlignmentText a);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool on);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool on);

    // The font the caption is drawn with now, by the skin rules.
    TFont DrawFont() const;
    Bitmap PaintToBitmap(Color background);

  protected:
    void Paint() override;
    void TextChanged() override;
    void SkinDataLost() override { ApplySkinData(); }
    void SkinDataNameChanged() override { ApplySkinData(); }

  private:
    StdLabelVisual Visual() const;
    void PaintText(Canvas& canvas);
    // The caption's last picture over the pixels behind it, and the look it
    // was painted with (its caption held in `memoCaption_`).
    PaintMemo memo_;
    std::optional<StdLabelVisual> memoLook_;
    std::string memoCaption_;
    unsigned Format() const;
    void FitToText();

    TFont defaultFont_{"Arial", 14};
    TFont font_{"Arial", 14};
    bool useSkinFont_ = true;
    bool useSkinColor_ = true;
    TbsEllipsType ellipsType_ = TbsEllipsType::bsetNone;
    TAlignmentText alignment_ = TAlignmentText::Left;
    bool autoSize_ = true;
    bool wordWrap_ = false;
};

}  // namespace dsp
