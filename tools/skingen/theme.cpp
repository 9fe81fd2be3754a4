#include "tools/skingen/theme.h"

namespace dsp::skingen {

namespace {

Theme Graphite() {
    Theme t;
    t.chassis = {44, 47, 53};
    t.chassisDark = {24, 26, 30};
    t.rim = {14, 15, 17};
    t.bevelLight = {84, 90, 100};
    t.bevelShadow = {28, 30, 34};
    t.keyTop = {82, 87, 96};
    t.keyBottom = {54, 58, 65};
    t.accent = {255, 152, 40};
    t.led = {255, 152, 40};
    t.field = {220, 228, 222};
    t.fieldText = {22, 26, 24};
    t.text = {222, 226, 232};
    t.dimText = {120, 126, 134};
    t.captionTop = {64, 68, 76};
    t.captionBottom = {32, 34, 39};
    return t;
}

}  // namespace

Theme MakeTheme(int skinNumber) {
    Theme t = Graphite();
    t.number = skinNumber;
    switch (skinNumber) {
        case 2:
            t.name = "dsp-panel console";
            t.comments = "Faders and read-outs: steel fader caps over an amber level slot.";
            t.keyTop = {96, 102, 112};
            t.keyBottom = {60, 64, 72};
            break;
        case 3:
            t.name = "dsp-panel selector keys";
            t.comments = "Source selector keys with a green indicator strip.";
            t.accent = {96, 230, 130};
            t.led = {96, 236, 128};
            t.keyTop = {76, 80, 88};
            t.keyBottom = {46, 49, 55};
            t.ledKeys = true;
            t.buttonFontHeight = 13;  // "MIC+MUSIC" fits a 75-pixel key
            break;
        default:
            t.name = "dsp-panel graphite";
            t.comments = "Dark studio chassis with an amber-lit caption.";
            break;
    }
    return t;
}

}  // namespace dsp::skingen
