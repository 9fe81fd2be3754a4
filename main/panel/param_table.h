#pragma once
// The window's parameters resolved to its objects: for each row of the command
// table the control that sends it, its read-out and the ceiling that caps it.
// The window's handlers forward here, so every parameter takes one road: read
// the control, apply the ceiling, show the read-out, send the frame, publish
// the change. Other sides (the headless driver, scenes, remote surfaces) move
// a parameter through Set, exactly as the operator would move its control, so
// the same road runs; they never write to the port themselves.

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "main/panel/change_bus.h"
#include "main/protocol/command_table.h"

namespace dsp {

class TComponent;
class TbsSkinButton;
class TbsSkinNumericEdit;
class TbsSkinSpinEdit;

// What the table needs from the window it serves.
class ParamLink {
  public:
    virtual ~ParamLink() = default;
    // Whether the handlers act: the port is open (or away and coming back).
    virtual bool Online() const = 0;
    // Writes one frame (dropped while the line is away).
    virtual void Send(std::uint8_t code, int value) = 0;
};

class ParamTable {
  public:
    struct Param {
        const CommandRow* row = nullptr;
        // The current value as the control holds it; none for a list
        // without a selection or a button group without a marked choice.
        std::function<std::optional<int>()> read;
        // Moves the control as the operator would, so its event fires.
        std::function<void(int)> move;
        std::vector<TbsSkinButton*> buttons;    // a button group, by value
        TbsSkinButton* trigger = nullptr;       // the memory actions' button
        TbsSkinNumericEdit* readout = nullptr;  // shows ShownValue(row, value)
        TbsSkinSpinEdit* ceiling = nullptr;     // caps the value
        int depth = 0;                          // handler calls running
    };

    ParamTable(ParamLink& link, ChangeBus& bus) : link_(link), bus_(bus) {}
    ParamTable(const ParamTable&) = delete;
    ParamTable& operator=(const ParamTable&) = delete;

    // Finds every control of the command table among `owner`'s components;
    // throws ELayoutError when one is missing or of another class.
    void Resolve(const TComponent& owner);

    const std::vector<Param>& Params() const { return params_; }
    // By parameter name or code, as FindCommand reads them.
    const CommandRow* Find(std::string_view codeOrName) const;
    std::optional<int> Value(const CommandRow& row) const;

    // Moves the parameter's control to `value` (a memory action presses its
    // button with that number); the change then runs the window's own
    // handler and is published with this source and client. False, with
    // nothing done, for a value outside the row's range.
    bool Set(const CommandRow& row, int value, ChangeSource source, std::uint64_t client = 0);
    // The memory actions ("load", "save") with a memory number.
    bool Press(const CommandRow& row, int memory, ChangeSource source, std::uint64_t client = 0);
    // Moves the control, its read-out and ceiling as Set does, but sends no
    // frame (restoring a stored state); still published. False for a value
    // out of range and for the memory actions, which have no state to move.
    bool SetQuietly(const CommandRow& row, int value, ChangeSource source, std::uint64_t client = 0);

    // Runs the parameter's handler for the value its control holds, as if it
    // had just moved there, so its frame goes out again (a control set to
    // the value it has fires no event). False for the memory actions and a
    // group without a marked choice.
    bool Resend(const CommandRow& row, ChangeSource source, std::uint64_t client = 0);

    // The window's handlers: `sender` is the control whose event fired.
    void Changed(const TComponent& sender);
    // Every read-out from its control (the window's activation).
    void ShowReadouts();

  private:
    struct Sender {
        std::size_t param;
        std::optional<int> value;  // a group button's own value
    };
    // Who is making the changes that run now.
    struct Origin {
        ChangeSource source = ChangeSource::Window;
        std::uint64_t client = 0;
        bool quiet = false;
    };
    class OriginScope;

    Param* ParamOf(const CommandRow& row);
    void Handle(Param& param, std::optional<int> buttonValue);
    void MarkChoice(const Param& param, int value);
    void Publish(const Param& param, int value);

    ParamLink& link_;
    ChangeBus& bus_;
    std::vector<Param> params_;
    std::unordered_map<const TComponent*, Sender> senders_;
    Origin origin_;
};

}  // namespace dsp
