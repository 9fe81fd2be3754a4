#pragma once
// What a remote surface needs from the panel. Every call is made on the
// user-interface thread.

#include <cstdint>
#include <optional>

#include "main/protocol/command_table.h"

namespace dsp {

class RemotePanel {
  public:
    virtual ~RemotePanel() = default;
    // The current value of a parameter (not of the LOAD/SAVE actions); none
    // for a list without a choice.
    virtual std::optional<int> Value(const CommandRow& row) const = 0;
    // Moves the parameter's control as the operator would (the control's own
    // handler clamps and sends), or presses LOAD/SAVE with that memory number.
    // `client` names the remote client that asked. False when refused.
    virtual bool Set(const CommandRow& row, int value, std::uint64_t client) = 0;
    // Whether the port to the unit is open.
    virtual bool Linked() const = 0;
    // The window's language index (0 Chinese).
    virtual int Language() const = 0;
};

}  // namespace dsp
