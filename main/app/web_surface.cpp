#include "main/app/web_surface.h"

#include <ostream>

#include "main/panel/form1.h"
#include "main/remote/form_remote_panel.h"
#include "main/remote/web/web_address_menu.h"
#include "main/remote/web/web_remote.h"
#include "platform/framework/application.h"
#include "platform/net/lan_address.h"

namespace dsp {

struct WebSurface::Impl {
    std::unique_ptr<FormRemotePanel> panel;
    std::unique_ptr<WebRemote> remote;
    std::unique_ptr<WebAddressMenu> menu;
    ChangeBus::Subscription following;

    ~Impl() { following.Reset(); }
};

WebSurface::WebSurface() = default;
WebSurface::~WebSurface() = default;

bool WebSurface::Accepts(std::string_view listen, std::ostream& err) {
    std::string address;
    std::uint16_t port = 0;
    if (ParseWebListen(listen, address, port)) return true;
    err << "dsp-panel: --web takes [ADDR:]PORT (8080, 0.0.0.0:8080): " << listen << "\n";
    return false;
}

bool WebSurface::Start(TApplication& app, TForm1& form, std::string_view listen, std::ostream& err) {
    WebRemoteOptions options;
    ParseWebListen(listen, options.server.address, options.server.port);  // checked at start
    std::string problem;
    const std::optional<WebTokens> tokens = LoadOrMakeWebTokens(WebTokenPath(), problem);
    if (!tokens) return err << "dsp-panel: web remote: " << problem << "\n", false;
    options.tokens = *tokens;
    options.language = [&form] { return form.bsSkinComboBox8->ItemIndex(); };
    impl_ = std::make_unique<Impl>();
    impl_->panel = std::make_unique<FormRemotePanel>(form, ChangeSource::Web);
    impl_->remote = std::make_unique<WebRemote>(*impl_->panel, app.Dispatcher(), options);
    WebRemote& remote = *impl_->remote;
    if (!remote.Error().empty()) {
        err << "dsp-panel: cannot serve the web remote on " << listen << ": " << remote.Error() << "\n";
        return false;
    }
    impl_->following = form.Changes().Subscribe(
        [&remote](const ParamChange& change) { remote.Changed(*change.row, change.value); });
    err << "dsp-panel: web remote: " << remote.PageAddress(WebRole::Control) << "\n"
        << "dsp-panel: web remote, read-only: " << remote.PageAddress(WebRole::Watch) << std::endl;
    // A phone cannot open the wildcard address of a server on every
    // interface: the dialog names this computer's LAN address then.
    const std::string host = ReachableAddress(options.server.address);
    impl_->menu = std::make_unique<WebAddressMenu>(form, remote.PageAddress(WebRole::Control, host));
    return true;
}

}  // namespace dsp
