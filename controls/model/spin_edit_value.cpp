#include "controls/model/spin_edit_value.h"

#include <utility>

#include "controls/model/numeric_rules.h"
#include "controls/model/rounding.h"

namespace dsp {
namespace {

// Sets a flag for a scope and puts the old state back after it, so nested
// sets from handlers see the state they are in.
class FlagScope {
  public:
    FlagScope(bool& flag, bool value) : flag_(flag), old_(std::exchange(flag, value)) {}
    ~FlagScope() { flag_ = old_; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

  private:
    bool& flag_;
    bool old_;
};

}  // namespace

void SpinEditValue::SetValue(double value) {
    value_ = ClampNumber(value, minValue_, maxValue_);
    std::string text = Formatted(value_);
    if (writing_) {
        WriteBoxText(text);
        return;
    }
    FlagScope writing(writing_, true);
    SetOwnText(text);
    if (OnChange) OnChange(*this);
}

void SpinEditValue::SetMinValue(double value) {
    minValue_ = value;
    if (value_ < minValue_) SetValue(minValue_);
}

void SpinEditValue::SetMaxValue(double value) {
    maxValue_ = value;
    if (value_ > maxValue_) SetValue(maxValue_);
}

void SpinEditValue::SetValueType(TbsValueType type) {
    if (type == valueType_) return;
    valueType_ = type;
    if (type == TbsValueType::vtInteger) {
        increment_ = RoundHalfEvenReal(increment_);
        if (increment_ == 0.0) increment_ = 1.0;
    }
}

void SpinEditValue::Wheel(std::int32_t wheelParam) {
    if (wheelParam > 0) {
        StepDown();
    } else {
        StepUp();
    }
}

void SpinEditValue::SetOwnText(const std::string& text) {
    text_ = text;
    // While the box's own text is being copied in, the box already shows what
    // the operator typed; mirroring would overwrite it.
    if (!copying_) WriteBoxText(text);
}

void SpinEditValue::WriteBoxText(const std::string& text) {
    FlagScope writing(writing_, true);
    SetBoxText(text);
}

void SpinEditValue::SetBoxText(const std::string& text) {
    if (text == boxText_) return;
    boxText_ = text;
    {
        FlagScope copying(copying_, true);
        text_ = boxText_;
        if (!writing_) ApplyTypedText();
    }
    if (OnTextChanged) OnTextChanged(*this);
}

void SpinEditValue::ApplyTypedText() {
    auto typed = ReadTyped(text_);
    if (!typed) return;
    if (typed->clamped != value_) SetValue(typed->clamped);
    if (typed->rewrite) WriteBoxText(Formatted(typed->clamped));
}

void SpinEditValue::EditExit() { WriteBoxText(Formatted(value_)); }

bool SpinEditValue::AcceptsKey(char32_t key) const {
    return AcceptsNumberKey(key, boxText_, valueType_, !editorEnabled_);
}

}  // namespace dsp
