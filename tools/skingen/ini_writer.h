#pragma once
// IniWriter: builds a skin.ini text section by section, in the value forms
// the skin reader expects (rectangles and points as comma-separated integers,
// booleans as 1 or 0, colours in decimal), with CR LF line ends.

#include <string>
#include <string_view>

#include "platform/graphics/color.h"
#include "platform/graphics/geometry.h"

namespace dsp::skingen {

class IniWriter {
public:
    void Section(std::string_view name);
    void Text(std::string_view key, std::string_view value);
    void Int(std::string_view key, int value);
    void Colour(std::string_view key, Color value);
    void Bool(std::string_view key, bool value);
    void RectKey(std::string_view key, const Rect& r);
    void PointKey(std::string_view key, Point p);
    void Blank();

    const std::string& Result() const { return text_; }

private:
    std::string text_;
};

}  // namespace dsp::skingen
