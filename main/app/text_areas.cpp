#include "main/app/text_areas.h"

#include "controls/combo_box.h"
#include "controls/custom_edit.h"
#include "controls/panel.h"
#include "controls/spin_edit.h"
#include "platform/framework/form.h"
#include "skin/form/frame_object.h"
#include "skin/form/skin_form.h"

namespace dsp {
namespace {

// Edits, spin edits and combo boxes always show their value, a number or
// an item, whatever their Text holds.
bool ShowsValue(TControl& control) {
    return dynamic_cast<TbsSkinCustomEdit*>(&control) || dynamic_cast<TbsSkinSpinEdit*>(&control) ||
           dynamic_cast<TbsSkinComboBox*>(&control);
}

// The text of a control in its own coordinates; empty for none.
Rect ControlTextArea(TControl& control) {
    if (auto* panel = dynamic_cast<TbsSkinPanel*>(&control); panel && panel->CaptionMode())
        return panel->Caption().empty() ? Rect{} : Rect{0, 0, panel->Width(), panel->ChildClientRect().top};
    if (control.Text().empty() && !ShowsValue(control)) return {};
    return {0, 0, control.Width(), control.Height()};
}

void AddCaptionText(TbsSkinForm& frame, std::vector<TextArea>& out) {
    for (const auto& object : frame.Objects())
        if (auto* caption = dynamic_cast<TbsSkinCaptionObject*>(object.get()))
            out.push_back({frame.Name(), caption->TextRect()});
}

}  // namespace

std::vector<TextArea> TextAreas(TForm& form) {
    std::vector<TextArea> out;
    const Point window{form.Left(), form.Top()};
    for (int i = 0; i < form.ComponentCount(); ++i) {
        if (auto* frame = dynamic_cast<TbsSkinForm*>(form.Components(i))) AddCaptionText(*frame, out);
        auto* control = dynamic_cast<TControl*>(form.Components(i));
        if (!control || !control->Showing()) continue;
        const Rect area = ControlTextArea(*control);
        if (!area.IsEmpty())
            out.push_back({control->Name(), area.Offset(control->ClientToScreen({0, 0}) - window)});
    }
    return out;
}

}  // namespace dsp
