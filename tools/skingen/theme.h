#pragma once
// The colours of our three skins. All three share the graphite chassis, so
// that controls of one skin sit seamlessly on panels of another (the window
// puts skin 2's faders and read-outs on skin 1's panel and skin 3's selector
// keys on panels of skins 1 and 2); each has its own accent and key faces.

#include <string>

#include "tools/skingen/paint.h"

namespace dsp::skingen {

struct Theme {
    int number = 1;
    std::string name, comments;

    Rgb chassis;       // panel and group box faces: flat, sliders fill with it
    Rgb chassisDark;   // recesses, slots
    Rgb rim;           // the dark outline round every raised part
    Rgb bevelLight;    // top-left highlight of raised parts
    Rgb bevelShadow;   // bottom-right shadow of raised parts
    Rgb keyTop, keyBottom;  // faces of buttons, caption buttons, thumbs
    Rgb accent;        // lit lines, hot outlines, fader level
    Rgb led;           // the indicator strip of selector keys
    Rgb field;         // backlit display surfaces (edit, combo, list)
    Rgb fieldText;
    Rgb text;          // light text on the chassis
    Rgb dimText;
    Rgb captionTop, captionBottom;

    bool ledKeys = false;  // buttons carry an indicator strip (selector keys)
    int buttonFontHeight = 14;
};

Theme MakeTheme(int skinNumber);  // 1, 2 or 3

}  // namespace dsp::skingen
