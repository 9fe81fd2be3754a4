#pragma once
// The OSC control surface's logic on the window's thread: it answers the
// messages of one packet, keeps the subscriptions and sends them the
// changes. Sockets and threads are OscServer's; this class only sees decoded
// messages and hands back datagrams through `send`.
//
// Addresses: `/dsp/<name>` with one argument sets the parameter, without one
// asks for its value (the answer goes to the sender); `/dsp/dump` answers
// with every parameter in one bundle (a list or button group with no choice
// made yet is left out, and a query of it goes unanswered); `/dsp/info` with
// the version, the link state and the port name; `/dsp/subscribe`
// [PORT] ["norm"] takes or renews a lease. Anything else - an unknown
// address, a wrong argument, a bad packet - is answered with nothing and
// noted on the diagnostics stream, at most one line a second.

#include <functional>
#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "main/remote/osc_message.h"
#include "main/remote/osc_subscribers.h"
#include "main/remote/remote_panel.h"

namespace dsp {

// One message as it came in, with its sender.
struct OscReceived {
    UdpEndpoint from;
    OscMessage message;
};

class OscSurface {
  public:
    using Send = std::function<void(const UdpEndpoint& to, std::span<const std::uint8_t> datagram)>;

    OscSurface(RemotePanel& panel, const Clock& clock, std::ostream& diagnostics, Send send);

    // Messages in the order they came. A value set again later in the same
    // batch is passed over: batches grow only while the window is busy, and
    // then only the latest position of a fader is worth a frame.
    void Receive(std::span<const OscReceived> batch);
    void Refuse(const UdpEndpoint& from, std::string_view why);
    // A change of the panel, from whatever source (client 0: not remote).
    void Changed(const CommandRow& row, int value, std::uint64_t client);
    // Sends the coalesced changes whose turn has come.
    void Flush();
    std::optional<TimeMs> NextDue() const { return subscribers_.NextDue(); }
    std::size_t Subscribers() { return subscribers_.Count(clock_.Now()); }

  private:
    void Handle(const UdpEndpoint& from, const OscMessage& message);
    void Parameter(const UdpEndpoint& from, const CommandRow& row, const OscMessage& message);
    void Subscribe(const UdpEndpoint& from, const OscMessage& message);
    void Dump(const UdpEndpoint& to);
    void Info(const UdpEndpoint& to);
    void Reply(const UdpEndpoint& to, const OscMessage& message);
    void Deliver(const std::vector<OscDelivery>& deliveries);

    RemotePanel& panel_;
    const Clock& clock_;
    std::ostream& diagnostics_;
    Send send_;
    OscSubscribers subscribers_;
    std::optional<TimeMs> lastComplaint_;
    int unsaid_ = 0;  // complaints held back since the last line
};

}  // namespace dsp
