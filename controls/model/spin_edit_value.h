#pragma once
// The spin edit's value model and the text of its inner box. The control's own
// text mirrors the box. OnChange fires on every set, also of the same value,
// but never again from a set made inside its own OnChange handler: the handler
// runs while the control is marked as writing its text.

#include <functional>
#include <string>

#include "controls/model/numeric_rules.h"
#include "controls/model/wheel.h"

namespace dsp {

class SpinEditValue : public NumberSettings {
  public:
    using Event = std::function<void(SpinEditValue& sender)>;

    bool EditorEnabled() const { return editorEnabled_; }
    const std::string& Text() const { return text_; }        // the control's own text
    const std::string& BoxText() const { return boxText_; }  // what the inner box shows

    void SetValue(double value);
    void SetMinValue(double value);
    void SetMaxValue(double value);
    // Changing to vtInteger rounds Increment to a whole step (at least 1).
    void SetValueType(TbsValueType type);
    void SetEditorEnabled(bool enabled) { editorEnabled_ = enabled; }

    void StepUp() { SetValue(value_ + increment_); }
    void StepDown() { SetValue(value_ - increment_); }
    // The whole wheel parameter > 0 steps down, any other steps up.
    void Wheel(std::int32_t wheelParam);

    // The inner box's text changed (the operator typed, or a program wrote it).
    void SetBoxText(const std::string& text);
    // The inner box lost the focus: it shows the formatted value again.
    void EditExit();
    // The key filter of the inner box; false means beep and swallow.
    bool AcceptsKey(char32_t key) const;

    Event OnChange;
    Event OnTextChanged;  // the box's text changed: repaint it

  private:
    void SetOwnText(const std::string& text);
    void ApplyTypedText();
    void WriteBoxText(const std::string& text);

    bool editorEnabled_ = true;
    std::string text_ = "0";
    std::string boxText_ = "0";
    bool writing_ = false;  // the control writes its text itself
    bool copying_ = false;  // the box's text is being copied to the control's
};

}  // namespace dsp
