#pragma once
// The web remote: the page and its WebSocket, kept in step with the panel.
//
// The server's threads only check access and read messages; whatever touches
// the panel runs on the user-interface thread, handed over through its
// dispatcher as the serial thread hands its events. Settings that arrive
// faster than that thread takes them are coalesced: per parameter the last
// value wins. Every change of the panel, whoever made it, goes to every open
// page with the next revision number; a page that misses one asks for the
// whole state again.

#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "main/remote/remote_panel.h"
#include "main/remote/web/web_access.h"
#include "main/remote/web/web_outbox.h"
#include "platform/web/http_server.h"

namespace dsp {

class MainThreadQueue;

struct WebRemoteOptions {
    HttpServerOptions server;
    WebTokens tokens;
    // Real time for the brake on wrong tokens (not the panel's timer clock,
    // which headless runs hold still).
    const Clock* clock = nullptr;
    int maxSockets = 8;
    // The window's language index (0 Chinese), asked on the UI thread; none:
    // English.
    std::function<int()> language;
};

class WebRemote final : public HttpHandler {
  public:
    WebRemote(RemotePanel& panel, MainThreadQueue& dispatcher, const WebRemoteOptions& options);
    ~WebRemote() override;

    // "" when serving, else why not.
    const std::string& Error() const { return server_->Error(); }
    // http://ADDR:PORT/?t=TOKEN for the role; ADDR is `host` when given,
    // else the address the server listens on.
    std::string PageAddress(WebRole role, std::string_view host = {}) const;

    // UI thread: a parameter changed (from the change bus).
    void Changed(const CommandRow& row, int value);

    HttpResponse Serve(const HttpRequest& request) override;
    bool AcceptSocket(const HttpRequest& request, std::uint64_t id) override;
    void SocketOpened(std::uint64_t id) override;
    bool SocketText(std::uint64_t id, std::string_view text) override;
    void SocketClosed(std::uint64_t id) override;

  private:
    struct Pending {
        const CommandRow* row;
        int value;
        std::uint64_t client;
    };

    bool MayControl(std::uint64_t id);
    void Want(const std::function<void()>& note);
    void Apply();
    std::string State() const;
    void FollowLink();
    int Language() const;

    RemotePanel& panel_;
    MainThreadQueue& dispatcher_;
    WebRemoteOptions options_;
    MonotonicClock realClock_;
    FailureBrake brake_;
    std::string page_;

    std::mutex lock_;  // guards what the server's threads hand over
    std::map<std::uint64_t, WebRole> clients_;
    std::vector<Pending> pending_;
    std::set<std::uint64_t> wantState_;
    bool scheduled_ = false;
    std::atomic<bool> closing_ = false;

    // UI thread only.
    std::uint64_t rev_ = 0;
    std::string link_;
    int language_ = 0;

    std::unique_ptr<WebOutbox> outbox_;
    std::unique_ptr<HttpServer> server_;
};

}  // namespace dsp
