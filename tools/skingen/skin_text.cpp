#include "tools/skingen/skin_text.h"

#include <string>
#include <utility>
#include <vector>

#include "tools/skingen/geometry.h"
#include "tools/skingen/ini_writer.h"

namespace dsp::skingen {

namespace {

using geo::Anchors;

constexpr Color kMagenta = 0xFF00FF;  // 16711935, the thumbs' transparent colour

// The control sections, in registry order, with their type words.
const std::vector<std::pair<const char*, const char*>> kControls = {
    {"button", "button"},         {"trackbar", "trackbar"},   {"htrackbar", "trackbar"},
    {"slider", "slider"},         {"edit", "edit"},           {"spinedit", "spinedit"},
    {"combobox", "combobox"},     {"statuscombobox", "combobox"}, {"listbox", "listbox"},
    {"vscrollbar", "scrollbar"},  {"hscrollbar", "scrollbar"}, {"bothhscrollbar", "scrollbar"},
    {"panel", "panel"},           {"groupbox", "panel"},      {"statusbar", "panel"},
    {"statuspanel", "label"},     {"stdlabel", "stdlabel"},   {"bevel", "bevel"},
};

struct Objects {
    const char* name;
    geo::CaptionButton button;
    const char* command;
    const char* hint;
};
const Objects kButtons[] = {
    {"closebutton", geo::CaptionButton::Close, "cmclose", "Close"},
    {"maxbutton", geo::CaptionButton::Maximize, "cmmaximize", "Maximize"},
    {"minbutton", geo::CaptionButton::Minimize, "cmminimize", "Minimize"},
    {"rollupbutton", geo::CaptionButton::RollUp, "cmrollup", "RollUp"},
    {"sysmenubutton", geo::CaptionButton::SysMenu, "cmsysmenu", "System menu"},
    {"traybutton", geo::CaptionButton::Tray, "cmminimizetotray", "Minimize to Tray"},
};

class SkinText {
public:
    explicit SkinText(const Theme& t) : t_(t) {}

    std::string Build() {
        Version();
        Pictures();
        FormInfo();
        PopupAndHint();
        Colours();
        Registries();
        CaptionObject();
        for (const Objects& o : kButtons) CaptionButton(o);
        Buttons();
        Faders();
        Slider();
        Edits();
        Combos();
        Lists();
        ScrollBars();
        Panels();
        Labels();
        return ini_.Result();
    }

private:
    Color C(Rgb c) const { return ToColor(c); }

    void Version() {
        ini_.Section("VERSION");
        ini_.Int("ver", 3);
        ini_.Text("skinname", t_.name);
        ini_.Text("skinauthor", "dsp-panel project");
        ini_.Text("authoremail", "");
        ini_.Text("authorurl", "");
        ini_.Text("skincomments", t_.comments + " Drawn by tools/skingen.");
    }

    void Pictures() {
        ini_.Section("PICTURES");
        ini_.Text("picture", kFramePictureFile);
        ini_.Text("inactivepicture", "");
        ini_.Text("mask", kMaskFile);
        ini_.Int("activepicturescount", 3);
        ini_.Text("0", kControlsFile);
        ini_.Text("1", kBackgroundFile);
        ini_.Text("2", kCaptionButtonsFile);
    }

    void FormInfo() {
        namespace f = geo::frame;
        ini_.Section("FORMINFO");
        ini_.PointKey("lefttoppoint", f::kLeftTop);
        ini_.PointKey("righttoppoint", f::kRightTop);
        ini_.PointKey("leftbottompoint", f::kLeftBottom);
        ini_.PointKey("rightbottompoint", f::kRightBottom);
        ini_.RectKey("clientrect", f::kClient);
        ini_.Int("bgpictureindex", geo::kBackgroundPicture);
        ini_.Int("mdibgpictureindex", geo::kBackgroundPicture);
        for (const char* k : {"leftstretch", "rightstretch", "topstretch", "bottomstretch", "stretcheffect"})
            ini_.Bool(k, false);
        ini_.Text("stretchtype", "stfull");
        ini_.Bool("mdibgstretcheffect", false);
        ini_.Text("mdibgstretchtype", "stfull");
        ini_.RectKey("maskrectarea", f::kClient);
        ini_.RectKey("buttonsrect", f::kButtons);
        ini_.RectKey("captionrect", f::kCaption);
        ini_.Int("buttonsoffset", 0);
        ini_.Bool("buttonsinleft", false);
        ini_.Bool("mainmenupopupup", false);
        ini_.Int("borderwidth", 4);
        ini_.Int("formminwidth", 0);
        ini_.Bool("mditabstransparent", false);
        ini_.Bool("mainmenubartransparent", false);
        ini_.Bool("autorenderinginactiveimage", false);
        ini_.Text("inactiveeffect", "iedarkness");
    }

    void PopupAndHint() {
        ini_.Section("POPUPWINDOW");
        ini_.Int("windowpictureindex", -1);
        ini_.Int("maskpictureindex", -1);
        ini_.Colour("scrollmarkercolor", C(t_.text));
        ini_.Colour("scrollmarkeractivecolor", C(t_.accent));
        ini_.Section("HINTWINDOW");
        ini_.Int("windowpictureindex", -1);
        ini_.Int("maskpictureindex", -1);
        Font(C(t_.fieldText));
    }

    void Colours() {
        ini_.Section("SKINCOLORS");
        ini_.Colour("cbtnface", C(t_.chassis));
        ini_.Colour("cbtntext", C(t_.text));
        ini_.Colour("cwindow", C(t_.field));
        ini_.Colour("cwindowtext", C(t_.fieldText));
        ini_.Colour("chighlight", C(t_.accent));
        ini_.Colour("chighlighttext", C(t_.fieldText));
        ini_.Colour("cbtnhighlight", C(t_.bevelLight));
        ini_.Colour("cbtnshadow", C(t_.bevelShadow));
    }

    void Registries() {
        ini_.Section("SKINOBJECTS");
        ini_.Int("count", 1 + int(std::size(kButtons)));
        ini_.Text("0", "caption1:caption");
        for (std::size_t i = 0; i < std::size(kButtons); ++i)
            ini_.Text(std::to_string(i + 1), std::string(kButtons[i].name) + ":stdbutton");
        ini_.Section("SKINCONTROLS");
        ini_.Int("count", int(kControls.size()));
        for (std::size_t i = 0; i < kControls.size(); ++i)
            ini_.Text(std::to_string(i), std::string(kControls[i].first) + ":" + kControls[i].second);
    }

    // --- frame objects
    void ObjectKeys(const char* hint, int picture, const Rect& skin, const Rect& active, const Rect& inactive,
                    bool morphing) {
        ini_.Text("hint", hint);
        ini_.Int("activepictureindex", picture);
        ini_.Bool("skinrectinapicture", false);
        ini_.RectKey("skinrect", skin);
        ini_.RectKey("activeskinrect", active);
        ini_.RectKey("inactiveskinrect", inactive);
        ini_.Bool("morphing", morphing);
        ini_.Text("morphkind", "mkdefault");
    }

    void CaptionObject() {
        ini_.Section("caption1");
        ObjectKeys("", -1, geo::frame::kCaption, {}, {}, false);
        ini_.RectKey("textrect", geo::frame::kCaptionText);
        ini_.Text("fontname", "Arial");
        ini_.Int("fontheight", 14);
        ini_.Text("fontstyle", "fsbold");
        ini_.Colour("fontcolor", C(t_.dimText));
        ini_.Colour("activefontcolor", C(t_.text));
        ini_.Text("alignment", "taleftjustify");
        ini_.Bool("light", false);
        ini_.Colour("lightcolor", 0);
        ini_.Colour("activelightcolor", 0);
        ini_.Bool("shadow", true);
        ini_.Colour("shadowcolor", C(t_.rim));
        ini_.Colour("activeshadowcolor", C(t_.rim));
        ini_.Int("frameleftoffset", 0);
        ini_.Int("framerightoffset", 0);
        ini_.Bool("stretcheffect", false);
        ini_.Int("framecount", 0);
        ini_.Int("animateinterval", 25);
        ini_.Bool("inactiveanimation", false);
        ini_.Bool("fullframe", false);
    }

    void CaptionButton(const Objects& o) {
        using S = geo::ButtonState;
        auto cell = [&](S s) { return geo::CaptionButtonStateRect(o.button, s); };
        ini_.Section(o.name);
        ObjectKeys(o.hint, geo::kFrameButtonsPicture, geo::CaptionButtonRect(o.button), cell(S::Hot),
                   cell(S::Inactive), true);
        ini_.RectKey("downrect", cell(S::Down));
        ini_.RectKey("disableskinrsect", cell(S::Disabled));
        ini_.Text("command", o.command);
        const bool restores = o.button == geo::CaptionButton::Maximize || o.button == geo::CaptionButton::RollUp;
        ini_.RectKey("restorerect", restores ? cell(S::Restore) : Rect{});
        ini_.RectKey("restoreactiverect", restores ? cell(S::RestoreHot) : Rect{});
        ini_.RectKey("restoredownrect", restores ? cell(S::RestoreDown) : Rect{});
        ini_.RectKey("restoreinactiverect", restores ? cell(S::RestoreInactive) : Rect{});
    }

    // --- control sections
    void Control(const char* name, int picture, const Rect& skin) {
        ini_.Section(name);
        ini_.Int("pictureindex", picture);
        ini_.Int("maskpictureindex", -1);
        ini_.RectKey("skinrect", skin);
    }

    void Custom(const char* name, const Rect& skin, const Anchors& a) {
        Control(name, geo::kControlsPicture, skin);
        ini_.PointKey("lefttoppoint", a.leftTop);
        ini_.PointKey("righttoppoint", a.rightTop);
        ini_.PointKey("leftbottompoint", a.leftBottom);
        ini_.PointKey("rightbottompoint", a.rightBottom);
        ini_.RectKey("clientrect", a.client);
        for (const char* k : {"leftstretch", "topstretch", "rightstretch", "bottomstretch", "stretcheffect"})
            ini_.Bool(k, false);
        ini_.Text("stretchtype", "stfull");
    }

    void Font(Color color, int height = 14) {
        ini_.Text("fontname", "Arial");
        ini_.Int("fontheight", height);
        ini_.Text("fontstyle", "");
        ini_.Colour("fontcolor", color);
    }

    void Buttons() {
        namespace g = geo::button;
        Custom("button", g::kNormal, g::kAnchors);
        Font(C(t_.text), t_.buttonFontHeight);
        ini_.Colour("activefontcolor", C({255, 255, 255}));
        ini_.Colour("downfontcolor", C(t_.ledKeys ? Shade(t_.led, 0.3) : Shade(t_.text, 0.1)));
        ini_.Colour("disabledfontcolor", C(Mix(t_.dimText, t_.chassis, 0.3)));
        ini_.RectKey("activeskinrect", g::kHot);
        ini_.RectKey("downskinrect", g::kDown);
        ini_.RectKey("focusedskinrect", g::kFocused);
        ini_.RectKey("disabledskinrect", g::kDisabled);
        ini_.Bool("morphing", true);
        ini_.Text("morphkind", "mkdefault");
        ini_.RectKey("animateskinrect", {});
        ini_.Int("framecount", 0);
        ini_.Int("animateinterval", 25);
        ini_.Bool("showfocus", false);
    }

    void Fader(const char* name, const Rect& body, const Rect& active, const Anchors& a, const Rect& area,
               const Rect& thumb, const Rect& thumbHot, bool vertical) {
        Custom(name, body, a);
        ini_.RectKey("activeskinrect", active);
        ini_.RectKey("trackarea", area);
        ini_.RectKey("buttonrect", thumb);
        ini_.RectKey("activebuttonrect", thumbHot);
        ini_.Bool("vertical", vertical);
        ini_.Bool("buttontransparent", true);
        ini_.Colour("buttontransparentcolor", kMagenta);
    }

    void Faders() {
        namespace v = geo::trackbar;
        namespace h = geo::htrackbar;
        Fader("trackbar", v::kBody, v::kActive, v::kAnchors, v::kTrackArea, v::kThumb, v::kThumbHot, true);
        Fader("htrackbar", h::kBody, h::kActive, h::kAnchors, h::kTrackArea, h::kThumb, h::kThumbHot, false);
    }

    void Slider() {
        namespace g = geo::slider;
        Control("slider", geo::kControlsPicture, {});
        ini_.Colour("bgcolor", C(t_.chassis));
        ini_.RectKey("hrulerrect", g::kHRuler);
        ini_.RectKey("hthumbrect", g::kHThumb);
        ini_.RectKey("vrulerrect", g::kVRuler);
        ini_.RectKey("vthumbrect", g::kVThumb);
        ini_.Int("edgesize", g::kEdgeSize);
        ini_.Colour("pointscolor", C(Mix(t_.chassis, t_.dimText, 0.85)));
    }

    void Edits() {
        {
            namespace g = geo::edit;
            Custom("edit", g::kBody, g::kAnchors);
            ini_.RectKey("activeskinrect", g::kActive);
            Font(C(t_.fieldText));
            ini_.Colour("disabledfontcolor", C(Mix(t_.fieldText, t_.field, 0.55)));
            ini_.Colour("activefontcolor", C(t_.fieldText));
            for (const char* k : {"buttonrect", "activebuttonrect", "downbuttonrect", "unenabledbuttonrect"})
                ini_.RectKey(k, {});
        }
        {
            namespace g = geo::spinedit;
            Custom("spinedit", g::kBody, g::kAnchors);
            ini_.RectKey("activeskinrect", g::kActive);
            Font(C(t_.fieldText));
            ini_.Colour("activefontcolor", C(t_.fieldText));
            ini_.Colour("disabledfontcolor", C(Mix(t_.fieldText, t_.field, 0.55)));
            ini_.RectKey("upbuttonrect", g::kUp);
            ini_.RectKey("activeupbuttonrect", g::kUpHot);
            ini_.RectKey("downupbuttonrect", g::kUpPressed);
            ini_.RectKey("downbuttonrect", g::kDown);
            ini_.RectKey("activedownbuttonrect", g::kDownHot);
            ini_.RectKey("downdownbuttonrect", g::kDownPressed);
        }
    }

    struct ComboGeometry {
        Rect body, active;
        Anchors anchors;
        Rect item, itemActive, itemFocus, itemText, button, buttonHot, buttonDown, buttonDisabled;
    };

    void Combo(const char* name, const ComboGeometry& g) {
        Custom(name, g.body, g.anchors);
        ini_.RectKey("activeskinrect", g.active);
        ini_.RectKey("itemrect", g.item);
        ini_.RectKey("activeitemrect", g.itemActive);
        ini_.RectKey("focusitemrect", g.itemFocus);
        ini_.Int("itemleftoffset", 2);
        ini_.Int("itemrightoffset", 2);
        ini_.RectKey("itemtextrect", g.itemText);
        Font(C(t_.fieldText));
        ini_.Colour("focusfontcolor", C(t_.fieldText));
        ini_.Colour("activefontcolor", C(t_.fieldText));
        ini_.Text("listboxname", "listbox");
        ini_.RectKey("buttonrect", g.button);
        ini_.RectKey("activebuttonrect", g.buttonHot);
        ini_.RectKey("downbuttonrect", g.buttonDown);
        ini_.RectKey("unenabledbuttonrect", g.buttonDisabled);
        ini_.Bool("itemstretcheffect", false);
        ini_.Bool("focusitemstretcheffect", false);
        ini_.Bool("showfocus", false);
    }

    void Combos() {
        {
            namespace g = geo::combobox;
            Combo("combobox", {g::kBody, g::kActive, g::kAnchors, g::kItem, g::kItemActive, g::kItemFocus,
                               g::kItemText, g::kButton, g::kButtonHot, g::kButtonDown, g::kButtonDisabled});
        }
        {
            namespace g = geo::statuscombobox;
            Combo("statuscombobox", {g::kBody, g::kActive, g::kAnchors, g::kItem, g::kItemActive, g::kItemFocus,
                                     g::kItemText, g::kButton, g::kButtonHot, g::kButtonDown, g::kButtonDisabled});
        }
    }

    void Lists() {
        namespace g = geo::listbox;
        Custom("listbox", g::kBody, g::kAnchors);
        ini_.RectKey("itemrect", g::kItem);
        ini_.RectKey("activeitemrect", g::kItemActive);
        ini_.RectKey("focusitemrect", g::kItemFocus);
        ini_.Int("itemleftoffset", g::kItemOffset);
        ini_.Int("itemrightoffset", g::kItemOffset);
        ini_.RectKey("itemtextrect", g::kItemText);
        Font(C(t_.fieldText));
        ini_.Colour("activefontcolor", C(t_.fieldText));
        ini_.Colour("focusfontcolor", C(t_.fieldText));
        ini_.RectKey("captionrect", {});
        ini_.Text("vscrollbarname", "vscrollbar");
        ini_.Text("hscrollbarname", "hscrollbar");
        ini_.Text("bothhscrollbarname", "bothhscrollbar");
        ini_.Bool("showfocus", false);
    }

    struct ScrollGeometry {
        Rect body;
        Anchors anchors;
        Rect track, first, firstHot, firstDown, second, secondHot, secondDown, thumb, thumbHot, thumbDown;
        int offset;
    };

    void ScrollBar(const char* name, const ScrollGeometry& g) {
        Custom(name, g.body, g.anchors);
        ini_.RectKey("trackarea", g.track);
        ini_.RectKey("upbuttonrect", g.first);
        ini_.RectKey("activeupbuttonrect", g.firstHot);
        ini_.RectKey("downupbuttonrect", g.firstDown);
        ini_.RectKey("downbuttonrect", g.second);
        ini_.RectKey("activedownbuttonrect", g.secondHot);
        ini_.RectKey("downdownbuttonrect", g.secondDown);
        ini_.RectKey("thumbrect", g.thumb);
        ini_.RectKey("activethumbrect", g.thumbHot);
        ini_.RectKey("downthumbrect", g.thumbDown);
        ini_.Int("thumboffset1", g.offset);
        ini_.Int("thumboffset2", g.offset);
        ini_.Bool("thumbtransparent", false);
        ini_.Colour("thumbtransparentcolor", 0);
        ini_.Bool("thumbstretcheffect", false);
        ini_.Int("thumbminsize", 0);
        ini_.Int("thumbminpagesize", 0);
    }

    void ScrollBars() {
        {
            namespace g = geo::vscrollbar;
            ScrollBar("vscrollbar", {g::kBody, g::kAnchors, g::kTrack, g::kUp, g::kUpHot, g::kUpPressed, g::kDown,
                                     g::kDownHot, g::kDownPressed, g::kThumb, g::kThumbHot, g::kThumbDown,
                                     g::kThumbOffset});
        }
        namespace g = geo::hscrollbar;
        const ScrollGeometry h{g::kBody,  g::kAnchors,  g::kTrack,      g::kLeft,      g::kLeftHot,
                               g::kLeftPressed, g::kRight, g::kRightHot, g::kRightPressed, g::kThumb,
                               g::kThumbHot, g::kThumbDown, g::kThumbOffset};
        ScrollBar("hscrollbar", h);
        ScrollBar("bothhscrollbar", h);
    }

    void Panel(const char* name, const Rect& body, const Anchors& a, const Rect& caption) {
        Custom(name, body, a);
        ini_.Int("bgpictureindex", -1);
        ini_.RectKey("captionrect", caption);
        ini_.Text("alignment", "taleftjustify");
        Font(C(t_.text));
    }

    void Panels() {
        Panel("panel", geo::panel::kBody, geo::panel::kAnchors, {});
        Panel("groupbox", geo::groupbox::kBody, geo::groupbox::kAnchors, geo::groupbox::kCaption);
        Panel("statusbar", geo::statusbar::kBody, geo::statusbar::kAnchors, {});
    }

    void Labels() {
        Custom("statuspanel", geo::statuspanel::kBody, geo::statuspanel::kAnchors);
        Font(C(t_.text));
        Control("stdlabel", -1, {});
        Font(C(Shade(t_.text, -0.08)));
        ini_.Colour("activefontcolor", C(t_.accent));
        Control("bevel", -1, {});
        ini_.Colour("lightcolor", C(Mix(t_.chassis, t_.bevelLight, 0.8)));
        ini_.Colour("darkcolor", C(t_.rim));
    }

    const Theme& t_;
    IniWriter ini_;
};

}  // namespace

std::string SkinIniText(const Theme& theme) { return SkinText(theme).Build(); }

}  // namespace dsp::skingen
