#pragma once
// The properties the stored layout gives, each listed once with the class
// that declares it. AddLayoutProperties<C> puts those class C has into its
// descriptor (see ClassMembers); the component factory calls it for every
// class it knows.

#include "controls/bevel.h"
#include "controls/button.h"
#include "controls/combo_box.h"
#include "controls/label.h"
#include "controls/numeric_edit.h"
#include "controls/panel.h"
#include "controls/slider.h"
#include "controls/spin_edit.h"
#include "controls/track_bar.h"
#include "main/panel/control_class.h"
#include "main/panel/image.h"
#include "main/panel/layout_host.h"
#include "main/panel/property_values.h"
#include "platform/framework/form.h"
#include "skin/compressed_stored_skin.h"
#include "skin/form/skin_form.h"
#include "skin/skin_data.h"
#include "skin/skin_frame.h"

namespace dsp::layout_properties {

using P = const LayoutProperty&;
using H = LayoutHost&;

// The helpers the setters share (property_setters.cpp).
TbsValueType ValueTypeOf(P p);
TbsSkinData* SkinDataOf(P p, H host);
TbsSkinBorderStyle BorderStyleOf(P p);
void SetPictureOf(TImage& image, P p, H host);
TbsCompressedStoredSkin* StoredSkinOf(P p, H host);
void StoreCompressedData(TbsCompressedStoredSkin& skin, P p, H host);

template <class C>
void AddBounds(ClassMembers<C>& m) {
    m.template Property<TControl>("Left", [](TControl& c, P p, H) { c.SetLeft(IntValue(p)); });
    m.template Property<TControl>("Top", [](TControl& c, P p, H) { c.SetTop(IntValue(p)); });
    m.template Property<TControl>("Width", [](TControl& c, P p, H) { c.SetWidth(IntValue(p)); });
    m.template Property<TControl>("Height", [](TControl& c, P p, H) { c.SetHeight(IntValue(p)); });
    m.template Property<TForm>("ClientWidth", [](TForm& f, P p, H) { f.SetClientWidth(IntValue(p)); });
    m.template Property<TbsSkinForm>("ClientWidth",
                                     [](TbsSkinForm& f, P p, H) { f.SetClientWidth(IntValue(p)); });
    m.template Property<TForm>("ClientHeight", [](TForm& f, P p, H) { f.SetClientHeight(IntValue(p)); });
    m.template Property<TbsSkinForm>("ClientHeight",
                                     [](TbsSkinForm& f, P p, H) { f.SetClientHeight(IntValue(p)); });
    m.template Property<TWinControl>("TabOrder", [](TWinControl& c, P p, H) { c.SetTabOrder(IntValue(p)); });
}

template <class C>
void AddCommon(ClassMembers<C>& m) {
    m.template Property<TControl>("Caption", [](TControl& c, P p, H) { c.SetCaption(StringValue(p)); });
    m.template Property<TControl>("Enabled", [](TControl& c, P p, H) { c.SetEnabled(BoolValue(p)); });
    m.template Property<TControl>("Visible", [](TControl& c, P p, H) { c.SetVisible(BoolValue(p)); });
    m.template Property<TControl>("Color", [](TControl& c, P p, H) { c.SetColor(ColorValue(p)); });
    m.template Property<TbsSkinComboBox>("Text",
                                         [](TbsSkinComboBox& c, P p, H) { c.SetText(StringValue(p)); });
    m.template Property<TControl>("Text", [](TControl& c, P p, H) { c.SetText(StringValue(p)); });
    m.template Property<SkinDataUser>("SkinData",
                                      [](SkinDataUser& c, P p, H h) { c.SetSkinData(SkinDataOf(p, h)); });
    m.template Property<TbsSkinComponent>(
        "SkinData", [](TbsSkinComponent& c, P p, H h) { c.SetSkinData(SkinDataOf(p, h)); });
    m.template Property<SkinLinked>("SkinDataName",
                                    [](SkinLinked& c, P p, H) { c.SetSkinDataName(StringValue(p)); });
    m.template Property<TbsSkinCustomControl>(
        "UseSkinFont", [](TbsSkinCustomControl& c, P p, H) { c.SetUseSkinFont(BoolValue(p)); });
    m.template Property<TbsSkinStdLabel>("UseSkinFont",
                                         [](TbsSkinStdLabel& c, P p, H) { c.SetUseSkinFont(BoolValue(p)); });
    m.template Property<TbsSkinStdLabel>("Font.Name", [](TbsSkinStdLabel& c, P p, H) {
        TFont font = c.Font();
        font.SetName(StringValue(p));
        c.SetFont(font);
    });
    m.template Property<TbsSkinStdLabel>("Font.Height", [](TbsSkinStdLabel& c, P p, H) {
        TFont font = c.Font();
        font.SetHeight(IntValue(p));
        c.SetFont(font);
    });
    m.template Property<TbsSkinCustomControl>(
        "DefaultFont.Name", [](TbsSkinCustomControl& c, P p, H) { c.DefaultFont().SetName(StringValue(p)); });
    m.template Property<TbsSkinCustomControl>("DefaultFont.Height", [](TbsSkinCustomControl& c, P p, H) {
        c.DefaultFont().SetHeight(IntValue(p));
    });
    m.template Property<TbsSkinCustomControl>("DefaultFont.Color", [](TbsSkinCustomControl& c, P p, H) {
        c.DefaultFont().SetColor(ColorValue(p));
    });
}

// The skins: a stored skin takes its embedded stream; a skin data object
// loads the stored skin it names (the stored skins come first in the layout).
template <class C>
void AddSkins(ClassMembers<C>& m) {
    using Stored = TbsCompressedStoredSkin;
    m.template Property<Stored>("FileName", [](Stored& c, P p, H) { c.SetFileName(StringValue(p)); });
    m.template Property<Stored>("CompressedData", [](Stored& c, P p, H h) { StoreCompressedData(c, p, h); });
    m.template Property<TbsSkinData>("SkinnableForm",
                                     [](TbsSkinData& c, P p, H) { c.SetSkinnableForm(BoolValue(p)); });
    m.template Property<TbsSkinData>("EnableSkinEffects",
                                     [](TbsSkinData& c, P p, H) { c.SetEnableSkinEffects(BoolValue(p)); });
    m.template Property<TbsSkinData>("SkinIndex",
                                     [](TbsSkinData& c, P p, H) { c.SetSkinIndex(IntValue(p)); });
    m.template Property<TbsSkinData>("CompressedStoredSkin", [](TbsSkinData& c, P p, H h) {
        c.SetCompressedStoredSkin(StoredSkinOf(p, h));
    });
    m.template Property<TbsSkinFrame>("DrawBackground",
                                      [](TbsSkinFrame& c, P p, H) { c.SetDrawBackground(BoolValue(p)); });
}

template <class C>
void AddValues(ClassMembers<C>& m) {
    m.template Property<TbsSkinTrackBar>("MinValue",
                                         [](TbsSkinTrackBar& c, P p, H) { c.SetMinValue(IntValue(p)); });
    m.template Property<TbsSkinSlider>("MinValue",
                                       [](TbsSkinSlider& c, P p, H) { c.SetMinValue(IntValue(p)); });
    m.template Property<TbsSkinSpinEdit>("MinValue",
                                         [](TbsSkinSpinEdit& c, P p, H) { c.SetMinValue(IntValue(p)); });
    m.template Property<TbsSkinNumericEdit>(
        "MinValue", [](TbsSkinNumericEdit& c, P p, H) { c.SetMinValue(IntValue(p)); });
    m.template Property<TbsSkinTrackBar>("MaxValue",
                                         [](TbsSkinTrackBar& c, P p, H) { c.SetMaxValue(IntValue(p)); });
    m.template Property<TbsSkinSlider>("MaxValue",
                                       [](TbsSkinSlider& c, P p, H) { c.SetMaxValue(IntValue(p)); });
    m.template Property<TbsSkinSpinEdit>("MaxValue",
                                         [](TbsSkinSpinEdit& c, P p, H) { c.SetMaxValue(IntValue(p)); });
    m.template Property<TbsSkinNumericEdit>(
        "MaxValue", [](TbsSkinNumericEdit& c, P p, H) { c.SetMaxValue(IntValue(p)); });
    m.template Property<TbsSkinTrackBar>("Value",
                                         [](TbsSkinTrackBar& c, P p, H) { c.SetValue(IntValue(p)); });
    m.template Property<TbsSkinSlider>("Value", [](TbsSkinSlider& c, P p, H) { c.SetValue(IntValue(p)); });
    m.template Property<TbsSkinSpinEdit>("Value",
                                         [](TbsSkinSpinEdit& c, P p, H) { c.SetValue(IntValue(p)); });
    m.template Property<TbsSkinNumericEdit>("Value",
                                            [](TbsSkinNumericEdit& c, P p, H) { c.SetValue(IntValue(p)); });
    m.template Property<TbsSkinSlider>("Increment",
                                       [](TbsSkinSlider& c, P p, H) { c.SetIncrement(IntValue(p)); });
    m.template Property<TbsSkinSpinEdit>("Increment",
                                         [](TbsSkinSpinEdit& c, P p, H) { c.SetIncrement(IntValue(p)); });
    m.template Property<TbsSkinNumericEdit>(
        "Increment", [](TbsSkinNumericEdit& c, P p, H) { c.SetIncrement(IntValue(p)); });
    m.template Property<TbsSkinSpinEdit>("ValueType",
                                         [](TbsSkinSpinEdit& c, P p, H) { c.SetValueType(ValueTypeOf(p)); });
    m.template Property<TbsSkinNumericEdit>(
        "ValueType", [](TbsSkinNumericEdit& c, P p, H) { c.SetValueType(ValueTypeOf(p)); });
    m.template Property<TbsSkinCustomEdit>("ReadOnly",
                                           [](TbsSkinCustomEdit& c, P p, H) { c.SetReadOnly(BoolValue(p)); });
    m.template Property<TbsSkinNumericEdit>(
        "SupportUpDownKeys", [](TbsSkinNumericEdit& c, P p, H) { c.SetSupportUpDownKeys(BoolValue(p)); });
}

template <class C>
void AddKinds(ClassMembers<C>& m) {
    m.template Property<TbsSkinTrackBar>("Vertical",
                                         [](TbsSkinTrackBar& c, P p, H) { c.SetVertical(BoolValue(p)); });
    m.template Property<TbsSkinTrackBar>("CanFocused",
                                         [](TbsSkinTrackBar& c, P p, H) { c.SetCanFocused(BoolValue(p)); });
    m.template Property<TbsSkinButton>("CanFocused",
                                       [](TbsSkinButton& c, P p, H) { c.SetCanFocused(BoolValue(p)); });
    m.template Property<TbsSkinTrackBar>(
        "JumpWhenClick", [](TbsSkinTrackBar& c, P p, H) { c.SetJumpWhenClick(BoolValue(p)); });
    m.template Property<TbsSkinTrackBar>("MouseSupport",
                                         [](TbsSkinTrackBar& c, P p, H) { c.SetMouseSupport(BoolValue(p)); });
    m.template Property<TbsSkinSlider>("Orientation", [](TbsSkinSlider& c, P p, H) {
        c.SetOrientation(EnumValue(p, {"soHorizontal", "soVertical"}) ? TbsSliderOrientation::soVertical
                                                                      : TbsSliderOrientation::soHorizontal);
    });
    m.template Property<TbsSkinComboBox>("Style",
                                         [](TbsSkinComboBox&, P p, H) { EnumValue(p, {"bscbFixedStyle"}); });
    m.template Property<TbsSkinBevel>("Style", [](TbsSkinBevel& c, P p, H) {
        c.SetStyle(EnumValue(p, {"bsLowered", "bsRaised"}) ? TBevelStyle::bsRaised : TBevelStyle::bsLowered);
    });
    m.template Property<TbsSkinSlider>("Transparent",
                                       [](TbsSkinSlider& c, P p, H) { c.SetTransparent(BoolValue(p)); });
    m.template Property<TbsSkinSlider>("UseSkinThumb",
                                       [](TbsSkinSlider& c, P p, H) { c.SetUseSkinThumb(BoolValue(p)); });
    m.template Property<TbsSkinComboBox>("Items",
                                         [](TbsSkinComboBox& c, P p, H) { c.SetItems(StringListValue(p)); });
    m.template Property<TbsSkinComboBox>("ItemIndex",
                                         [](TbsSkinComboBox& c, P p, H) { c.SetItemIndex(IntValue(p)); });
    m.template Property<TbsSkinComboBox>("DropDownCount",
                                         [](TbsSkinComboBox& c, P p, H) { c.SetDropDownCount(IntValue(p)); });
    m.template Property<TbsSkinPanel>("CaptionMode",
                                      [](TbsSkinPanel& c, P p, H) { c.SetCaptionMode(BoolValue(p)); });
    m.template Property<TbsSkinPanel>(
        "DefaultCaptionHeight", [](TbsSkinPanel& c, P p, H) { c.SetDefaultCaptionHeight(IntValue(p)); });
    m.template Property<TbsSkinPanel>("BorderStyle",
                                      [](TbsSkinPanel& c, P p, H) { c.SetBorderStyle(BorderStyleOf(p)); });
    m.template Property<TbsSkinLabel>("BorderStyle",
                                      [](TbsSkinLabel& c, P p, H) { c.SetBorderStyle(BorderStyleOf(p)); });
    m.template Property<TbsSkinStatusBar>("SizeGrip",
                                          [](TbsSkinStatusBar& c, P p, H) { c.SetSizeGrip(BoolValue(p)); });
    m.template Property<TImage>("Picture", [](TImage& c, P p, H h) { SetPictureOf(c, p, h); });
    m.template Property<TImage>("Stretch", [](TImage& c, P p, H) { c.SetStretch(BoolValue(p)); });
}

// The skinned frame. The stored layout names the fallback caption font
// CaptionFont and its inactive colour InActiveCaptionFontColor.
template <class C>
void AddSkinForm(ClassMembers<C>& m) {
    using F = TbsSkinForm;
    m.template Property<F>("BorderIcons", [](F& f, P p, H) {
        f.SetBorderIcons(
            SetValue(p, {"biSystemMenu", "biMinimize", "biMaximize", "biRollUp", "biMinimizeToTray"}));
    });
    m.template Property<F>("CaptionFont.Name", [](F& f, P p, H) {
        f.DefCaptionFont().SetName(StringValue(p));
        f.DefInActiveCaptionFont().SetName(StringValue(p));
    });
    m.template Property<F>("CaptionFont.Height", [](F& f, P p, H) {
        f.DefCaptionFont().SetHeight(IntValue(p));
        f.DefInActiveCaptionFont().SetHeight(IntValue(p));
    });
    m.template Property<F>("CaptionFont.Style", [](F& f, P p, H) {
        const FontStyles style = SetValue(p, {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"});
        f.DefCaptionFont().SetStyle(style);
        f.DefInActiveCaptionFont().SetStyle(style);
    });
    m.template Property<F>("InActiveCaptionFontColor",
                           [](F& f, P p, H) { f.DefInActiveCaptionFont().SetColor(ColorValue(p)); });
    m.template Property<F>("MenusItemHeight", [](F& f, P p, H) { f.SetDefMenuItemHeight(IntValue(p)); });
    m.template Property<F>("ShowIcon", [](F& f, P p, H) { f.SetShowIcon(BoolValue(p)); });
    m.template Property<F>("Magnetic", [](F& f, P p, H) { f.SetMagnetic(BoolValue(p)); });
    m.template Property<F>("MagneticSize", [](F& f, P p, H) { f.SetMagneticSize(IntValue(p)); });
    m.template Property<F>("AlphaBlend", [](F& f, P p, H) { f.SetAlphaBlend(BoolValue(p)); });
    m.template Property<F>("AlphaBlendValue", [](F& f, P p, H) { f.SetAlphaBlendValue(IntValue(p)); });
    m.template Property<F>("AlphaBlendAnimation",
                           [](F& f, P p, H) { f.SetAlphaBlendAnimation(BoolValue(p)); });
}

template <class C>
void AddLayoutProperties(ClassMembers<C>& m) {
    AddBounds(m);
    AddCommon(m);
    AddValues(m);
    AddKinds(m);
    AddSkins(m);
    AddSkinForm(m);
}

}  // namespace dsp::layout_properties
