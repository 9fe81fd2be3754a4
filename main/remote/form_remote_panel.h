#pragma once
// The window as a remote surface sees it: its parameter table, and the state
// of its port. Changes are made with the given source and the remote
// client's number, so the change bus can tell every follower who made them.

#include "main/panel/change_bus.h"
#include "main/remote/remote_panel.h"

namespace dsp {

class TForm1;

class FormRemotePanel : public RemotePanel {
  public:
    FormRemotePanel(TForm1& form, ChangeSource source) : form_(form), source_(source) {}

    std::optional<int> Value(const CommandRow& row) const override;
    bool Set(const CommandRow& row, int value, std::uint64_t client) override;
    std::string LinkState() const override;
    std::string PortName() const override;

  private:
    TForm1& form_;
    ChangeSource source_;
};

}  // namespace dsp
