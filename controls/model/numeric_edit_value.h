#pragma once
// The numeric edit's value model. Its one event is the text's: OnChange fires
// whenever the shown text changes, and only then, so setting a value whose
// text is already shown fires nothing. Bounds, value type and decimals are
// only stored; they apply to the next value set or typed.

#include <functional>
#include <string>

#include "controls/model/nav_key.h"
#include "controls/model/numeric_rules.h"

namespace dsp {

class NumericEditValue : public NumberSettings {
  public:
    using Event = std::function<void(NumericEditValue& sender)>;

    bool ReadOnly() const { return readOnly_; }
    bool SupportUpDownKeys() const { return supportUpDownKeys_; }
    const std::string& Text() const { return text_; }

    void SetValue(double value);
    void SetMinValue(double value) { minValue_ = value; }
    void SetMaxValue(double value) { maxValue_ = value; }
    void SetValueType(TbsValueType type) { valueType_ = type; }
    void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }
    void SetSupportUpDownKeys(bool support) { supportUpDownKeys_ = support; }

    // The shown text changed (typed, pasted, or set by a program).
    void SetText(const std::string& text);
    // Focus lost: the formatted value is shown again; with vtFloat the value
    // becomes what that text says (rounded to Decimal digits).
    void FocusLost();
    bool AcceptsKey(char32_t key) const;
    // Up/Down with SupportUpDownKeys step by Increment.
    void KeyDown(NavKey key);

    Event OnChange;

  private:
    void WriteText(const std::string& text);
    void ApplyTypedText();

    bool readOnly_ = false;
    bool supportUpDownKeys_ = false;
    std::string text_ = "0";
    bool writing_ = false;  // parsing is off while the control writes its text
};

}  // namespace dsp
