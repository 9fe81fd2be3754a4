#include "main/remote/form_remote_panel.h"

#include "main/panel/form1.h"

namespace dsp {

std::optional<int> FormRemotePanel::Value(const CommandRow& row) const {
    return form_.Parameters().Value(row);
}

bool FormRemotePanel::Set(const CommandRow& row, int value, std::uint64_t client) {
    return form_.Parameters().Set(row, value, source_, client);
}

std::string FormRemotePanel::LinkState() const {
    if (form_.ComPort1.Connected()) return "connected";
    return form_.LinkAway() ? "reconnecting" : "disconnected";
}

std::string FormRemotePanel::PortName() const { return form_.ComPort1.Port(); }

}  // namespace dsp
