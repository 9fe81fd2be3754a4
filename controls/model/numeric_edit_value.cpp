#include "controls/model/numeric_edit_value.h"

#include <utility>

#include "controls/model/numeric_rules.h"

namespace dsp {

void NumericEditValue::SetValue(double value) {
    value_ = ClampNumber(value, minValue_, maxValue_);
    WriteText(Formatted(value_));
}

void NumericEditValue::WriteText(const std::string& text) {
    bool old = std::exchange(writing_, true);
    SetText(text);
    writing_ = old;
}

void NumericEditValue::SetText(const std::string& text) {
    if (text == text_) return;
    text_ = text;
    if (!writing_) {
        ApplyTypedText();
        // A rewrite has fired for the text that replaced the typed one.
        if (text_ != text) return;
    }
    if (OnChange) OnChange(*this);
}

void NumericEditValue::ApplyTypedText() {
    auto typed = ReadTyped(text_);
    if (!typed) return;
    // The typed text is what changed; its own change event reports the value.
    value_ = typed->clamped;
    if (typed->rewrite) WriteText(Formatted(typed->clamped));
}

void NumericEditValue::FocusLost() {
    WriteText(Formatted(value_));
    if (valueType_ != TbsValueType::vtFloat) return;
    auto shown = ParseNumber(text_, valueType_);
    if (shown && *shown != value_) {
        value_ = *shown;
        if (OnChange) OnChange(*this);
    }
}

bool NumericEditValue::AcceptsKey(char32_t key) const {
    return AcceptsNumberKey(key, text_, valueType_, readOnly_);
}

void NumericEditValue::KeyDown(NavKey key) {
    if (!supportUpDownKeys_) return;
    if (key == NavKey::Up) SetValue(value_ + increment_);
    if (key == NavKey::Down) SetValue(value_ - increment_);
}

}  // namespace dsp
