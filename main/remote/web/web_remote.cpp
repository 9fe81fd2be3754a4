#include "main/remote/web/web_remote.h"

#include <algorithm>

#include "main/panel/caption_table.h"
#include "main/remote/web/web_page.h"
#include "main/remote/web/web_protocol.h"
#include "platform/dispatch/main_thread_queue.h"

namespace dsp {
namespace {

HttpResponse Refused(int status, std::string_view text) {
    return {status, "text/plain; charset=utf-8", std::string(text)};
}

}  // namespace

WebRemote::WebRemote(RemotePanel& panel, MainThreadQueue& dispatcher, const WebRemoteOptions& options)
    : panel_(panel),
      dispatcher_(dispatcher),
      options_(options),
      brake_(options.clock ? *options.clock : realClock_),
      page_(WebPage()),
      link_(panel.LinkState()),
      language_(Language()) {
    outbox_ = std::make_unique<WebOutbox>(
        [this](std::uint64_t id, const std::string& text) { return server_->Send(id, text); },
        [this](std::uint64_t id) { server_->Close(id); });
    server_ = std::make_unique<HttpServer>(options.server, *this);
}

WebRemote::~WebRemote() {
    closing_ = true;
    outbox_->Stop();
    server_.reset();
    // Work the server's threads posted last still points here: it runs now,
    // finds the remote closing and does nothing.
    dispatcher_.ProcessPending();
}

std::string WebRemote::PageAddress(WebRole role, std::string_view host) const {
    const std::string address = host.empty() ? options_.server.address : std::string(host);
    const std::string named = address.find(':') != std::string::npos ? "[" + address + "]" : address;
    const std::string& token = role == WebRole::Watch ? options_.tokens.watch : options_.tokens.control;
    return "http://" + named + ":" + std::to_string(server_->Port()) + "/?t=" + token;
}

HttpResponse WebRemote::Serve(const HttpRequest& request) {
    if (brake_.Braked(request.remoteAddress)) return Refused(429, "too many wrong tokens; try again later\n");
    if (request.method != "GET") return Refused(405, "only GET\n");
    if (request.path != "/") return Refused(404, "not found\n");
    if (RoleForQuery(options_.tokens, request.query) == WebRole::None) {
        brake_.Failed(request.remoteAddress);
        return Refused(403, "this page needs the address with its token, as dsp-panel printed it\n");
    }
    return {200, "text/html; charset=utf-8", page_};
}

bool WebRemote::AcceptSocket(const HttpRequest& request, std::uint64_t id) {
    if (closing_ || brake_.Braked(request.remoteAddress) || !OriginAllowed(request.origin, request.host))
        return false;
    const WebRole role = RoleForQuery(options_.tokens, request.query);
    if (role == WebRole::None) {
        brake_.Failed(request.remoteAddress);
        return false;
    }
    std::lock_guard guard(lock_);
    if (clients_.size() >= static_cast<std::size_t>(options_.maxSockets)) return false;
    clients_[id] = role;
    return true;
}

void WebRemote::SocketOpened(std::uint64_t id) {
    outbox_->Open(id);
    outbox_->Push(id, WebRoleMessage(!MayControl(id)));
    Want([&] { wantState_.insert(id); });
}

bool WebRemote::SocketText(std::uint64_t id, std::string_view text) {
    const WebRequest request = ReadWebRequest(text);
    if (const auto* ping = std::get_if<WebPing>(&request)) {
        outbox_->Push(id, WebPongMessage(ping->number));
        Want([] {});  // the link and language are looked at again
    } else if (std::holds_alternative<WebGetState>(request)) {
        Want([&] { wantState_.insert(id); });
    } else if (const auto* set = std::get_if<WebSet>(&request)) {
        if (!MayControl(id)) {
            outbox_->Push(id, WebErrorMessage("read-only"));
        } else {
            Want([&] {
                const auto same = std::find_if(pending_.begin(), pending_.end(),
                                               [&](const Pending& p) { return p.row == set->row; });
                if (same != pending_.end())
                    *same = {set->row, set->value, id};
                else
                    pending_.push_back({set->row, set->value, id});
            });
        }
    } else {
        outbox_->Push(id, WebErrorMessage(std::get<WebRefusal>(request).reason));
    }
    return true;
}

bool WebRemote::MayControl(std::uint64_t id) {
    std::lock_guard guard(lock_);
    const auto found = clients_.find(id);
    return found != clients_.end() && found->second == WebRole::Control;
}

void WebRemote::SocketClosed(std::uint64_t id) {
    {
        std::lock_guard guard(lock_);
        clients_.erase(id);
        wantState_.erase(id);
    }
    outbox_->Closed(id);
}

void WebRemote::Want(const std::function<void()>& note) {
    std::unique_lock guard(lock_);
    note();
    if (scheduled_ || closing_) return;
    scheduled_ = true;
    guard.unlock();
    dispatcher_.Post([this] { Apply(); });
}

void WebRemote::Apply() {
    std::vector<Pending> pending;
    std::set<std::uint64_t> wantState;
    {
        std::lock_guard guard(lock_);
        pending.swap(pending_);
        wantState.swap(wantState_);
        scheduled_ = false;
    }
    if (closing_) return;
    FollowLink();
    for (const Pending& set : pending)
        if (!panel_.Set(*set.row, set.value, set.client))
            outbox_->Push(set.client, WebErrorMessage("refused"));
    const std::string state = State();
    for (std::uint64_t id : wantState) outbox_->Push(id, state);
}

void WebRemote::Changed(const CommandRow& row, int value) {
    if (closing_) return;
    FollowLink();
    outbox_->Broadcast(WebChangeMessage(++rev_, {&row, value}));
}

int WebRemote::Language() const { return options_.language ? options_.language() : kLanguageEnglish; }

void WebRemote::FollowLink() {
    std::string link = panel_.LinkState();
    const int language = Language();
    if (link == link_ && language == language_) return;
    link_ = std::move(link);
    language_ = language;
    ++rev_;
    outbox_->Broadcast(State());
}

std::string WebRemote::State() const {
    std::vector<WebValue> values;
    for (const CommandRow& row : CommandTable())
        if (!IsWebAction(row)) values.push_back({&row, panel_.Value(row)});
    return WebStateMessage(rev_, values, link_, language_);
}

}  // namespace dsp
