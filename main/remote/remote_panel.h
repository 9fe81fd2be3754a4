#pragma once
// What a remote surface needs of the panel: the value of each parameter, a
// way to move its control as the operator would (so the control's own
// handler clamps, applies ceilings and sends exactly its frames), and the
// state of the link. A remote surface never touches the port.

#include <cstdint>
#include <optional>
#include <string>

namespace dsp {

struct CommandRow;

class RemotePanel {
  public:
    virtual ~RemotePanel() = default;
    // Nothing for a list without a selection or a button group without a
    // marked choice.
    virtual std::optional<int> Value(const CommandRow& row) const = 0;
    // Moves the control of `row` to `value` on behalf of remote client
    // `client`; the memory actions (LOAD, SAVE) take `value` as the memory
    // number and press their button. False, with nothing changed or sent,
    // for a value out of range.
    virtual bool Set(const CommandRow& row, int value, std::uint64_t client) = 0;
    // "connected", "reconnecting" (the line went away and is being reopened)
    // or "disconnected".
    virtual std::string LinkState() const = 0;
    virtual std::string PortName() const = 0;
};

}  // namespace dsp
