#include "main/panel/param_table.h"

#include <stdexcept>
#include <string>

#include "controls/button.h"
#include "controls/combo_box.h"
#include "controls/model/rounding.h"
#include "controls/numeric_edit.h"
#include "controls/slider.h"
#include "controls/spin_edit.h"
#include "controls/track_bar.h"
#include "main/layout/layout_error.h"

namespace dsp {
namespace {

template <class T>
T& Resolved(const TComponent& owner, std::string_view name) {
    T* found = dynamic_cast<T*>(owner.FindComponent(name));
    if (!found)
        throw ELayoutError(0, "the layout has no " + std::string(name) + " of the class its parameter needs");
    return *found;
}

// A click as the operator makes it: the button's own event, enabled or not
// (the handler decides what a click does while the port is closed).
void Click(TbsSkinButton& button) {
    if (button.OnClick) button.OnClick(&button);
}

// A pick from the drop-down list: the selection (OnClick, and OnChange when
// the text differs), then the close-up that the window reacts to.
void Pick(TbsSkinComboBox& combo, int index) {
    combo.SetItemIndex(index);
    if (combo.OnCloseUp) combo.OnCloseUp(&combo);
}

// Of a group, the one button that is disabled while the others are enabled:
// how the window marks the current choice.
std::optional<int> MarkedChoice(const std::vector<TbsSkinButton*>& buttons) {
    std::optional<int> marked;
    int disabled = 0;
    for (std::size_t i = 0; i < buttons.size(); ++i)
        if (!buttons[i]->Enabled()) ++disabled, marked = static_cast<int>(i);
    return disabled == 1 && buttons.size() > 1 ? marked : std::nullopt;
}

template <class T>
void ReadsValue(ParamTable::Param& param, T& control) {
    param.read = [&control] { return std::optional<int>(control.Value()); };
    param.move = [&control](int value) { control.SetValue(value); };
}

}  // namespace

// Sets who makes the changes for as long as it lives, and puts back who made
// them before (a Set may run inside another side's handler).
class ParamTable::OriginScope {
  public:
    OriginScope(ParamTable& table, Origin origin) : table_(table), saved_(table.origin_) {
        table_.origin_ = origin;
    }
    ~OriginScope() { table_.origin_ = saved_; }
    OriginScope(const OriginScope&) = delete;
    OriginScope& operator=(const OriginScope&) = delete;

  private:
    ParamTable& table_;
    Origin saved_;
};

void ParamTable::Resolve(const TComponent& owner) {
    params_.clear();
    senders_.clear();
    params_.reserve(CommandTable().size());
    for (const CommandRow& row : CommandTable()) {
        Param& param = params_.emplace_back();
        param.row = &row;
        const std::size_t index = params_.size() - 1;
        const std::string_view sender = row.senders.front();
        switch (row.encoding) {
            case Encoding::SliderValue:
                ReadsValue(param, Resolved<TbsSkinSlider>(owner, sender));
                break;
            case Encoding::TrackBarValue:
                ReadsValue(param, Resolved<TbsSkinTrackBar>(owner, sender));
                break;
            case Encoding::SpinRounded: {
                auto& spin = Resolved<TbsSkinSpinEdit>(owner, sender);
                param.read = [&spin] { return std::optional<int>(RoundHalfEven(spin.Value())); };
                param.move = [&spin](int value) { spin.SetValue(value); };
                break;
            }
            case Encoding::ItemIndex: {
                auto& combo = Resolved<TbsSkinComboBox>(owner, sender);
                param.read = [&combo] {
                    return combo.ItemIndex() < 0 ? std::nullopt : std::optional<int>(combo.ItemIndex());
                };
                param.move = [&combo](int value) { Pick(combo, value); };
                break;
            }
            case Encoding::FixedPerButton:
                for (std::string_view name : row.senders) {
                    auto& button = Resolved<TbsSkinButton>(owner, name);
                    senders_[&button] = {index, static_cast<int>(param.buttons.size())};
                    param.buttons.push_back(&button);
                }
                param.read = [buttons = param.buttons] { return MarkedChoice(buttons); };
                param.move = [buttons = param.buttons](int value) { Click(*buttons.at(std::size_t(value))); };
                break;
        }
        if (row.encoding != Encoding::FixedPerButton)
            senders_[owner.FindComponent(sender)] = {index, std::nullopt};
        if (!row.trigger.empty()) {
            param.trigger = &Resolved<TbsSkinButton>(owner, row.trigger);
            senders_.erase(owner.FindComponent(sender));  // the number alone sends nothing
            senders_[param.trigger] = {index, std::nullopt};
        }
        if (!row.readoutControl.empty())
            param.readout = &Resolved<TbsSkinNumericEdit>(owner, row.readoutControl);
        if (row.ceiling >= 0)
            param.ceiling = &Resolved<TbsSkinSpinEdit>(owner, FindCommand(row.ceiling)->senders.front());
    }
}

const CommandRow* ParamTable::Find(std::string_view codeOrName) const {
    const CommandRow* row = FindCommand(codeOrName);
    return row && !params_.empty() ? row : nullptr;
}

ParamTable::Param* ParamTable::ParamOf(const CommandRow& row) {
    for (Param& param : params_)
        if (param.row->code == row.code) return &param;
    return nullptr;
}

std::optional<int> ParamTable::Value(const CommandRow& row) const {
    Param* param = const_cast<ParamTable*>(this)->ParamOf(row);
    return param ? param->read() : std::nullopt;
}

bool ParamTable::Set(const CommandRow& row, int value, ChangeSource source, std::uint64_t client) {
    Param* param = ParamOf(row);
    if (!param || value < row.minValue || value > row.maxValue) return false;
    OriginScope scope(*this, {source, client, false});
    param->move(value);
    if (param->trigger) Click(*param->trigger);
    return true;
}

bool ParamTable::Press(const CommandRow& row, int memory, ChangeSource source, std::uint64_t client) {
    return !row.trigger.empty() && Set(row, memory, source, client);
}

bool ParamTable::SetQuietly(const CommandRow& row, int value, ChangeSource source, std::uint64_t client) {
    Param* param = ParamOf(row);
    if (!param || param->trigger || value < row.minValue || value > row.maxValue) return false;
    OriginScope scope(*this, {source, client, true});
    param->move(value);
    return true;
}

bool ParamTable::Resend(const CommandRow& row, ChangeSource source, std::uint64_t client) {
    Param* param = ParamOf(row);
    const std::optional<int> value = param ? param->read() : std::nullopt;
    if (!value || param->trigger) return false;
    OriginScope scope(*this, {source, client, false});
    Handle(*param, param->buttons.empty() ? std::nullopt : value);
    return true;
}

void ParamTable::Changed(const TComponent& sender) {
    const auto found = senders_.find(&sender);
    if (found == senders_.end()) throw std::logic_error(sender.Name() + " sends no parameter");
    Handle(params_[found->second.param], found->second.value);
}

// While the port is closed a handler does nothing more, but a control that
// moved (a button click moves nothing) is still published. A clamped volume
// runs this again, nested, for the ceiling; both calls send their frame, as
// the unit has always seen it, and the outer one publishes the change once.
void ParamTable::Handle(Param& param, std::optional<int> buttonValue) {
    const bool quiet = origin_.quiet;
    if (!quiet && !link_.Online()) {
        if (param.buttons.empty() && !param.trigger)
            if (const std::optional<int> value = param.read()) Publish(param, *value);
        return;
    }
    ++param.depth;
    struct Leave {
        int& depth;
        ~Leave() { --depth; }
    } leave{param.depth};
    int value = buttonValue ? *buttonValue : param.read().value_or(0);
    if (param.ceiling && value > param.ceiling->Value()) {
        value = RoundHalfEven(param.ceiling->Value());
        param.move(value);
    }
    if (param.readout) param.readout->SetValue(ShownValue(*param.row, value));
    if (!param.buttons.empty() && link_.Online()) MarkChoice(param, value);
    if (!quiet) link_.Send(param.row->code, value);
    if (param.depth == 1) Publish(param, value);
}

// The chosen button is disabled to mark the choice; the others of its group
// are enabled.
void ParamTable::MarkChoice(const Param& param, int value) {
    for (std::size_t i = 0; i < param.buttons.size(); ++i)
        param.buttons[i]->SetEnabled(static_cast<int>(i) != value);
}

void ParamTable::Publish(const Param& param, int value) {
    bus_.Publish({param.row, value, origin_.source, origin_.client});
}

void ParamTable::ShowReadouts() {
    for (Param& param : params_)
        if (param.readout) param.readout->SetValue(ShownValue(*param.row, param.read().value_or(0)));
}

}  // namespace dsp
