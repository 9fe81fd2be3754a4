#pragma once
// The web remote on the window: the page sets parameters through the
// window's parameter table, as the operator would, and follows every change
// on the window's change bus.

#include <memory>

#include "main/panel/change_bus.h"
#include "main/remote/web/remote_panel.h"
#include "main/remote/web/web_remote.h"

namespace dsp {

class TForm1;

class FormWebRemote final : public RemotePanel {
  public:
    FormWebRemote(TForm1& form, MainThreadQueue& dispatcher, const WebRemoteOptions& options);
    ~FormWebRemote() override;

    WebRemote& Remote() { return *remote_; }

    std::optional<int> Value(const CommandRow& row) const override;
    bool Set(const CommandRow& row, int value, std::uint64_t client) override;
    bool Linked() const override;
    int Language() const override;

  private:
    TForm1& form_;
    std::unique_ptr<WebRemote> remote_;
    ChangeBus::Subscription changes_;
};

}  // namespace dsp
