#include "main/panel/property_setters.h"

#include <functional>
#include <map>
#include <vector>

#include "controls/bevel.h"
#include "controls/button.h"
#include "controls/combo_box.h"
#include "controls/label.h"
#include "controls/numeric_edit.h"
#include "controls/panel.h"
#include "controls/slider.h"
#include "controls/spin_edit.h"
#include "controls/track_bar.h"
#include "main/layout/layout_error.h"
#include "main/panel/image.h"
#include "main/panel/property_values.h"
#include "platform/framework/form.h"
#include "platform/graphics/jpeg_file.h"
#include "skin/compressed_stored_skin.h"
#include "skin/form/skin_form.h"
#include "skin/skin_data.h"
#include "skin/skin_frame.h"

namespace dsp {
namespace {

using Setter = std::function<bool(TComponent&, const LayoutProperty&, LayoutHost&)>;
using P = const LayoutProperty&;
using H = LayoutHost&;

// A setter for the components of class T (and its descendants).
template <class T, class F>
Setter For(F apply) {
    return [apply](TComponent& component, P property, H host) {
        T* target = dynamic_cast<T*>(&component);
        if (!target) return false;
        apply(*target, property, host);
        return true;
    };
}

TbsValueType ValueTypeOf(P p) {
    return EnumValue(p, {"vtInteger", "vtFloat"}) ? TbsValueType::vtFloat : TbsValueType::vtInteger;
}

TbsSkinData* SkinDataOf(P p, H host) {
    TbsSkinData* data = host.SkinDataByName(IdentifierValue(p));
    if (!data) throw ELayoutError(p.line, "no skin data object named " + p.value.text);
    return data;
}

TbsSkinBorderStyle BorderStyleOf(P p) {
    return static_cast<TbsSkinBorderStyle>(EnumValue(p, {"bvFrame", "bvRaised", "bvLowered", "bvNone"}));
}

Bitmap PictureOf(P p, H host) {
    if (p.value.kind != LayoutValueKind::Resource) throw ELayoutError(p.line, p.name + " expects @resource");
    const EmbeddedResource* resource = host.Resource(p.value.text);
    if (!resource) throw ELayoutError(p.line, "no embedded resource named " + p.value.text);
    try {
        return DecodeJpeg(resource->Bytes());
    } catch (const std::exception& error) {
        throw ELayoutError(p.line, "@" + p.value.text + ": " + error.what());
    }
}

void AddBounds(std::map<std::string, std::vector<Setter>>& t) {
    t["Left"] = {For<TControl>([](TControl& c, P p, H) { c.SetLeft(IntValue(p)); })};
    t["Top"] = {For<TControl>([](TControl& c, P p, H) { c.SetTop(IntValue(p)); })};
    t["Width"] = {For<TControl>([](TControl& c, P p, H) { c.SetWidth(IntValue(p)); })};
    t["Height"] = {For<TControl>([](TControl& c, P p, H) { c.SetHeight(IntValue(p)); })};
    t["ClientWidth"] = {For<TForm>([](TForm& f, P p, H) { f.SetClientWidth(IntValue(p)); }),
                        For<TbsSkinForm>([](TbsSkinForm& f, P p, H) { f.SetClientWidth(IntValue(p)); })};
    t["ClientHeight"] = {For<TForm>([](TForm& f, P p, H) { f.SetClientHeight(IntValue(p)); }),
                         For<TbsSkinForm>([](TbsSkinForm& f, P p, H) { f.SetClientHeight(IntValue(p)); })};
    t["TabOrder"] = {For<TWinControl>([](TWinControl& c, P p, H) { c.SetTabOrder(IntValue(p)); })};
}

void AddCommon(std::map<std::string, std::vector<Setter>>& t) {
    t["Caption"] = {For<TControl>([](TControl& c, P p, H) { c.SetCaption(StringValue(p)); })};
    t["Enabled"] = {For<TControl>([](TControl& c, P p, H) { c.SetEnabled(BoolValue(p)); })};
    t["Visible"] = {For<TControl>([](TControl& c, P p, H) { c.SetVisible(BoolValue(p)); })};
    t["Color"] = {For<TControl>([](TControl& c, P p, H) { c.SetColor(ColorValue(p)); })};
    t["Text"] = {For<TbsSkinComboBox>([](TbsSkinComboBox& c, P p, H) { c.SetText(StringValue(p)); }),
                 For<TControl>([](TControl& c, P p, H) { c.SetText(StringValue(p)); })};
    t["SkinData"] = {
        For<SkinDataUser>([](SkinDataUser& c, P p, H h) { c.SetSkinData(SkinDataOf(p, h)); }),
        For<TbsSkinComponent>([](TbsSkinComponent& c, P p, H h) { c.SetSkinData(SkinDataOf(p, h)); })};
    t["SkinDataName"] = {For<SkinLinked>([](SkinLinked& c, P p, H) { c.SetSkinDataName(StringValue(p)); })};
    t["UseSkinFont"] = {
        For<TbsSkinCustomControl>([](TbsSkinCustomControl& c, P p, H) { c.SetUseSkinFont(BoolValue(p)); }),
        For<TbsSkinStdLabel>([](TbsSkinStdLabel& c, P p, H) { c.SetUseSkinFont(BoolValue(p)); })};
    t["Font.Name"] = {For<TbsSkinStdLabel>([](TbsSkinStdLabel& c, P p, H) {
        TFont font = c.Font();
        font.SetName(StringValue(p));
        c.SetFont(font);
    })};
    t["Font.Height"] = {For<TbsSkinStdLabel>([](TbsSkinStdLabel& c, P p, H) {
        TFont font = c.Font();
        font.SetHeight(IntValue(p));
        c.SetFont(font);
    })};
    t["DefaultFont.Name"] = {For<TbsSkinCustomControl>(
        [](TbsSkinCustomControl& c, P p, H) { c.DefaultFont().SetName(StringValue(p)); })};
    t["DefaultFont.Height"] = {For<TbsSkinCustomControl>(
        [](TbsSkinCustomControl& c, P p, H) { c.DefaultFont().SetHeight(IntValue(p)); })};
    t["DefaultFont.Color"] = {For<TbsSkinCustomControl>(
        [](TbsSkinCustomControl& c, P p, H) { c.DefaultFont().SetColor(ColorValue(p)); })};
}

TbsCompressedStoredSkin* StoredSkinOf(P p, H host) {
    auto* skin = dynamic_cast<TbsCompressedStoredSkin*>(host.RootForm().FindComponent(IdentifierValue(p)));
    if (!skin) throw ELayoutError(p.line, "no stored skin named " + p.value.text);
    return skin;
}

void StoreCompressedData(TbsCompressedStoredSkin& skin, P p, H host) {
    if (p.value.kind != LayoutValueKind::Resource) throw ELayoutError(p.line, p.name + " expects @resource");
    const EmbeddedResource* resource = host.Resource(p.value.text);
    if (!resource) throw ELayoutError(p.line, "no embedded resource named " + p.value.text);
    skin.SetCompressedData(resource->Bytes());
}

// The skins: a stored skin takes its embedded stream; a skin data object
// loads the stored skin it names (the stored skins come first in the layout).
void AddSkins(std::map<std::string, std::vector<Setter>>& t) {
    using Stored = TbsCompressedStoredSkin;
    t["FileName"] = {For<Stored>([](Stored& c, P p, H) { c.SetFileName(StringValue(p)); })};
    t["CompressedData"] = {For<Stored>([](Stored& c, P p, H h) { StoreCompressedData(c, p, h); })};
    t["SkinnableForm"] = {For<TbsSkinData>([](TbsSkinData& c, P p, H) { c.SetSkinnableForm(BoolValue(p)); })};
    t["EnableSkinEffects"] = {
        For<TbsSkinData>([](TbsSkinData& c, P p, H) { c.SetEnableSkinEffects(BoolValue(p)); })};
    t["SkinIndex"] = {For<TbsSkinData>([](TbsSkinData& c, P p, H) { c.SetSkinIndex(IntValue(p)); })};
    t["CompressedStoredSkin"] = {
        For<TbsSkinData>([](TbsSkinData& c, P p, H h) { c.SetCompressedStoredSkin(StoredSkinOf(p, h)); })};
    t["DrawBackground"] = {
        For<TbsSkinFrame>([](TbsSkinFrame& c, P p, H) { c.SetDrawBackground(BoolValue(p)); })};
}

void AddValues(std::map<std::string, std::vector<Setter>>& t) {
    t["MinValue"] = {
        For<TbsSkinTrackBar>([](TbsSkinTrackBar& c, P p, H) { c.SetMinValue(IntValue(p)); }),
        For<TbsSkinSlider>([](TbsSkinSlider& c, P p, H) { c.SetMinValue(IntValue(p)); }),
        For<TbsSkinSpinEdit>([](TbsSkinSpinEdit& c, P p, H) { c.SetMinValue(IntValue(p)); }),
        For<TbsSkinNumericEdit>([](TbsSkinNumericEdit& c, P p, H) { c.SetMinValue(IntValue(p)); })};
    t["MaxValue"] = {
        For<TbsSkinTrackBar>([](TbsSkinTrackBar& c, P p, H) { c.SetMaxValue(IntValue(p)); }),
        For<TbsSkinSlider>([](TbsSkinSlider& c, P p, H) { c.SetMaxValue(IntValue(p)); }),
        For<TbsSkinSpinEdit>([](TbsSkinSpinEdit& c, P p, H) { c.SetMaxValue(IntValue(p)); }),
        For<TbsSkinNumericEdit>([](TbsSkinNumericEdit& c, P p, H) { c.SetMaxValue(IntValue(p)); })};
    t["Value"] = {For<TbsSkinTrackBar>([](TbsSkinTrackBar& c, P p, H) { c.SetValue(IntValue(p)); }),
                  For<TbsSkinSlider>([](TbsSkinSlider& c, P p, H) { c.SetValue(IntValue(p)); }),
                  For<TbsSkinSpinEdit>([](TbsSkinSpinEdit& c, P p, H) { c.SetValue(IntValue(p)); }),
                  For<TbsSkinNumericEdit>([](TbsSkinNumericEdit& c, P p, H) { c.SetValue(IntValue(p)); })};
    t["Increment"] = {
        For<TbsSkinSlider>([](TbsSkinSlider& c, P p, H) { c.SetIncrement(IntValue(p)); }),
        For<TbsSkinSpinEdit>([](TbsSkinSpinEdit& c, P p, H) { c.SetIncrement(IntValue(p)); }),
        For<TbsSkinNumericEdit>([](TbsSkinNumericEdit& c, P p, H) { c.SetIncrement(IntValue(p)); })};
    t["ValueType"] = {
        For<TbsSkinSpinEdit>([](TbsSkinSpinEdit& c, P p, H) { c.SetValueType(ValueTypeOf(p)); }),
        For<TbsSkinNumericEdit>([](TbsSkinNumericEdit& c, P p, H) { c.SetValueType(ValueTypeOf(p)); })};
    t["ReadOnly"] = {
        For<TbsSkinCustomEdit>([](TbsSkinCustomEdit& c, P p, H) { c.SetReadOnly(BoolValue(p)); })};
    t["SupportUpDownKeys"] = {
        For<TbsSkinNumericEdit>([](TbsSkinNumericEdit& c, P p, H) { c.SetSupportUpDownKeys(BoolValue(p)); })};
}

void AddKinds(std::map<std::string, std::vector<Setter>>& t) {
    t["Vertical"] = {For<TbsSkinTrackBar>([](TbsSkinTrackBar& c, P p, H) { c.SetVertical(BoolValue(p)); })};
    t["CanFocused"] = {
        For<TbsSkinTrackBar>([](TbsSkinTrackBar& c, P p, H) { c.SetCanFocused(BoolValue(p)); }),
        For<TbsSkinButton>([](TbsSkinButton& c, P p, H) { c.SetCanFocused(BoolValue(p)); })};
    t["JumpWhenClick"] = {
        For<TbsSkinTrackBar>([](TbsSkinTrackBar& c, P p, H) { c.SetJumpWhenClick(BoolValue(p)); })};
    t["MouseSupport"] = {
        For<TbsSkinTrackBar>([](TbsSkinTrackBar& c, P p, H) { c.SetMouseSupport(BoolValue(p)); })};
    t["Orientation"] = {For<TbsSkinSlider>([](TbsSkinSlider& c, P p, H) {
        c.SetOrientation(EnumValue(p, {"soHorizontal", "soVertical"}) ? TbsSliderOrientation::soVertical
                                                                      : TbsSliderOrientation::soHorizontal);
    })};
    t["Style"] = {For<TbsSkinComboBox>([](TbsSkinComboBox&, P p, H) { EnumValue(p, {"bscbFixedStyle"}); }),
                  For<TbsSkinBevel>([](TbsSkinBevel& c, P p, H) {
                      c.SetStyle(EnumValue(p, {"bsLowered", "bsRaised"}) ? TBevelStyle::bsRaised
                                                                         : TBevelStyle::bsLowered);
                  })};
    t["Transparent"] = {For<TbsSkinSlider>([](TbsSkinSlider& c, P p, H) { c.SetTransparent(BoolValue(p)); })};
    t["UseSkinThumb"] = {
        For<TbsSkinSlider>([](TbsSkinSlider& c, P p, H) { c.SetUseSkinThumb(BoolValue(p)); })};
    t["Items"] = {For<TbsSkinComboBox>([](TbsSkinComboBox& c, P p, H) { c.SetItems(StringListValue(p)); })};
    t["ItemIndex"] = {For<TbsSkinComboBox>([](TbsSkinComboBox& c, P p, H) { c.SetItemIndex(IntValue(p)); })};
    t["DropDownCount"] = {
        For<TbsSkinComboBox>([](TbsSkinComboBox& c, P p, H) { c.SetDropDownCount(IntValue(p)); })};
    t["CaptionMode"] = {For<TbsSkinPanel>([](TbsSkinPanel& c, P p, H) { c.SetCaptionMode(BoolValue(p)); })};
    t["DefaultCaptionHeight"] = {
        For<TbsSkinPanel>([](TbsSkinPanel& c, P p, H) { c.SetDefaultCaptionHeight(IntValue(p)); })};
    t["BorderStyle"] = {
        For<TbsSkinPanel>([](TbsSkinPanel& c, P p, H) { c.SetBorderStyle(BorderStyleOf(p)); }),
        For<TbsSkinLabel>([](TbsSkinLabel& c, P p, H) { c.SetBorderStyle(BorderStyleOf(p)); })};
    t["SizeGrip"] = {For<TbsSkinStatusBar>([](TbsSkinStatusBar& c, P p, H) { c.SetSizeGrip(BoolValue(p)); })};
    t["Picture"] = {For<TImage>([](TImage& c, P p, H h) { c.SetPicture(PictureOf(p, h)); })};
    t["Stretch"] = {For<TImage>([](TImage& c, P p, H) { c.SetStretch(BoolValue(p)); })};
}

// The skinned frame. The stored layout names the fallback caption font
// CaptionFont and its inactive colour InActiveCaptionFontColor.
void AddSkinForm(std::map<std::string, std::vector<Setter>>& t) {
    using F = TbsSkinForm;
    t["BorderIcons"] = {For<F>([](F& f, P p, H) {
        f.SetBorderIcons(
            SetValue(p, {"biSystemMenu", "biMinimize", "biMaximize", "biRollUp", "biMinimizeToTray"}));
    })};
    t["CaptionFont.Name"] = {For<F>([](F& f, P p, H) {
        f.DefCaptionFont().SetName(StringValue(p));
        f.DefInActiveCaptionFont().SetName(StringValue(p));
    })};
    t["CaptionFont.Height"] = {For<F>([](F& f, P p, H) {
        f.DefCaptionFont().SetHeight(IntValue(p));
        f.DefInActiveCaptionFont().SetHeight(IntValue(p));
    })};
    t["CaptionFont.Style"] = {For<F>([](F& f, P p, H) {
        const FontStyles style = SetValue(p, {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"});
        f.DefCaptionFont().SetStyle(style);
        f.DefInActiveCaptionFont().SetStyle(style);
    })};
    t["InActiveCaptionFontColor"] = {
        For<F>([](F& f, P p, H) { f.DefInActiveCaptionFont().SetColor(ColorValue(p)); })};
    t["MenusItemHeight"] = {For<F>([](F& f, P p, H) { f.SetDefMenuItemHeight(IntValue(p)); })};
    t["ShowIcon"] = {For<F>([](F& f, P p, H) { f.SetShowIcon(BoolValue(p)); })};
    t["Magnetic"] = {For<F>([](F& f, P p, H) { f.SetMagnetic(BoolValue(p)); })};
    t["MagneticSize"] = {For<F>([](F& f, P p, H) { f.SetMagneticSize(IntValue(p)); })};
    t["AlphaBlend"] = {For<F>([](F& f, P p, H) { f.SetAlphaBlend(BoolValue(p)); })};
    t["AlphaBlendValue"] = {For<F>([](F& f, P p, H) { f.SetAlphaBlendValue(IntValue(p)); })};
    t["AlphaBlendAnimation"] = {For<F>([](F& f, P p, H) { f.SetAlphaBlendAnimation(BoolValue(p)); })};
}

const std::map<std::string, std::vector<Setter>>& Setters() {
    static const auto table = [] {
        std::map<std::string, std::vector<Setter>> t;
        AddBounds(t);
        AddCommon(t);
        AddValues(t);
        AddKinds(t);
        AddSkins(t);
        AddSkinForm(t);
        return t;
    }();
    return table;
}

}  // namespace

bool ApplyLayoutProperty(TComponent& component, const LayoutProperty& property, LayoutHost& host) {
    const auto found = Setters().find(property.name);
    if (found == Setters().end()) return false;
    for (const Setter& setter : found->second)
        if (setter(component, property, host)) return true;
    return false;
}

}  // namespace dsp
