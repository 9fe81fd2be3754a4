#include "main/remote/web/form_web_remote.h"

#include "main/panel/form1.h"
#include "main/remote/web/web_protocol.h"

namespace dsp {

FormWebRemote::FormWebRemote(TForm1& form, MainThreadQueue& dispatcher, const WebRemoteOptions& options)
    : form_(form), remote_(std::make_unique<WebRemote>(*this, dispatcher, options)) {
    changes_ = form.Changes().Subscribe(
        [this](const ParamChange& change) { remote_->Changed(*change.row, change.value); });
}

// The subscription ends before the remote goes.
FormWebRemote::~FormWebRemote() { changes_.Reset(); }

std::optional<int> FormWebRemote::Value(const CommandRow& row) const { return form_.Parameters().Value(row); }

bool FormWebRemote::Set(const CommandRow& row, int value, std::uint64_t client) {
    ParamTable& table = form_.Parameters();
    return IsWebAction(row) ? table.Press(row, value, ChangeSource::Web, client)
                            : table.Set(row, value, ChangeSource::Web, client);
}

bool FormWebRemote::Linked() const { return form_.ComPort1.Connected(); }

int FormWebRemote::Language() const { return form_.bsSkinComboBox8->ItemIndex(); }

}  // namespace dsp
