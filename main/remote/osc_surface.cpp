#include "main/remote/osc_surface.h"

#include <ostream>
#include <set>

#include "main/remote/osc_params.h"
#include "main/remote/osc_writer.h"

namespace dsp {
namespace {

constexpr TimeMs kComplaintGapMs = 1000;

#ifndef DSP_VERSION
#define DSP_VERSION "unknown"
#endif

// An address from the network as it goes into a diagnostics line: cut, and
// with control bytes shown as '?', so a packet cannot drive the terminal.
std::string Printable(std::string_view text) {
    constexpr std::size_t kMaxShown = 64;
    std::string shown(text.substr(0, kMaxShown));
    for (char& c : shown)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
    return text.size() > kMaxShown ? shown + "..." : shown;
}

}  // namespace

OscSurface::OscSurface(RemotePanel& panel, const Clock& clock, std::ostream& diagnostics, Send send)
    : panel_(panel), clock_(clock), diagnostics_(diagnostics), send_(std::move(send)) {}

void OscSurface::Receive(std::span<const OscReceived> batch) {
    std::vector<bool> setLater(batch.size());
    std::set<const CommandRow*> set;
    for (std::size_t i = batch.size(); i-- > 0;) {
        const OscMessage& message = batch[i].message;
        const CommandRow* row = FindOscParameter(message.address);
        // Only good values count; a memory action is a press, never passed over.
        if (!row || IsMemoryAction(*row) || message.args.size() != 1 || !OscValue(*row, message.args[0]))
            continue;
        setLater[i] = !set.insert(row).second;
    }
    for (std::size_t i = 0; i < batch.size(); ++i)
        if (!setLater[i]) Handle(batch[i].from, batch[i].message);
}

void OscSurface::Refuse(const UdpEndpoint& from, std::string_view why) {
    const TimeMs now = clock_.Now();
    if (lastComplaint_ && now - *lastComplaint_ < kComplaintGapMs) {
        ++unsaid_;
        return;
    }
    diagnostics_ << "dsp-panel: osc: ignored a message from " << from.ToString() << ": " << why;
    if (unsaid_ > 0) diagnostics_ << " (and " << unsaid_ << " more since the last note)";
    diagnostics_ << std::endl;
    lastComplaint_ = now;
    unsaid_ = 0;
}

void OscSurface::Handle(const UdpEndpoint& from, const OscMessage& message) {
    if (const CommandRow* row = FindOscParameter(message.address)) return Parameter(from, *row, message);
    if (message.address == "/dsp/subscribe") return Subscribe(from, message);
    if (!message.args.empty()) return Refuse(from, "unexpected arguments for " + Printable(message.address));
    if (message.address == "/dsp/dump") return Dump(from);
    if (message.address == "/dsp/info") return Info(from);
    Refuse(from, "unknown address " + Printable(message.address));
}

void OscSurface::Parameter(const UdpEndpoint& from, const CommandRow& row, const OscMessage& message) {
    if (message.args.empty()) {
        // A parameter with no choice made yet has nothing to tell.
        if (const std::optional<int> value = panel_.Value(row)) Reply(from, {OscAddress(row), {*value}});
        return;
    }
    const std::optional<int> value = message.args.size() == 1 ? OscValue(row, message.args[0]) : std::nullopt;
    if (!value || !panel_.Set(row, *value, OscClientId(from)))
        Refuse(from, "no value for " + OscAddress(row) + " in its arguments");
}

void OscSurface::Subscribe(const UdpEndpoint& from, const OscMessage& message) {
    UdpEndpoint replyTo = from;
    bool norm = false;
    for (const OscArg& arg : message.args) {
        if (const auto* port = std::get_if<std::int32_t>(&arg); port && *port > 0 && *port <= 65535)
            replyTo.port = static_cast<std::uint16_t>(*port);
        else if (const auto* text = std::get_if<std::string>(&arg); text && *text == "norm")
            norm = true;
        else
            return Refuse(from, "/dsp/subscribe takes a port and \"norm\"");
    }
    if (!subscribers_.Subscribe(from, replyTo, norm, clock_.Now())) Refuse(from, "too many subscribers");
}

void OscSurface::Dump(const UdpEndpoint& to) {
    std::vector<OscMessage> values;
    for (const CommandRow& row : CommandTable())
        if (const std::optional<int> value = panel_.Value(row)) values.push_back({OscAddress(row), {*value}});
    send_(to, WriteOscBundle(values));
}

void OscSurface::Info(const UdpEndpoint& to) {
    Reply(to, {"/dsp/info", {std::string(DSP_VERSION), panel_.LinkState(), panel_.PortName()}});
}

void OscSurface::Reply(const UdpEndpoint& to, const OscMessage& message) {
    send_(to, WriteOscMessage(message));
}

void OscSurface::Changed(const CommandRow& row, int value, std::uint64_t client) {
    std::vector<OscDelivery> deliveries;
    subscribers_.Change(row, value, client, clock_.Now(), deliveries);
    Deliver(deliveries);
}

void OscSurface::Flush() {
    std::vector<OscDelivery> deliveries;
    subscribers_.Flush(clock_.Now(), deliveries);
    Deliver(deliveries);
}

void OscSurface::Deliver(const std::vector<OscDelivery>& deliveries) {
    for (const OscDelivery& delivery : deliveries) Reply(delivery.to, delivery.message);
}

}  // namespace dsp
