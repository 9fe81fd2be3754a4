#include "platform/text/font.h"

#include <cmath>

namespace dsp {

TFont::TFont(std::string name, int height, FontStyles style, dsp::Color color)
    : name_(std::move(name)), height_(height), style_(style), color_(color) {}

TFont& TFont::operator=(const TFont& other) {
    if (this != &other && !SameAs(other)) {
        CopyValues(other);
        Changed();
    }
    return *this;
}

void TFont::CopyValues(const TFont& other) {
    name_ = other.name_;
    height_ = other.height_;
    style_ = other.style_;
    color_ = other.color_;
    charset_ = other.charset_;
}

bool TFont::SameAs(const TFont& other) const {
    return name_ == other.name_ && height_ == other.height_ && style_ == other.style_ &&
           color_ == other.color_ && charset_ == other.charset_;
}

void TFont::Changed() {
    if (OnChange) OnChange(*this);
}

void TFont::SetName(const std::string& name) {
    if (name == name_) return;
    name_ = name;
    Changed();
}

void TFont::SetHeight(int height) {
    if (height == height_) return;
    height_ = height;
    Changed();
}

int TFont::Size() const { return int(std::lround(-height_ * 72.0 / 96.0)); }

void TFont::SetSize(int points) { SetHeight(-int(std::lround(points * 96.0 / 72.0))); }

void TFont::SetStyle(FontStyles style) {
    if (style == style_) return;
    style_ = style;
    Changed();
}

void TFont::SetColor(dsp::Color color) {
    if (color == color_) return;
    color_ = color;
    Changed();
}

void TFont::SetCharset(int charset) {
    if (charset == charset_) return;
    charset_ = charset;
    Changed();
}

}  // namespace dsp
